// probe_screen.h: the game's pixels on the screen: every control where the design puts it, and
// the contrast of its texts.
#pragma once

#include <string>

#include <windows.h>

#include "design/form.h"

namespace probe {

std::string asDesigned();
std::string contrastOf(const std::string& what);
std::string progressGround();

} // namespace probe
