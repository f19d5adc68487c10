// startup_probe_win32.cpp: the Windows build's start-up probe. Starts one window, and once it
// and its controls have been painted prints the peak working set in KiB, then leaves. Built
// twice: the game's Form1, and a bare window of the same size with a menu bar, a trackbar and
// a progress bar in the same common controls.
#include <cstdio>

#include <windows.h>

#include <commctrl.h>
#include <psapi.h>

#ifndef TORVELLE_BARE_WINDOW
#include "win32/form1.h"
#endif

namespace {

#ifdef TORVELLE_BARE_WINDOW
LRESULT CALLBACK bareProcedure(HWND window, UINT message, WPARAM wParam, LPARAM lParam)
{
    return DefWindowProcW(window, message, wParam, lParam);
}

HWND bareWindow(HINSTANCE instance)
{
    WNDCLASSEXW windowClass{};
    windowClass.cbSize = sizeof windowClass;
    windowClass.lpfnWndProc = bareProcedure;
    windowClass.hInstance = instance;
    windowClass.hbrBackground = GetSysColorBrush(COLOR_BTNFACE);
    windowClass.lpszClassName = L"BareWindow";
    RegisterClassExW(&windowClass);
    const HMENU menu = CreateMenu();
    AppendMenuW(menu, MF_STRING, 1, L"&Quitter");
    const HMENU help = CreatePopupMenu();
    AppendMenuW(help, MF_STRING, 2, L"aide");
    AppendMenuW(menu, MF_POPUP, reinterpret_cast<UINT_PTR>(help), L"&?");
    constexpr DWORD style = WS_CAPTION | WS_SYSMENU;
    RECT outer{0, 0, 551, 372};
    AdjustWindowRectEx(&outer, style, TRUE, WS_EX_DLGMODALFRAME);
    const HWND window = CreateWindowExW(WS_EX_DLGMODALFRAME, L"BareWindow", L"Bare", style,
                                        CW_USEDEFAULT, CW_USEDEFAULT, outer.right - outer.left,
                                        outer.bottom - outer.top, nullptr, menu, instance, nullptr);
    CreateWindowExW(0, TRACKBAR_CLASSW, L"", WS_CHILD | WS_VISIBLE, 368, 232, 169, 25, window,
                    nullptr, instance, nullptr);
    CreateWindowExW(0, PROGRESS_CLASSW, L"", WS_CHILD | WS_VISIBLE, 368, 280, 177, 25, window,
                    nullptr, instance, nullptr);
    ShowWindow(window, SW_SHOW);
    return window;
}
#endif

} // namespace

int WINAPI wWinMain(HINSTANCE instance, HINSTANCE /*previous*/, PWSTR /*command*/, int /*show*/)
{
    const INITCOMMONCONTROLSEX controls{sizeof controls, ICC_BAR_CLASSES | ICC_PROGRESS_CLASS};
    InitCommonControlsEx(&controls);
#ifdef TORVELLE_BARE_WINDOW
    bareWindow(instance);
#else
    torvelle::win32::Form1 form(instance);
    form.Form_Load();
#endif
    // Paint messages come last, once nothing else is queued: an empty queue means every
    // window of this thread has been painted.
    MSG message;
    while (PeekMessageW(&message, nullptr, 0, 0, PM_REMOVE)) {
        TranslateMessage(&message);
        DispatchMessageW(&message);
    }
    GdiFlush();
    PROCESS_MEMORY_COUNTERS memory{};
    memory.cb = sizeof memory;
    GetProcessMemoryInfo(GetCurrentProcess(), &memory, sizeof memory);
    std::printf("%lu\n", static_cast<unsigned long>(memory.PeakWorkingSetSize / 1024));
    std::fflush(stdout);
    return 0;
}
