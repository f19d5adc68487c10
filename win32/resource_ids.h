// resource_ids.h: the numbers of the resources in torvelle.rc, shared with the code.
#pragma once

#define TORVELLE_ICON_FRANCE 1
#define TORVELLE_ICON_BINOCULARS 2
// Cell picture n (1 to 6) at size index s (32, 40, 48 and 64 pixels): 100 + 10 * s + n.
#define TORVELLE_CELL_BITMAPS 100
