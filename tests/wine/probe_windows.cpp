// probe_windows.cpp: the game's windows found, and what they show.
#include "tests/wine/probe_windows.h"

#include <sstream>
#include <string>

#include <windows.h>

#include <commctrl.h>

#include "design/form1_design.h"
#include "win32/screen_scale.h"
#include "win32/wide_text.h"

namespace probe {

using torvelle::win32::narrow;
using torvelle::win32::scaled;
namespace design = torvelle::design;

std::string textOf(HWND window)
{
    std::string line;
    for (char c : torvelle::win32::windowText(window))
        if (c != '\r')
            line += c == '\n' ? std::string("\\n") : std::string(1, c);
    return line;
}

std::string classOf(HWND window)
{
    wchar_t name[64] = {};
    GetClassNameW(window, name, 64);
    return narrow(name);
}

HWND form()
{
    return FindWindowW(L"TorvelleForm1", nullptr);
}

// The visible message box of the game, if one is open.
HWND openBox()
{
    DWORD game = 0;
    GetWindowThreadProcessId(form(), &game);
    HWND found = nullptr;
    for (HWND w = FindWindowExW(nullptr, nullptr, L"#32770", nullptr); w;
         w = FindWindowExW(nullptr, w, L"#32770", nullptr)) {
        DWORD process = 0;
        GetWindowThreadProcessId(w, &process);
        if (IsWindowVisible(w) && (!game || process == game))
            found = w;
    }
    return found;
}

std::string centreOf(HWND window)
{
    RECT r;
    GetWindowRect(window, &r);
    return std::to_string((r.left + r.right) / 2) + " " + std::to_string((r.top + r.bottom) / 2);
}

// Title, frame, client size and the frame's offset from the middle of the work area.
std::string frameOf(HWND window)
{
    if (!window)
        return "none";
    const LONG style = GetWindowLongW(window, GWL_STYLE);
    const LONG ex = GetWindowLongW(window, GWL_EXSTYLE);
    std::string flags;
    const auto flag = [&](bool on, const char* name) {
        if (on)
            flags += std::string(flags.empty() ? "" : ",") + name;
    };
    flag((style & WS_CAPTION) == WS_CAPTION, "caption");
    flag(style & WS_SYSMENU, "close");
    flag(style & WS_MINIMIZEBOX, "minimize");
    flag(style & WS_MAXIMIZEBOX, "maximize");
    flag(style & WS_THICKFRAME, "resizable");
    flag(ex & WS_EX_DLGMODALFRAME, "dialogframe");
    flag(ex & WS_EX_APPWINDOW, "taskbar");
    flag(GetWindow(window, GW_OWNER) && !IsWindowVisible(GetWindow(window, GW_OWNER)),
         "hiddenowner");
    RECT client, outer, work;
    GetClientRect(window, &client);
    GetWindowRect(window, &outer);
    SystemParametersInfoW(SPI_GETWORKAREA, 0, &work, 0);
    std::ostringstream out;
    out << textOf(window) << '\t' << flags << '\t' << client.right << 'x' << client.bottom << '\t'
        << (outer.left + outer.right - work.left - work.right) / 2 << ','
        << (outer.top + outer.bottom - work.top - work.bottom) / 2;
    return out.str();
}

std::string boxOf(HWND box)
{
    std::string buttons, places;
    for (int id : {IDOK, IDYES, IDNO, IDCANCEL})
        if (HWND button = GetDlgItem(box, id); button && IsWindowVisible(button)) {
            buttons += (buttons.empty() ? "" : ",") + textOf(button);
            places += (places.empty() ? "" : ";") + centreOf(button);
        }
    HWND text = GetDlgItem(box, 0xFFFF);
    return textOf(box) + '\t' + (text ? textOf(text) : "") + '\t' + buttons + '\t' + places;
}

HWND child(HWND parent, const wchar_t* className)
{
    return FindWindowExW(parent, nullptr, className, nullptr);
}

// The scores, the banner, the progress bar's tenths and the slider's range and value.
std::string controls()
{
    const HWND f = form();
    const HWND banner = GetDlgItem(f, 7);
    const HWND progress = child(f, PROGRESS_CLASSW);
    const HWND slider = child(f, TRACKBAR_CLASSW);
    std::ostringstream out;
    out << textOf(GetDlgItem(f, 4)) << '\t' << textOf(GetDlgItem(f, 6)) << '\t'
        << (IsWindowVisible(banner) ? textOf(banner) : "(hidden)") << '\t'
        << SendMessageW(progress, PBM_GETRANGE, FALSE, 0) << '\t'
        << SendMessageW(progress, PBM_GETPOS, 0, 0) << '\t'
        << SendMessageW(slider, TBM_GETRANGEMIN, 0, 0) << ".."
        << SendMessageW(slider, TBM_GETRANGEMAX, 0, 0) << '\t'
        << SendMessageW(slider, TBM_GETPOS, 0, 0);
    return out.str();
}

// The main window's control for a design entry: a label by its number, the others by class.
HWND builtFor(const design::Control& c)
{
    switch (c.kind) {
    case design::Kind::Label: return GetDlgItem(form(), std::stoi(std::string(c.name.substr(5))));
    case design::Kind::PictureBox: return child(form(), L"TorvelleGrid");
    case design::Kind::GroupFrame: return child(form(), L"Button");
    case design::Kind::Slider: return child(form(), TRACKBAR_CLASSW);
    case design::Kind::ProgressBar: return child(form(), PROGRESS_CLASSW);
    default: return nullptr;
    }
}

// The window with the keyboard, once the window of that class is active and the keyboard in
// it: the game's thread may still be handing the activation on.
std::string focusIn(const wchar_t* className)
{
    GUITHREADINFO info{};
    info.cbSize = sizeof info;
    if (!GetGUIThreadInfo(GetWindowThreadProcessId(form(), nullptr), &info) || !info.hwndFocus ||
        info.hwndActive != FindWindowW(className, nullptr) ||
        GetAncestor(info.hwndFocus, GA_ROOT) != info.hwndActive)
        return "";
    return classOf(info.hwndFocus) + '\t' + textOf(info.hwndFocus);
}

// A point on the caption of the window of that class, left of its title.
std::string captionOf(const wchar_t* className)
{
    RECT r{};
    GetWindowRect(FindWindowW(className, nullptr), &r);
    return std::to_string(r.left + 24) + " " +
           std::to_string(r.top + GetSystemMetrics(SM_CYFRAME) +
                          GetSystemMetrics(SM_CYCAPTION) / 2);
}

} // namespace probe
