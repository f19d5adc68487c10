// x11_taskbar.h: keeps a window off the task bar on X11, the way window managers read it.
#pragma once

class QWidget;

namespace torvelle {

// Asks for _NET_WM_STATE_SKIP_TASKBAR every time the window is shown (the window
// manager forgets a window's states when it is hidden), under the window managers
// that still let the player reach such a window from the keyboard. Does nothing
// off X11.
void keepOffTaskbarOnX11(QWidget* window);

} // namespace torvelle
