// window_class.cpp: registering the game's window classes; the hidden owner; centring; icons.
#include "win32/window_class.h"

#include <initializer_list>

#include "win32/screen_scale.h"

namespace torvelle::win32 {

void registerWindowClass(HINSTANCE instance, const wchar_t* name, WNDPROC procedure, HICON icon,
                         HBRUSH background, UINT style)
{
    WNDCLASSEXW windowClass{};
    windowClass.cbSize = sizeof windowClass;
    windowClass.style = style;
    windowClass.lpfnWndProc = procedure;
    windowClass.hInstance = instance;
    windowClass.hIcon = icon;
    windowClass.hCursor = LoadCursorW(nullptr, IDC_ARROW);
    windowClass.hbrBackground = background;
    windowClass.lpszClassName = name;
    RegisterClassExW(&windowClass);
}

HWND hiddenOwner(HINSTANCE instance)
{
    return CreateWindowExW(0, L"STATIC", L"Torvelle", WS_POPUP, 0, 0, 0, 0, nullptr, nullptr,
                           instance, nullptr);
}

POINT centredOnWorkArea(SIZE frame, HMONITOR monitor)
{
    MONITORINFO info{};
    info.cbSize = sizeof info;
    GetMonitorInfoW(monitor, &info);
    const RECT& work = info.rcWork;
    return {(work.left + work.right - frame.cx) / 2, (work.top + work.bottom - frame.cy) / 2};
}

void centreOnWorkArea(HWND window)
{
    RECT frame;
    GetWindowRect(window, &frame);
    const POINT at = centredOnWorkArea({frame.right - frame.left, frame.bottom - frame.top},
                                       MonitorFromWindow(window, MONITOR_DEFAULTTOPRIMARY));
    // Moving a window costs a round trip to some window systems (Wine's): only when it must.
    if (at.x != frame.left || at.y != frame.top)
        SetWindowPos(window, nullptr, at.x, at.y, 0, 0, SWP_NOSIZE | SWP_NOZORDER);
}

WindowIcons::~WindowIcons()
{
    free();
}

void WindowIcons::free()
{
    for (HICON icon : {big_, small_})
        if (icon)
            DestroyIcon(icon);
}

void WindowIcons::apply(HWND window, HINSTANCE instance, int resource, UINT dpi)
{
    free();
    const auto load = [&](int size) {
        return static_cast<HICON>(LoadImageW(instance, MAKEINTRESOURCEW(resource), IMAGE_ICON,
                                             scaled(size, dpi), scaled(size, dpi), 0));
    };
    big_ = load(32);
    small_ = load(16);
    SendMessageW(window, WM_SETICON, ICON_BIG, reinterpret_cast<LPARAM>(big_));
    SendMessageW(window, WM_SETICON, ICON_SMALL, reinterpret_cast<LPARAM>(small_));
}

} // namespace torvelle::win32
