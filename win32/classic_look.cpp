// classic_look.cpp: the frame and the progress bar, each subclassed to paint itself.
#include "win32/classic_look.h"

#include <algorithm>

#include <commctrl.h>

namespace torvelle::win32 {

namespace {

// Paints the whole of `window` with `paint`, without erasing it first.
template <typename Paint>
LRESULT paintedBy(HWND window, UINT message, WPARAM wParam, LPARAM lParam, Paint paint)
{
    if (message == WM_ERASEBKGND)
        return 1;
    if (message != WM_PAINT && message != WM_PRINTCLIENT)
        return DefSubclassProc(window, message, wParam, lParam);
    PAINTSTRUCT ps{};
    const HDC dc = message == WM_PAINT ? BeginPaint(window, &ps) : reinterpret_cast<HDC>(wParam);
    RECT r;
    GetClientRect(window, &r);
    paint(dc, r);
    if (message == WM_PAINT)
        EndPaint(window, &ps);
    return 0;
}

LRESULT CALLBACK frameProcedure(HWND frame, UINT message, WPARAM wParam, LPARAM lParam,
                                UINT_PTR /*id*/, DWORD_PTR /*data*/)
{
    return paintedBy(frame, message, wParam, lParam, [frame](HDC dc, RECT r) {
        FillRect(dc, &r, GetSysColorBrush(COLOR_BTNFACE));
        const HGDIOBJ before =
            SelectObject(dc, reinterpret_cast<HFONT>(SendMessageW(frame, WM_GETFONT, 0, 0)));
        wchar_t text[64] = {};
        const int length = GetWindowTextW(frame, text, 64);
        SIZE extent{};
        GetTextExtentPoint32W(dc, text, length, &extent);
        RECT edge = r;
        edge.top += extent.cy / 2;
        DrawEdge(dc, &edge, EDGE_ETCHED, BF_RECT);
        // The caption on its own ground, over the frame's top line.
        SendMessageW(GetParent(frame), WM_CTLCOLORSTATIC, reinterpret_cast<WPARAM>(dc),
                     reinterpret_cast<LPARAM>(frame));
        SetBkMode(dc, OPAQUE);
        SetBkColor(dc, GetSysColor(COLOR_BTNFACE));
        TextOutW(dc, extent.cy / 2 + 1, 0, text, length);
        SelectObject(dc, before);
    });
}

LRESULT CALLBACK progressProcedure(HWND bar, UINT message, WPARAM wParam, LPARAM lParam,
                                   UINT_PTR /*id*/, DWORD_PTR /*data*/)
{
    return paintedBy(bar, message, wParam, lParam, [bar](HDC dc, RECT r) {
        DrawEdge(dc, &r, BDR_SUNKENOUTER, BF_RECT | BF_ADJUST);
        FillRect(dc, &r, GetSysColorBrush(COLOR_BTNFACE));
        const auto low = static_cast<int>(SendMessageW(bar, PBM_GETRANGE, TRUE, 0));
        const auto high = static_cast<int>(SendMessageW(bar, PBM_GETRANGE, FALSE, 0));
        const auto at = static_cast<int>(SendMessageW(bar, PBM_GETPOS, 0, 0));
        RECT done = r;
        done.right = r.left + MulDiv(r.right - r.left, std::clamp(at - low, 0, high - low),
                                     std::max(high - low, 1));
        FillRect(dc, &done, GetSysColorBrush(COLOR_HIGHLIGHT));
    });
}

} // namespace

void paintAsClassicFrame(HWND frame)
{
    SetWindowSubclass(frame, frameProcedure, 0, 0);
}

void paintAsClassicProgressBar(HWND bar)
{
    SetWindowSubclass(bar, progressProcedure, 0, 0);
}

} // namespace torvelle::win32
