// grid_captions.h: the row letters and column numbers around the board.
#pragma once

#include <string>
#include <vector>

#include "design/form.h"

namespace torvelle::design {

struct GridCaption {
    const ControlArray* array; // Label1 for the rows, Label2 for the columns
    int index;
    std::string text;
};

// "A" to "J" down the side, then "1" to "10" across the top.
std::vector<GridCaption> gridCaptions();

} // namespace torvelle::design
