// probe_accessibility.h: the game as Active Accessibility gives a screen reader: the board, the
// drawn labels, and the words of the live regions.
#pragma once

#include <string>

#include <windows.h>

#include <oleacc.h>

#include "design/form.h"

namespace probe {

VARIANT childId(long id);
std::string take(BSTR text);
// Cell i's name, as a screen reader reads it ("B3, mer").
std::string cellName(IAccessible* board, int i);
IAccessible* board();
std::string drawnLabels();
std::string cells();
std::string boardAsRead();
std::string listen();
std::string hear();

} // namespace probe
