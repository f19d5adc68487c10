// accessibility.h: how the board's cells and the progress bar present themselves to screen readers.
#pragma once

namespace torvelle {

// Makes Qt's accessibility ask us about cells and the progress bar. Idempotent.
void installAccessibility();

} // namespace torvelle
