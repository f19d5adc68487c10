// x11_hints.h: what an X11 window manager reads from the game's windows before it maps them.
#pragma once

class QWidget;

namespace torvelle {

// Every time the window is shown (a window manager forgets a window's states when it is
// hidden), writes its class, the desktop entry's name, by which the desktop matches it
// to the game's launcher and icon; and, under the window managers that still let the
// player reach such a window from the keyboard, _NET_WM_STATE_SKIP_TASKBAR. Does nothing
// off X11.
void writeX11HintsBeforeEachMap(QWidget* window);

} // namespace torvelle
