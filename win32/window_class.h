// window_class.h: the game's own window classes, the hidden owner that keeps its top-level
// windows off the task bar.
#pragma once

#include <windows.h>

namespace torvelle::win32 {

// With the arrow cursor; registering a name again fails harmlessly, so each window may ask.
void registerWindowClass(HINSTANCE instance, const wchar_t* name, WNDPROC procedure,
                         HICON icon = nullptr, HBRUSH background = nullptr, UINT style = 0);

// A window never shown: a top-level window it owns has no task bar button of its own.
HWND hiddenOwner(HINSTANCE instance);

// Where a frame of that size stands centred on the monitor's work area.
POINT centredOnWorkArea(SIZE frame, HMONITOR monitor);
// Centred on the work area of the screen it is on, by its whole frame.
void centreOnWorkArea(HWND window);

// A window's big and small icons from a resource, at its screen scale; freed with it.
class WindowIcons {
public:
    WindowIcons() = default;
    ~WindowIcons();
    WindowIcons(const WindowIcons&) = delete;
    WindowIcons& operator=(const WindowIcons&) = delete;

    void apply(HWND window, HINSTANCE instance, int resource, UINT dpi);

private:
    void free();

    HICON big_ = nullptr;
    HICON small_ = nullptr;
};

} // namespace torvelle::win32
