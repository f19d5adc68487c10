// com_apartment.h: COM joined on first need, when a screen reader first asks for the board or
// the first turn is told, so that a start never waits for it.
#pragma once

namespace torvelle::win32 {

// The calling thread, the user-interface thread, in a single-threaded apartment; once.
void joinComApartment();

} // namespace torvelle::win32
