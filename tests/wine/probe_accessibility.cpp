// probe_accessibility.cpp: the game read as a screen reader reads it.
#include "tests/wine/probe_accessibility.h"

#include <algorithm>
#include <string>
#include <vector>

#include <windows.h>

#include <oleacc.h>

#include "design/form1_design.h"
#include "tests/wine/probe_windows.h"
#include "win32/com_ids.h"
#include "win32/screen_scale.h"
#include "win32/wide_text.h"

namespace probe {

using torvelle::win32::narrow;
using torvelle::win32::scaled;
namespace design = torvelle::design;

namespace {

// A window's client area as a screen reader gets it.
IAccessible* accessibleOf(HWND window)
{
    IAccessible* accessible = nullptr;
    AccessibleObjectFromWindow(window, static_cast<DWORD>(OBJID_CLIENT),
                               torvelle::win32::kIAccessible,
                               reinterpret_cast<void**>(&accessible));
    return accessible;
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

} // namespace

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

IAccessible* board()
{
    return accessibleOf(child(form(), L"TorvelleGrid"));
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

} // namespace probe
