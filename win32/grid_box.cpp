// grid_box.cpp: the box and its cells as window classes of their own.
#include "grid_box.h"

#include <string>

#include "form1_design.h"
#include "screen_scale.h"
#include "ui_texts.h"
#include "wide_text.h"
#include "window_class.h"

namespace torvelle::win32 {

namespace {

constexpr wchar_t kBoxClass[] = L"TorvelleGrid";
constexpr wchar_t kCellClass[] = L"TorvelleCell";

GridBox* ownerOf(HWND window)
{
    return reinterpret_cast<GridBox*>(GetWindowLongPtrW(window, GWLP_USERDATA));
}

void registerClasses(HINSTANCE instance, WNDPROC boxProcedure, WNDPROC cellProcedure)
{
    registerWindowClass(instance, kBoxClass, boxProcedure, nullptr,
                        GetSysColorBrush(COLOR_BTNFACE));
    // No background: the picture covers it. CS_DBLCLKS: a double-click is one click, not two.
    registerWindowClass(instance, kCellClass, cellProcedure, nullptr, nullptr, CS_DBLCLKS);
}

std::wstring cellName(int cell, int picture)
{
    return wide(Board::rowLetter(cell) + Board::columnNumber(cell) + ", " +
                std::string(ui_texts::kCellSeen[picture - 1]));
}

} // namespace

GridBox::GridBox(HWND window, HINSTANCE instance)
{
    registerClasses(instance, boxProcedure, cellProcedure);
    box_ = CreateWindowExW(WS_EX_CLIENTEDGE, kBoxClass, L"",
                           WS_CHILD | WS_VISIBLE | WS_TABSTOP | WS_CLIPCHILDREN, 0, 0, 0, 0, window,
                           reinterpret_cast<HMENU>(kId), instance, nullptr);
    SetWindowLongPtrW(box_, GWLP_USERDATA, reinterpret_cast<LONG_PTR>(this));
    for (int i = 0; i < Board::kCellCount; ++i) {
        pictures_[static_cast<size_t>(i)] = static_cast<int>(Picture::Sea);
        cells_[static_cast<size_t>(i)] = CreateWindowExW(
            0, kCellClass, cellName(i, pictures_[static_cast<size_t>(i)]).c_str(),
            WS_CHILD | WS_VISIBLE, 0, 0, 0, 0, box_,
            reinterpret_cast<HMENU>(static_cast<INT_PTR>(kFirstCellId + i)), instance, nullptr);
        SetWindowLongPtrW(cell(i), GWLP_USERDATA, reinterpret_cast<LONG_PTR>(this));
    }
}

void GridBox::place(UINT dpi)
{
    const design::Rect box = design::form1::kWindow.control("Picture1").rect;
    MoveWindow(box_, scaled(box.left, dpi), scaled(box.top, dpi), scaled(box.width, dpi),
               scaled(box.height, dpi), TRUE);
    for (int i = 0; i < Board::kCellCount; ++i) {
        const design::Rect at = design::form1::kImage1.rectOf(i);
        const int left = scaled(at.left, dpi);
        const int top = scaled(at.top, dpi);
        MoveWindow(cell(i), left, top, scaled(at.right(), dpi) - left,
                   scaled(at.bottom(), dpi) - top, TRUE);
    }
}

void GridBox::setPicture(int i, int picture)
{
    pictures_.at(static_cast<size_t>(i)) = picture;
    SetWindowTextW(cell(i), cellName(i, picture).c_str());
    InvalidateRect(cell(i), nullptr, FALSE);
    UpdateWindow(cell(i));
}

LRESULT CALLBACK GridBox::boxProcedure(HWND box, UINT message, WPARAM wParam, LPARAM lParam)
{
    switch (message) {
    case WM_GETDLGCODE: return DLGC_WANTARROWS | DLGC_WANTCHARS; // every key but Tab is the box's
    case WM_KEYDOWN:
    case WM_CHAR: SetFocus(GetAncestor(box, GA_ROOT)); return 0;
    default: return DefWindowProcW(box, message, wParam, lParam);
    }
}

LRESULT CALLBACK GridBox::cellProcedure(HWND cell, UINT message, WPARAM wParam, LPARAM lParam)
{
    GridBox* grid = ownerOf(cell);
    if (!grid) // still being created
        return DefWindowProcW(cell, message, wParam, lParam);
    const int index = GetDlgCtrlID(cell) - kFirstCellId;
    switch (message) {
    case WM_PAINT: {
        PAINTSTRUCT paint;
        const HDC dc = BeginPaint(cell, &paint);
        RECT area;
        GetClientRect(cell, &area);
        grid->images_.draw(dc, grid->pictures_.at(static_cast<size_t>(index)), area);
        EndPaint(cell, &paint);
        return 0;
    }
    // A click is a press and a release over the same cell; the second press of a
    // double-click arrives as a double-click and counts for nothing.
    case WM_LBUTTONDOWN: SetCapture(cell); return 0;
    case WM_LBUTTONUP: {
        if (GetCapture() != cell)
            return 0;
        ReleaseCapture();
        RECT area;
        GetClientRect(cell, &area);
        const POINT at{static_cast<short>(LOWORD(lParam)), static_cast<short>(HIWORD(lParam))};
        if (PtInRect(&area, at))
            PostMessageW(GetAncestor(cell, GA_ROOT), WM_COMMAND,
                         MAKEWPARAM(kFirstCellId + index, BN_CLICKED),
                         reinterpret_cast<LPARAM>(cell));
        return 0;
    }
    case WM_LBUTTONDBLCLK: return 0;
    default: return DefWindowProcW(cell, message, wParam, lParam);
    }
}

} // namespace torvelle::win32
