// grid_accessible.cpp: Active Accessibility's IAccessible for the board's cells.
#include "grid_accessible.h"

#include <string>

#include "cell.h"
#include "grid_box.h"
#include "ui_texts.h"
#include "wide_text.h"

namespace torvelle::win32 {

namespace {

// Spelt out: the one in mingw-w64's static oleacc library is not Windows' own.
constexpr GUID kIAccessible{
    0x618736e0, 0x3c3d, 0x11cf, {0x81, 0x0c, 0x00, 0xaa, 0x00, 0x38, 0x9b, 0x71}};
constexpr GUID kIDispatch{
    0x00020400, 0x0000, 0x0000, {0xc0, 0x00, 0x00, 0x00, 0x00, 0x00, 0x00, 0x46}};
constexpr GUID kIUnknown{
    0x00000000, 0x0000, 0x0000, {0xc0, 0x00, 0x00, 0x00, 0x00, 0x00, 0x00, 0x46}};
constexpr int kSelf = -1;
constexpr int kNone = -2;

HRESULT text(std::string_view words, BSTR* out)
{
    *out = SysAllocString(wide(words).c_str());
    return *out ? S_OK : E_OUTOFMEMORY;
}

void childId(VARIANT* out, int cell)
{
    out->vt = VT_I4;
    out->lVal = cell == kSelf ? CHILDID_SELF : cell + 1;
}

} // namespace

GridAccessible::GridAccessible(const GridBox& grid) : grid_(&grid)
{}

GridAccessible::~GridAccessible()
{
    if (standard_)
        standard_->Release();
}

LRESULT GridAccessible::result(WPARAM flags)
{
    return LresultFromObject(kIAccessible, flags, this);
}

void GridAccessible::release()
{
    grid_ = nullptr;
    if (standard_)
        standard_->Release();
    standard_ = nullptr;
    Release();
}

IAccessible* GridAccessible::standard()
{
    if (!standard_ && grid_)
        CreateStdAccessibleObject(grid_->hwnd(), OBJID_CLIENT, kIAccessible,
                                  reinterpret_cast<void**>(&standard_));
    return standard_;
}

int GridAccessible::cellOf(const VARIANT& child) const
{
    if (child.vt != VT_I4 || !grid_)
        return kNone;
    if (child.lVal == CHILDID_SELF)
        return kSelf;
    return child.lVal >= 1 && child.lVal <= Board::kCellCount ? static_cast<int>(child.lVal) - 1
                                                              : kNone;
}

HRESULT GridAccessible::QueryInterface(REFIID iid, void** object)
{
    if (!object)
        return E_POINTER;
    if (IsEqualGUID(iid, kIUnknown) || IsEqualGUID(iid, kIDispatch) ||
        IsEqualGUID(iid, kIAccessible)) {
        *object = static_cast<IAccessible*>(this);
        AddRef();
        return S_OK;
    }
    *object = nullptr;
    return E_NOINTERFACE;
}

ULONG GridAccessible::AddRef()
{
    return static_cast<ULONG>(InterlockedIncrement(&references_));
}

ULONG GridAccessible::Release()
{
    const LONG left = InterlockedDecrement(&references_);
    if (left == 0)
        delete this;
    return static_cast<ULONG>(left);
}

HRESULT GridAccessible::GetTypeInfoCount(UINT* count)
{
    *count = 0;
    return S_OK;
}

HRESULT GridAccessible::GetTypeInfo(UINT, LCID, ITypeInfo**)
{
    return E_NOTIMPL;
}

HRESULT GridAccessible::GetIDsOfNames(REFIID, LPOLESTR*, UINT, LCID, DISPID*)
{
    return E_NOTIMPL;
}

HRESULT GridAccessible::Invoke(DISPID, REFIID, LCID, WORD, DISPPARAMS*, VARIANT*, EXCEPINFO*, UINT*)
{
    return E_NOTIMPL;
}

HRESULT GridAccessible::get_accParent(IDispatch** parent)
{
    *parent = nullptr;
    IAccessible* box = standard();
    return box ? box->get_accParent(parent) : CO_E_OBJNOTCONNECTED;
}

HRESULT GridAccessible::get_accChildCount(long* count)
{
    *count = Board::kCellCount;
    return S_OK;
}

HRESULT GridAccessible::get_accChild(VARIANT child, IDispatch** object)
{
    *object = nullptr;
    return cellOf(child) >= 0 ? S_FALSE : E_INVALIDARG; // simple elements
}

HRESULT GridAccessible::get_accName(VARIANT child, BSTR* name)
{
    *name = nullptr;
    const int cell = cellOf(child);
    if (cell == kSelf)
        return text(ui_texts::kGridName, name);
    if (cell == kNone)
        return E_INVALIDARG;
    return text(Board::rowLetter(cell) + Board::columnNumber(cell) + ", " +
                    std::string(ui_texts::kCellSeen[grid_->picture(cell) - 1]),
                name);
}

HRESULT GridAccessible::get_accDescription(VARIANT child, BSTR* description)
{
    *description = nullptr;
    const int cell = cellOf(child);
    if (cell == kNone)
        return E_INVALIDARG;
    return cell == kSelf ? S_FALSE
                         : text(ui_texts::kCellSeen[grid_->picture(cell) - 1], description);
}

HRESULT GridAccessible::get_accRole(VARIANT child, VARIANT* role)
{
    const int cell = cellOf(child);
    if (cell == kNone)
        return E_INVALIDARG;
    role->vt = VT_I4;
    role->lVal = cell == kSelf ? ROLE_SYSTEM_GROUPING : ROLE_SYSTEM_PUSHBUTTON;
    return S_OK;
}

HRESULT GridAccessible::get_accState(VARIANT child, VARIANT* state)
{
    const int cell = cellOf(child);
    if (cell == kNone)
        return E_INVALIDARG;
    if (cell == kSelf)
        return standard() ? standard()->get_accState(child, state) : CO_E_OBJNOTCONNECTED;
    state->vt = VT_I4;
    // A message box open over the board holds its cells, as it holds the mouse.
    state->lVal =
        IsWindowEnabled(GetAncestor(grid_->hwnd(), GA_ROOT)) ? 0 : STATE_SYSTEM_UNAVAILABLE;
    return S_OK;
}

HRESULT GridAccessible::get_accDefaultAction(VARIANT child, BSTR* action)
{
    *action = nullptr;
    const int cell = cellOf(child);
    if (cell == kNone)
        return E_INVALIDARG;
    return cell == kSelf ? S_FALSE : text(ui_texts::kPressAction, action);
}

HRESULT GridAccessible::accDoDefaultAction(VARIANT child)
{
    const int cell = cellOf(child);
    if (cell == kNone)
        return E_INVALIDARG;
    if (cell == kSelf)
        return DISP_E_MEMBERNOTFOUND;
    if (IsWindowEnabled(GetAncestor(grid_->hwnd(), GA_ROOT)))
        grid_->click(cell); // after this call: the click may open a modal box
    return S_OK;
}

HRESULT GridAccessible::accLocation(long* left, long* top, long* width, long* height, VARIANT child)
{
    const int cell = cellOf(child);
    if (cell == kNone)
        return E_INVALIDARG;
    if (cell == kSelf)
        return standard() ? standard()->accLocation(left, top, width, height, child)
                          : CO_E_OBJNOTCONNECTED;
    // The part the box's border leaves in view.
    RECT client, shown;
    GetClientRect(grid_->hwnd(), &client);
    const RECT r = grid_->cellRect(cell);
    IntersectRect(&shown, &r, &client);
    MapWindowPoints(grid_->hwnd(), nullptr, reinterpret_cast<POINT*>(&shown), 2);
    *left = shown.left;
    *top = shown.top;
    *width = shown.right - shown.left;
    *height = shown.bottom - shown.top;
    return S_OK;
}

HRESULT GridAccessible::accNavigate(long direction, VARIANT start, VARIANT* end)
{
    VariantInit(end);
    const int cell = cellOf(start);
    if (cell == kNone)
        return E_INVALIDARG;
    int to = kNone;
    if (cell == kSelf) {
        if (direction == NAVDIR_FIRSTCHILD)
            to = 0;
        else if (direction == NAVDIR_LASTCHILD)
            to = Board::kCellCount - 1;
        else
            return standard() ? standard()->accNavigate(direction, start, end)
                              : CO_E_OBJNOTCONNECTED;
    } else {
        const int step = direction == NAVDIR_NEXT || direction == NAVDIR_RIGHT      ? 1
                         : direction == NAVDIR_PREVIOUS || direction == NAVDIR_LEFT ? -1
                         : direction == NAVDIR_DOWN                                 ? 10
                         : direction == NAVDIR_UP                                   ? -10
                                                                                    : 0;
        if (step != 0 && cell + step >= 0 && cell + step < Board::kCellCount)
            to = cell + step;
    }
    if (to == kNone)
        return S_FALSE;
    childId(end, to);
    return S_OK;
}

HRESULT GridAccessible::accHitTest(long x, long y, VARIANT* child)
{
    VariantInit(child);
    if (!grid_)
        return CO_E_OBJNOTCONNECTED;
    POINT at{x, y};
    ScreenToClient(grid_->hwnd(), &at);
    RECT client;
    GetClientRect(grid_->hwnd(), &client);
    if (!PtInRect(&client, at))
        return S_FALSE;
    childId(child, grid_->cellAt(at) >= 0 ? grid_->cellAt(at) : kSelf);
    return S_OK;
}

HRESULT GridAccessible::get_accFocus(VARIANT* focus)
{
    return standard() ? standard()->get_accFocus(focus) : CO_E_OBJNOTCONNECTED;
}

HRESULT GridAccessible::get_accValue(VARIANT, BSTR* value)
{
    *value = nullptr;
    return DISP_E_MEMBERNOTFOUND;
}

HRESULT GridAccessible::get_accHelp(VARIANT, BSTR* help)
{
    *help = nullptr;
    return DISP_E_MEMBERNOTFOUND;
}

HRESULT GridAccessible::get_accHelpTopic(BSTR* file, VARIANT, long* topic)
{
    *file = nullptr;
    *topic = 0;
    return DISP_E_MEMBERNOTFOUND;
}

HRESULT GridAccessible::get_accKeyboardShortcut(VARIANT, BSTR* shortcut)
{
    *shortcut = nullptr;
    return DISP_E_MEMBERNOTFOUND;
}

HRESULT GridAccessible::get_accSelection(VARIANT* selection)
{
    VariantInit(selection);
    return DISP_E_MEMBERNOTFOUND;
}

HRESULT GridAccessible::accSelect(long, VARIANT)
{
    return DISP_E_MEMBERNOTFOUND;
}

HRESULT GridAccessible::put_accName(VARIANT, BSTR)
{
    return DISP_E_MEMBERNOTFOUND;
}

HRESULT GridAccessible::put_accValue(VARIANT, BSTR)
{
    return DISP_E_MEMBERNOTFOUND;
}

} // namespace torvelle::win32
