// window_class.cpp: registering the game's window classes; the hidden owner.
#include "window_class.h"

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

} // namespace torvelle::win32
