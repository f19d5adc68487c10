// main.cpp: the Windows program: the common controls, the main window and the message loop.
#include <windows.h>

#include <commctrl.h>

#include "win32/about_dialog.h"
#include "win32/form1.h"

int WINAPI wWinMain(HINSTANCE instance, HINSTANCE /*previous*/, PWSTR /*command*/, int /*show*/)
{
    const INITCOMMONCONTROLSEX controls{sizeof controls, ICC_BAR_CLASSES | ICC_PROGRESS_CLASS};
    InitCommonControlsEx(&controls);
    torvelle::win32::Form1 form(instance);
    form.Form_Load();
    MSG message;
    while (GetMessageW(&message, nullptr, 0, 0) > 0) {
        // Tab between the grid and the slider, and Enter on the About buttons.
        const HWND about = form.aboutWindow();
        if (about && IsDialogMessageW(about, &message))
            continue;
        if (form.hwnd() && IsDialogMessageW(form.hwnd(), &message))
            continue;
        TranslateMessage(&message);
        DispatchMessageW(&message);
    }
    return 0;
}
