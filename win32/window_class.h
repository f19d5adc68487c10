// window_class.h: the game's own window classes, and the hidden owner that keeps its top-level
// windows off the task bar.
#pragma once

#include <windows.h>

namespace torvelle::win32 {

// With the arrow cursor; registering a name again fails harmlessly, so each window may ask.
void registerWindowClass(HINSTANCE instance, const wchar_t* name, WNDPROC procedure,
                         HICON icon = nullptr, HBRUSH background = nullptr, UINT style = 0);

// A window never shown: a top-level window it owns has no task bar button of its own.
HWND hiddenOwner(HINSTANCE instance);

} // namespace torvelle::win32
