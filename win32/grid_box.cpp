// grid_box.cpp: the board drawn in one window, its clicks and its accessible object.
#include "win32/grid_box.h"

#include "design/cell_name.h"
#include "design/form1_design.h"
#include "design/ui_texts.h"
#include "win32/com_apartment.h"
#include "win32/drawn_accessible.h"
#include "win32/screen_scale.h"
#include "win32/window_class.h"

#include <oleacc.h>

namespace torvelle::win32 {

namespace {

constexpr wchar_t kClass[] = L"TorvelleGrid";

} // namespace

GridBox::GridBox(HWND window, HINSTANCE instance)
{
    pictures_.fill(static_cast<int>(Picture::Sea));
    // CS_DBLCLKS: the second press of a double-click is not a press of its own.
    registerWindowClass(instance, kClass, procedure, nullptr, GetSysColorBrush(COLOR_BTNFACE),
                        CS_DBLCLKS);
    box_ = CreateWindowExW(WS_EX_CLIENTEDGE, kClass, L"", WS_CHILD | WS_VISIBLE | WS_TABSTOP, 0, 0,
                           0, 0, window, reinterpret_cast<HMENU>(kId), instance, this);
    accessible_ = new DrawnAccessible(*this, ui_texts::kGridName, ROLE_SYSTEM_GROUPING);
}

GridBox::~GridBox()
{
    accessible_->release(); // a screen reader may still hold it
}

RECT GridBox::place(int cell) const
{
    const design::Rect at = design::form1::kImage1.rectOf(cell);
    return {scaled(at.left, dpi_), scaled(at.top, dpi_), scaled(at.right(), dpi_),
            scaled(at.bottom(), dpi_)};
}

int GridBox::cellAt(POINT at) const
{
    for (int i = 0; i < Board::kCellCount; ++i)
        if (const RECT r = place(i); PtInRect(&r, at))
            return i;
    return -1;
}

std::string GridBox::name(int cell) const
{
    return design::cellName(cell, pictures_.at(static_cast<size_t>(cell)));
}

std::string GridBox::description(int cell) const
{
    return design::cellSeen(pictures_.at(static_cast<size_t>(cell)));
}

long GridBox::role(int /*cell*/) const
{
    return ROLE_SYSTEM_PUSHBUTTON;
}

std::string GridBox::action(int /*cell*/) const
{
    return std::string(ui_texts::kPressAction);
}

void GridBox::act(int cell) const
{
    PostMessageW(GetAncestor(box_, GA_ROOT), WM_COMMAND,
                 MAKEWPARAM(kFirstCellId + cell, BN_CLICKED), reinterpret_cast<LPARAM>(box_));
}

void GridBox::applyScale(UINT dpi)
{
    dpi_ = dpi;
    const design::Rect box =
        design::form1::kWindow.control(design::named(design::form1::kWindow, "Picture1")).rect;
    MoveWindow(box_, scaled(box.left, dpi), scaled(box.top, dpi), scaled(box.width, dpi),
               scaled(box.height, dpi), TRUE);
}

void GridBox::setPicture(int cell, int picture)
{
    pictures_.at(static_cast<size_t>(cell)) = picture;
    const RECT r = place(cell);
    InvalidateRect(box_, &r, FALSE);
    UpdateWindow(box_);
    NotifyWinEvent(EVENT_OBJECT_NAMECHANGE, box_, OBJID_CLIENT, cell + 1);
}

void GridBox::paint()
{
    PAINTSTRUCT paint;
    const HDC dc = BeginPaint(box_, &paint);
    for (int i = 0; i < Board::kCellCount; ++i) {
        RECT r = place(i);
        if (RECT shown; IntersectRect(&shown, &r, &paint.rcPaint))
            images_.draw(dc, pictures_.at(static_cast<size_t>(i)), r);
    }
    EndPaint(box_, &paint);
}

LRESULT GridBox::handle(UINT message, WPARAM wParam, LPARAM lParam)
{
    const POINT at{static_cast<short>(LOWORD(lParam)), static_cast<short>(HIWORD(lParam))};
    switch (message) {
    case WM_PAINT: paint(); return 0;
    case WM_ERASEBKGND: return 1;                                // the cells cover it
    case WM_GETDLGCODE: return DLGC_WANTARROWS | DLGC_WANTCHARS; // every key but Tab is the box's
    case WM_KEYDOWN:
    case WM_CHAR: SetFocus(GetAncestor(box_, GA_ROOT)); return 0;
    // A click is a press and a release over the same cell; the second press of a
    // double-click arrives as a double-click and counts for nothing.
    case WM_LBUTTONDOWN:
        pressed_ = cellAt(at);
        SetCapture(box_);
        return 0;
    case WM_LBUTTONDBLCLK: pressed_ = -1; return 0;
    case WM_LBUTTONUP:
        if (GetCapture() == box_)
            ReleaseCapture();
        if (pressed_ >= 0 && cellAt(at) == pressed_)
            act(pressed_);
        pressed_ = -1;
        return 0;
    case WM_GETOBJECT:
        if (static_cast<LONG>(lParam) == OBJID_CLIENT) {
            joinComApartment();
            return accessible_->result(wParam);
        }
        break;
    default: break;
    }
    return DefWindowProcW(box_, message, wParam, lParam);
}

LRESULT CALLBACK GridBox::procedure(HWND box, UINT message, WPARAM wParam, LPARAM lParam)
{
    if (message == WM_NCCREATE) {
        auto* grid =
            static_cast<GridBox*>(reinterpret_cast<CREATESTRUCTW*>(lParam)->lpCreateParams);
        grid->box_ = box;
        SetWindowLongPtrW(box, GWLP_USERDATA, reinterpret_cast<LONG_PTR>(grid));
    }
    auto* grid = reinterpret_cast<GridBox*>(GetWindowLongPtrW(box, GWLP_USERDATA));
    if (!grid || !grid->accessible_) // still being made
        return DefWindowProcW(box, message, wParam, lParam);
    return grid->handle(message, wParam, lParam);
}

} // namespace torvelle::win32
