// probe.cpp: reads the game's windows under Wine for the Windows tests, as a screen reader or a
// test tool would: one command a line on standard input, one answer a line on standard output.
#include <algorithm>
#include <cstdio>
#include <iostream>
#include <optional>
#include <sstream>
#include <string>
#include <vector>

#include <windows.h>

#include <commctrl.h>
#include <oleacc.h>

#include "win32/com_ids.h"
#include "design/form1_design.h"
#include "design/readable_colour.h"
#include "win32/screen_scale.h"
#include "win32/wide_text.h"

namespace {

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

// A window's client area as a screen reader gets it.
IAccessible* accessibleOf(HWND window)
{
    IAccessible* accessible = nullptr;
    AccessibleObjectFromWindow(window, static_cast<DWORD>(OBJID_CLIENT),
                               torvelle::win32::kIAccessible,
                               reinterpret_cast<void**>(&accessible));
    return accessible;
}

IAccessible* board()
{
    return accessibleOf(child(form(), L"TorvelleGrid"));
}

VARIANT childId(long id)
{
    VARIANT v;
    v.vt = VT_I4;
    v.lVal = id;
    return v;
}

std::string take(BSTR text)
{
    std::string taken = text ? narrow(text) : "";
    SysFreeString(text);
    return taken;
}

// Cell i's name, as a screen reader reads it ("B3, mer").
std::string cellName(IAccessible* board, int i)
{
    BSTR name = nullptr;
    board->get_accName(childId(i + 1), &name);
    return take(name);
}

// The names of the main window's static texts without a window of their own, in order.
std::string drawnLabels()
{
    IAccessible* window = accessibleOf(form());
    if (!window)
        return "no accessible window";
    long count = 0;
    window->get_accChildCount(&count);
    std::string names;
    for (long id = 1; id <= count; ++id) {
        IDispatch* own = nullptr;
        VARIANT role;
        if (window->get_accChild(childId(id), &own) == S_FALSE &&
            window->get_accRole(childId(id), &role) == S_OK &&
            role.lVal == ROLE_SYSTEM_STATICTEXT) {
            BSTR name = nullptr;
            window->get_accName(childId(id), &name);
            names += (names.empty() ? "" : " ") + take(name);
        }
        if (own)
            own->Release();
    }
    window->Release();
    return names;
}

std::string cells()
{
    IAccessible* grid = board();
    if (!grid)
        return "no accessible board";
    std::string all;
    for (int i = 0; i < 100; ++i)
        all += (i ? "\t" : "") + cellName(grid, i);
    grid->Release();
    return all;
}

// The board as Active Accessibility gives it: its name, role and count of children, then
// each child where the design puts it on the screen, a button whose action is to press it.
std::string boardAsRead()
{
    IAccessible* grid = board();
    if (!grid)
        return "no accessible board";
    BSTR name = nullptr;
    VARIANT role, self = childId(CHILDID_SELF);
    long count = 0;
    grid->get_accName(self, &name);
    grid->get_accRole(self, &role);
    grid->get_accChildCount(&count);
    std::string answer =
        take(name) + '\t' + std::to_string(role.lVal) + '\t' + std::to_string(count);
    const HWND box = child(form(), L"TorvelleGrid");
    const UINT dpi = torvelle::win32::dpiOf(form());
    RECT client;
    GetClientRect(box, &client);
    std::string wrong;
    for (int i = 0; i < 100; ++i) {
        long left = 0, top = 0, width = 0, height = 0;
        grid->accLocation(&left, &top, &width, &height, childId(i + 1));
        const design::Rect cell = design::form1::kImage1.rectOf(i);
        POINT at{scaled(cell.left, dpi), scaled(cell.top, dpi)};
        ClientToScreen(box, &at);
        const int shownWidth = std::min(scaled(cell.right(), dpi), static_cast<int>(client.right)) -
                               scaled(cell.left, dpi);
        const int shownHeight =
            std::min(scaled(cell.bottom(), dpi), static_cast<int>(client.bottom)) -
            scaled(cell.top, dpi);
        grid->get_accRole(childId(i + 1), &role);
        BSTR action = nullptr;
        grid->get_accDefaultAction(childId(i + 1), &action);
        if (left != at.x || top != at.y || width != shownWidth || height != shownHeight ||
            role.lVal != ROLE_SYSTEM_PUSHBUTTON || take(action) != "Appuyer")
            wrong += ' ' + std::to_string(i);
    }
    grid->Release();
    return answer + '\t' + (wrong.empty() ? "ok" : "wrong:" + wrong);
}

// The words told through live regions since `listen`, as a screen reader speaks them.
std::vector<std::string> heard;

void CALLBACK liveRegionChanged(HWINEVENTHOOK, DWORD, HWND window, LONG object, LONG child, DWORD,
                                DWORD)
{
    IAccessible* accessible = nullptr;
    VARIANT which;
    if (AccessibleObjectFromEvent(window, static_cast<DWORD>(object), static_cast<DWORD>(child),
                                  &accessible, &which) != S_OK ||
        !accessible) {
        heard.push_back("(unreadable)");
        return;
    }
    BSTR name = nullptr;
    accessible->get_accName(which, &name);
    heard.push_back(take(name));
    accessible->Release();
}

std::string listen()
{
    static HWINEVENTHOOK hook = nullptr;
    heard.clear();
    if (!hook) {
        DWORD game = 0;
        GetWindowThreadProcessId(form(), &game);
        hook = SetWinEventHook(0x8019, 0x8019, nullptr, liveRegionChanged, game, 0,
                               WINEVENT_OUTOFCONTEXT);
    }
    return hook ? "listening" : "no hook";
}

// Waits for a first utterance, then a moment for any other, handing the hook its events.
std::string hear()
{
    DWORD quietSince = GetTickCount();
    size_t count = 0;
    for (DWORD start = GetTickCount(); GetTickCount() - start < 20000;) {
        MSG message;
        while (PeekMessageW(&message, nullptr, 0, 0, PM_REMOVE))
            DispatchMessageW(&message);
        if (heard.size() != count) {
            count = heard.size();
            quietSince = GetTickCount();
        }
        if (count > 0 && GetTickCount() - quietSince > 200)
            break;
        Sleep(10);
    }
    std::string said;
    for (const std::string& words : heard)
        said += (said.empty() ? "" : "|") + words;
    return said.empty() ? "silence" : said;
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

// The screen's pixels under a window, top-down, as 0x00RRGGBB.
std::vector<DWORD> pixelsOf(const RECT& r)
{
    const int width = r.right - r.left, height = r.bottom - r.top;
    BITMAPINFO info{};
    info.bmiHeader = {sizeof(BITMAPINFOHEADER), width, -height, 1, 32, BI_RGB, 0, 0, 0, 0, 0};
    void* bits = nullptr;
    const HDC screen = GetDC(nullptr);
    const HDC memory = CreateCompatibleDC(screen);
    const HBITMAP bitmap = CreateDIBSection(memory, &info, DIB_RGB_COLORS, &bits, nullptr, 0);
    const HGDIOBJ before = SelectObject(memory, bitmap);
    BitBlt(memory, 0, 0, width, height, screen, r.left, r.top, SRCCOPY);
    const auto* first = static_cast<const DWORD*>(bits);
    std::vector<DWORD> pixels(first, first + static_cast<size_t>(width) * height);
    SelectObject(memory, before);
    DeleteObject(bitmap);
    DeleteDC(memory);
    ReleaseDC(nullptr, screen);
    for (DWORD& p : pixels)
        p &= 0xFFFFFF;
    return pixels;
}

// Every visible control of the main window where the design puts it at the window's scale, its
// text as wide as the design's font makes it, in the design's colour: "ok", or what differs.
std::string asDesigned()
{
    const UINT dpi = torvelle::win32::dpiOf(form());
    std::string wrong;
    for (const design::Control& c : design::form1::kWindow.controls) {
        const HWND w = builtFor(c);
        if (!w) {
            wrong += ' ' + std::string(c.name) + ":missing";
            continue;
        }
        if ((IsWindowVisible(w) != FALSE) != c.visible)
            wrong += ' ' + std::string(c.name) + ":visibility";
        design::Rect at = c.rect;
        if (!c.container.empty()) {
            at.left += design::form1::kWindow.control(c.container).rect.left;
            at.top += design::form1::kWindow.control(c.container).rect.top;
        }
        RECT r;
        GetWindowRect(w, &r);
        POINT origin{0, 0};
        ClientToScreen(form(), &origin);
        if (r.left - origin.x != scaled(at.left, dpi) || r.top - origin.y != scaled(at.top, dpi) ||
            r.right - origin.x != scaled(at.right(), dpi) ||
            r.bottom - origin.y != scaled(at.bottom(), dpi))
            wrong += ' ' + std::string(c.name) + ":place";
        if (c.kind != design::Kind::Label || c.text.empty() || !c.visible)
            continue;
        const std::vector<DWORD> pixels = pixelsOf(r);
        const DWORD ground = pixels.back(); // the bottom right corner, clear of the text
        const int width = r.right - r.left;
        int left = width, right = -1;
        for (size_t i = 0; i < pixels.size(); ++i)
            if (pixels[i] != ground) {
                left = std::min(left, static_cast<int>(i % width));
                right = std::max(right, static_cast<int>(i % width));
            }
        const design::Font font = c.font.value_or(design::form1::kWindow.font);
        const HFONT made = torvelle::win32::layoutFont(font.points, font.bold, dpi,
                                                       torvelle::win32::wide(font.face).c_str());
        const HDC dc = GetDC(nullptr);
        const HGDIOBJ before = SelectObject(dc, made);
        SIZE extent{};
        const std::wstring text = torvelle::win32::wide(c.text);
        GetTextExtentPoint32W(dc, text.c_str(), static_cast<int>(text.size()), &extent);
        SelectObject(dc, before);
        ReleaseDC(nullptr, dc);
        DeleteObject(made);
        // The ink lies within the letters' advance, short of it by their side bearings at most,
        // which grow with the scale.
        const int inked = right - left + 1;
        if (inked > extent.cx || inked < extent.cx * 94 / 100 - 2)
            wrong += ' ' + std::string(c.name) + ":font(" + std::to_string(inked) + " of " +
                     std::to_string(extent.cx) + ")";
        // As designed, or made readable on the ground the scheme paints under it.
        const design::Rgb colour = design::readableOn(c.colour.value_or(design::Rgb{}),
                                                      {static_cast<int>(ground >> 16 & 0xFF),
                                                       static_cast<int>(ground >> 8 & 0xFF),
                                                       static_cast<int>(ground & 0xFF)});
        const DWORD wanted = c.colour ? RGB(colour.blue, colour.green, colour.red) : ground;
        if (c.colour && std::find(pixels.begin(), pixels.end(), wanted) == pixels.end())
            wrong += ' ' + std::string(c.name) + ":colour";
    }
    return wrong.empty() ? "ok" : wrong.substr(1);
}

// The contrast of the text in `r` on its ground, from the screen: the text is the pixel that
// stands out most from the ground, by default the colour of the bottom right corner.
std::string contrastIn(const RECT& r, std::optional<DWORD> ground = {})
{
    const std::vector<DWORD> pixels = pixelsOf(r);
    const auto rgb = [](DWORD p) {
        return design::Rgb{static_cast<int>(p >> 16 & 0xFF), static_cast<int>(p >> 8 & 0xFF),
                           static_cast<int>(p & 0xFF)};
    };
    double best = 1;
    for (DWORD p : pixels)
        best = std::max(best, design::contrastRatio(rgb(p), rgb(ground.value_or(pixels.back()))));
    char text[16];
    snprintf(text, sizeof text, "%.1f", best);
    return text;
}

// Label N's text, or the score frame's caption on the button face the frame is filled with.
std::string contrastOf(const std::string& what)
{
    RECT r;
    if (what != "frame") {
        GetWindowRect(GetDlgItem(form(), std::stoi(what)), &r);
        return contrastIn(r);
    }
    // Within the caption's letters, clear of the frame's lines on either side of it.
    GetWindowRect(FindWindowExW(form(), nullptr, L"Button", L"SCORES :"), &r);
    const UINT dpi = torvelle::win32::dpiOf(form());
    const COLORREF face = GetSysColor(COLOR_BTNFACE);
    return contrastIn(
        {r.left + scaled(10, dpi), r.top, r.left + scaled(48, dpi), r.top + scaled(12, dpi)},
        RGB(GetBValue(face), GetGValue(face), GetRValue(face)));
}

// Whether the progress bar, empty, shows the scheme's button face in its middle.
std::string progressGround()
{
    RECT r;
    GetWindowRect(FindWindowExW(form(), nullptr, PROGRESS_CLASSW, nullptr), &r);
    const POINT mid{(r.left + r.right) / 2, (r.top + r.bottom) / 2};
    const DWORD seen = pixelsOf({mid.x, mid.y, mid.x + 1, mid.y + 1})[0];
    const COLORREF face = GetSysColor(COLOR_BTNFACE);
    return seen == RGB(GetBValue(face), GetGValue(face), GetRValue(face)) ? "scheme" : "other";
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

// Waits, up to a limit only a fault reaches, for `done` to give an answer.
template <typename Done> std::string waitFor(Done done)
{
    for (int i = 0; i < 1000; ++i) {
        if (std::string answer = done(); !answer.empty())
            return answer;
        Sleep(20);
    }
    return "timeout";
}

std::string answer(const std::string& line)
{
    std::istringstream words(line);
    std::string command;
    words >> command;
    if (command == "form")
        return waitFor([] { return form() && IsWindowVisible(form()) ? frameOf(form()) : ""; });
    if (command == "about")
        return waitFor([] {
            const HWND about = FindWindowW(L"TorvelleDialog", nullptr);
            if (!about || !IsWindowVisible(about))
                return std::string();
            std::string labels;
            for (HWND w = child(about, L"Static"); w;
                 w = FindWindowExW(about, w, L"Static", nullptr))
                labels += '\t' + textOf(w);
            std::string buttons;
            for (HWND w = child(about, L"Button"); w;
                 w = FindWindowExW(about, w, L"Button", nullptr))
                buttons += '\t' + textOf(w) + '@' + centreOf(w);
            return frameOf(about) + labels + buttons;
        });
    if (command == "noabout")
        return waitFor([] { return FindWindowW(L"TorvelleDialog", nullptr) ? "" : "gone"; });
    if (command == "box")
        return waitFor([] {
            const HWND box = openBox();
            return box ? boxOf(box) : "";
        });
    if (command == "nobox")
        return waitFor([] { return openBox() ? "" : "none"; });
    if (command == "cells")
        return cells();
    if (command == "controls")
        return controls();
    if (command == "designed")
        return asDesigned();
    if (command == "board")
        return boardAsRead();
    if (command == "labels")
        return drawnLabels();
    if (command == "progress")
        return progressGround();
    if (command == "contrast") { // once label N, or the frame, shows its text
        std::string what;
        words >> what;
        return waitFor([&] {
            const std::string ratio = contrastOf(what);
            return ratio == "1.0" ? std::string() : ratio;
        });
    }

    if (command == "listen")
        return listen();
    if (command == "heard")
        return hear();
    if (command == "press") { // cell N's default action, as a screen reader's "click"
        int i = 0;
        words >> i;
        IAccessible* grid = board();
        const HRESULT done = grid ? grid->accDoDefaultAction(childId(i + 1)) : E_FAIL;
        if (grid)
            grid->Release();
        return done == S_OK ? "pressed" : "failed " + std::to_string(done);
    }
    if (command == "focus" || command == "caption") { // in or of the main window, or About
        std::string which;
        words >> which;
        const wchar_t* const name = which == "about" ? L"TorvelleDialog" : L"TorvelleForm1";
        return command == "focus" ? waitFor([&] { return focusIn(name); }) : captionOf(name);
    }
    if (command == "cell") { // the middle of cell N on the screen, as it reads its place
        int i = 0;
        words >> i;
        IAccessible* grid = board();
        long left = 0, top = 0, width = 0, height = 0;
        if (grid) {
            grid->accLocation(&left, &top, &width, &height, childId(i + 1));
            grid->Release();
        }
        return std::to_string(left + width / 2) + " " + std::to_string(top + height / 2);
    }
    if (command == "slider")
        return centreOf(child(form(), TRACKBAR_CLASSW));
    if (command == "changed") { // until cell N no longer reads as it did, or a box opens
        int i = 0;
        words >> i;
        std::string before;
        std::getline(words >> std::ws, before);
        return waitFor([&] {
            if (openBox())
                return std::string("box");
            IAccessible* grid = board();
            const std::string now = grid ? cellName(grid, i) : before;
            if (grid)
                grid->Release();
            return now != before ? std::string("changed") : std::string();
        });
    }
    if (command == "gone")
        return waitFor([] { return form() ? "" : "gone"; });
    return "unknown command";
}

} // namespace

int main()
{
    // The game's windows are on Wine's desktop of that name, once the game has made it; this
    // thread looks there too.
    for (int i = 0; i < 1000; ++i) {
        if (HDESK desktop = OpenDesktopW(L"torvelle", 0, FALSE, GENERIC_ALL)) {
            SetThreadDesktop(desktop);
            break;
        }
        Sleep(20);
    }
    CoInitialize(nullptr); // after: a thread with a window of its own keeps its desktop
    std::string line;
    while (std::getline(std::cin, line)) {
        if (!line.empty() && line.back() == '\r')
            line.pop_back();
        std::cout << answer(line) << std::endl;
    }
    return 0;
}
