// desktop_identity.h: the one name by which every desktop knows the game, its desktop entry's.
#pragma once

#include "generated/version.h"

namespace torvelle {

// The application's id on Wayland and its window class on X11, so that shells match the
// game's windows to its launcher and show its name and flag icon.
inline constexpr const char* kDesktopEntryName = version::kDesktopEntryName;

// Tells Qt the desktop entry's name before any window exists (Wayland reads it when a
// window is first shown). X11 windows get their class from writeX11HintsBeforeEachMap.
void takeDesktopIdentity();

} // namespace torvelle
