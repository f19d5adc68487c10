// drawn_accessible.cpp: Active Accessibility's IAccessible for what a window draws.
#include "win32/drawn_accessible.h"

#include <string>

#include "win32/com_ids.h"
#include "win32/wide_text.h"

namespace torvelle::win32 {

namespace {

constexpr int kSelf = -1;
constexpr int kWindowChild = -2;
constexpr int kNone = -3;

HRESULT text(std::string_view words, BSTR* out)
{
    *out = SysAllocString(wide(words).c_str());
    return *out ? S_OK : E_OUTOFMEMORY;
}

void childId(VARIANT* out, long id)
{
    out->vt = VT_I4;
    out->lVal = id;
}

} // namespace

DrawnAccessible::DrawnAccessible(const DrawnControls& drawn, std::string_view name, long role)
    : drawn_(&drawn), name_(name), role_(role)
{}

DrawnAccessible::~DrawnAccessible()
{
    if (standard_)
        standard_->Release();
}

LRESULT DrawnAccessible::result(WPARAM flags)
{
    return LresultFromObject(kIAccessible, flags, this);
}

void DrawnAccessible::release()
{
    drawn_ = nullptr;
    if (standard_)
        standard_->Release();
    standard_ = nullptr;
    Release();
}

IAccessible* DrawnAccessible::standard()
{
    if (!standard_ && drawn_)
        CreateStdAccessibleObject(drawn_->hwnd(), OBJID_CLIENT, kIAccessible,
                                  reinterpret_cast<void**>(&standard_));
    return standard_;
}

long DrawnAccessible::windowChildren()
{
    long count = 0;
    if (IAccessible* window = standard())
        window->get_accChildCount(&count);
    return count;
}

int DrawnAccessible::drawnOf(const VARIANT& child)
{
    if (child.vt != VT_I4 || !drawn_)
        return kNone;
    if (child.lVal == CHILDID_SELF)
        return kSelf;
    const long windows = windowChildren();
    if (child.lVal >= 1 && child.lVal <= windows)
        return kWindowChild;
    const long i = child.lVal - windows - 1;
    return i >= 0 && i < drawn_->count() ? static_cast<int>(i) : kNone;
}

HRESULT DrawnAccessible::QueryInterface(REFIID iid, void** object)
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

ULONG DrawnAccessible::AddRef()
{
    return static_cast<ULONG>(InterlockedIncrement(&references_));
}

ULONG DrawnAccessible::Release()
{
    const LONG left = InterlockedDecrement(&references_);
    if (left == 0)
        delete this;
    return static_cast<ULONG>(left);
}

HRESULT DrawnAccessible::GetTypeInfoCount(UINT* count)
{
    *count = 0;
    return S_OK;
}

HRESULT DrawnAccessible::GetTypeInfo(UINT, LCID, ITypeInfo**)
{
    return E_NOTIMPL;
}

HRESULT DrawnAccessible::GetIDsOfNames(REFIID, LPOLESTR*, UINT, LCID, DISPID*)
{
    return E_NOTIMPL;
}

HRESULT DrawnAccessible::Invoke(DISPID, REFIID, LCID, WORD, DISPPARAMS*, VARIANT*, EXCEPINFO*,
                                UINT*)
{
    return E_NOTIMPL;
}

HRESULT DrawnAccessible::get_accParent(IDispatch** parent)
{
    *parent = nullptr;
    IAccessible* window = standard();
    return window ? window->get_accParent(parent) : CO_E_OBJNOTCONNECTED;
}

HRESULT DrawnAccessible::get_accChildCount(long* count)
{
    *count = drawn_ ? windowChildren() + drawn_->count() : 0;
    return S_OK;
}

HRESULT DrawnAccessible::get_accChild(VARIANT child, IDispatch** object)
{
    *object = nullptr;
    const int drawn = drawnOf(child);
    if (drawn == kWindowChild)
        return standard()->get_accChild(child, object);
    return drawn >= 0 ? S_FALSE : E_INVALIDARG; // simple elements
}

HRESULT DrawnAccessible::get_accName(VARIANT child, BSTR* name)
{
    *name = nullptr;
    const int drawn = drawnOf(child);
    if ((drawn == kSelf && name_.empty()) || drawn == kWindowChild)
        return standard()->get_accName(child, name);
    if (drawn == kSelf)
        return text(name_, name);
    return drawn == kNone ? E_INVALIDARG : text(drawn_->name(drawn), name);
}

HRESULT DrawnAccessible::get_accDescription(VARIANT child, BSTR* description)
{
    *description = nullptr;
    const int drawn = drawnOf(child);
    if (drawn == kSelf || drawn == kWindowChild)
        return standard()->get_accDescription(child, description);
    if (drawn == kNone)
        return E_INVALIDARG;
    const std::string said = drawn_->description(drawn);
    return said.empty() ? S_FALSE : text(said, description);
}

HRESULT DrawnAccessible::get_accRole(VARIANT child, VARIANT* role)
{
    const int drawn = drawnOf(child);
    if ((drawn == kSelf && role_ == 0) || drawn == kWindowChild)
        return standard()->get_accRole(child, role);
    if (drawn == kNone)
        return E_INVALIDARG;
    role->vt = VT_I4;
    role->lVal = drawn == kSelf ? role_ : drawn_->role(drawn);
    return S_OK;
}

HRESULT DrawnAccessible::get_accState(VARIANT child, VARIANT* state)
{
    const int drawn = drawnOf(child);
    if (drawn == kSelf || drawn == kWindowChild)
        return standard()->get_accState(child, state);
    if (drawn == kNone)
        return E_INVALIDARG;
    state->vt = VT_I4;
    // A message box open over the window holds what it draws, as it holds the mouse.
    state->lVal =
        IsWindowEnabled(GetAncestor(drawn_->hwnd(), GA_ROOT)) ? 0 : STATE_SYSTEM_UNAVAILABLE;
    return S_OK;
}

HRESULT DrawnAccessible::get_accDefaultAction(VARIANT child, BSTR* action)
{
    *action = nullptr;
    const int drawn = drawnOf(child);
    if (drawn == kSelf || drawn == kWindowChild)
        return standard()->get_accDefaultAction(child, action);
    if (drawn == kNone)
        return E_INVALIDARG;
    const std::string named = drawn_->action(drawn);
    return named.empty() ? S_FALSE : text(named, action);
}

HRESULT DrawnAccessible::accDoDefaultAction(VARIANT child)
{
    const int drawn = drawnOf(child);
    if (drawn == kSelf || drawn == kWindowChild)
        return standard()->accDoDefaultAction(child);
    if (drawn == kNone)
        return E_INVALIDARG;
    if (drawn_->action(drawn).empty())
        return DISP_E_MEMBERNOTFOUND;
    if (IsWindowEnabled(GetAncestor(drawn_->hwnd(), GA_ROOT)))
        drawn_->act(drawn); // after this call: the action may open a modal box
    return S_OK;
}

HRESULT DrawnAccessible::accLocation(long* left, long* top, long* width, long* height,
                                     VARIANT child)
{
    const int drawn = drawnOf(child);
    if (drawn == kSelf || drawn == kWindowChild)
        return standard()->accLocation(left, top, width, height, child);
    if (drawn == kNone)
        return E_INVALIDARG;
    // The part the window's border leaves in view.
    RECT client, shown;
    GetClientRect(drawn_->hwnd(), &client);
    const RECT r = drawn_->place(drawn);
    IntersectRect(&shown, &r, &client);
    MapWindowPoints(drawn_->hwnd(), nullptr, reinterpret_cast<POINT*>(&shown), 2);
    *left = shown.left;
    *top = shown.top;
    *width = shown.right - shown.left;
    *height = shown.bottom - shown.top;
    return S_OK;
}

HRESULT DrawnAccessible::accNavigate(long direction, VARIANT start, VARIANT* end)
{
    VariantInit(end);
    const int drawn = drawnOf(start);
    if (drawn == kNone)
        return E_INVALIDARG;
    const long first = windowChildren() + 1;
    if (drawn == kSelf && direction == NAVDIR_LASTCHILD && drawn_->count() > 0) {
        childId(end, first + drawn_->count() - 1);
        return S_OK;
    }
    if (drawn < 0)
        return standard()->accNavigate(direction, start, end);
    const int columns = drawn_->columns();
    const int step = direction == NAVDIR_NEXT || direction == NAVDIR_RIGHT      ? 1
                     : direction == NAVDIR_PREVIOUS || direction == NAVDIR_LEFT ? -1
                     : direction == NAVDIR_DOWN                                 ? columns
                     : direction == NAVDIR_UP                                   ? -columns
                                                                                : 0;
    if (step == 0 || drawn + step < 0 || drawn + step >= drawn_->count())
        return S_FALSE;
    childId(end, first + drawn + step);
    return S_OK;
}

HRESULT DrawnAccessible::accHitTest(long x, long y, VARIANT* child)
{
    VariantInit(child);
    if (!drawn_)
        return CO_E_OBJNOTCONNECTED;
    POINT at{x, y};
    ScreenToClient(drawn_->hwnd(), &at);
    for (int i = 0; i < drawn_->count(); ++i)
        if (const RECT r = drawn_->place(i); PtInRect(&r, at)) {
            childId(child, windowChildren() + 1 + i);
            return S_OK;
        }
    return standard()->accHitTest(x, y, child);
}

HRESULT DrawnAccessible::get_accFocus(VARIANT* focus)
{
    return standard() ? standard()->get_accFocus(focus) : CO_E_OBJNOTCONNECTED;
}

HRESULT DrawnAccessible::get_accValue(VARIANT child, BSTR* value)
{
    *value = nullptr;
    return drawnOf(child) == kWindowChild ? standard()->get_accValue(child, value)
                                          : DISP_E_MEMBERNOTFOUND;
}

HRESULT DrawnAccessible::get_accHelp(VARIANT, BSTR* help)
{
    *help = nullptr;
    return DISP_E_MEMBERNOTFOUND;
}

HRESULT DrawnAccessible::get_accHelpTopic(BSTR* file, VARIANT, long* topic)
{
    *file = nullptr;
    *topic = 0;
    return DISP_E_MEMBERNOTFOUND;
}

HRESULT DrawnAccessible::get_accKeyboardShortcut(VARIANT child, BSTR* shortcut)
{
    *shortcut = nullptr;
    const int drawn = drawnOf(child);
    return drawn == kSelf || drawn == kWindowChild
               ? standard()->get_accKeyboardShortcut(child, shortcut)
               : DISP_E_MEMBERNOTFOUND;
}

HRESULT DrawnAccessible::get_accSelection(VARIANT* selection)
{
    VariantInit(selection);
    return DISP_E_MEMBERNOTFOUND;
}

HRESULT DrawnAccessible::accSelect(long flags, VARIANT child)
{
    return drawnOf(child) < 0 && standard() ? standard()->accSelect(flags, child)
                                            : DISP_E_MEMBERNOTFOUND;
}

HRESULT DrawnAccessible::put_accName(VARIANT, BSTR)
{
    return DISP_E_MEMBERNOTFOUND;
}

HRESULT DrawnAccessible::put_accValue(VARIANT, BSTR)
{
    return DISP_E_MEMBERNOTFOUND;
}

} // namespace torvelle::win32
