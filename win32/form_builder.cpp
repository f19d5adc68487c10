// form_builder.cpp: each kind of control as the common control that plays its part.
#include "win32/form_builder.h"

#include <algorithm>
#include <string>

#include <commctrl.h>

#include "design/readable_colour.h"
#include "win32/classic_look.h"
#include "win32/screen_scale.h"
#include "win32/wide_text.h"

namespace torvelle::win32 {

namespace {

// Controls that are not labels are told apart by their place in the design.
constexpr int kFirstOtherId = 20;

COLORREF colourRef(design::Rgb rgb)
{
    return RGB(rgb.red, rgb.green, rgb.blue);
}

design::Rgb rgbOf(COLORREF colour)
{
    return {GetRValue(colour), GetGValue(colour), GetBValue(colour)};
}

int labelNumber(std::string_view name)
{
    constexpr std::string_view kLabel = "Label";
    if (!name.starts_with(kLabel))
        return 0;
    int number = 0;
    for (char c : name.substr(kLabel.size()))
        number = number * 10 + (c - '0');
    return number;
}

} // namespace

FormBuilder::FormBuilder(const design::Window& window, HWND hwnd, HINSTANCE instance)
    : window_(window), hwnd_(hwnd), instance_(instance)
{
    if (window.ground == design::Ground::Fixed)
        fixedGround_ = CreateSolidBrush(colourRef(window.fixedGround));
    for (const design::Control& control : window.controls) {
        if (control.kind == design::Kind::PictureBox)
            continue;
        design::Rect rect = control.rect;
        if (const Placed* container = placed(control.container)) {
            rect.left += container->rect.left;
            rect.top += container->rect.top;
        }
        placed_.push_back({make(control), &control, rect, control.font.value_or(window.font)});
    }
    for (const Placed& frame : placed_)
        if (frame.design->kind == design::Kind::GroupFrame)
            SetWindowPos(frame.hwnd, HWND_BOTTOM, 0, 0, 0, 0,
                         SWP_NOMOVE | SWP_NOSIZE | SWP_NOACTIVATE);
}

FormBuilder::~FormBuilder()
{
    for (const auto& [design, font] : fonts_)
        DeleteObject(font);
    if (fixedGround_)
        DeleteObject(fixedGround_);
}

HWND FormBuilder::make(const design::Control& control)
{
    const std::wstring text = wide(control.text);
    const DWORD visible = control.visible ? WS_VISIBLE : 0;
    const auto create = [&](const wchar_t* windowClass, const std::wstring& title, DWORD style,
                            int id) {
        return CreateWindowExW(0, windowClass, title.c_str(), WS_CHILD | visible | style, 0, 0, 0,
                               0, hwnd_, reinterpret_cast<HMENU>(static_cast<INT_PTR>(id)),
                               instance_, nullptr);
    };
    const int otherId = kFirstOtherId + static_cast<int>(&control - window_.controls.data());
    switch (control.kind) {
    case design::Kind::Label:
        return create(L"STATIC", text,
                      SS_NOPREFIX | (control.align == design::Align::Centre ? SS_CENTER : SS_LEFT),
                      labelNumber(control.name));
    case design::Kind::GroupFrame: {
        // Painted under the controls within it, never over them.
        const HWND frame = create(L"BUTTON", text, BS_GROUPBOX | WS_CLIPSIBLINGS, 0);
        paintAsClassicFrame(frame);
        return frame;
    }
    case design::Kind::Slider:
        return create(TRACKBAR_CLASSW, wide(control.accessibleName),
                      WS_TABSTOP | TBS_HORZ | TBS_BOTTOM | TBS_AUTOTICKS, otherId);
    case design::Kind::ProgressBar: {
        const HWND bar = create(PROGRESS_CLASSW, L"", 0, 0);
        paintAsClassicProgressBar(bar);
        return bar;
    }
    case design::Kind::PushButton:
        return create(L"BUTTON", text, WS_TABSTOP | BS_PUSHBUTTON, otherId);
    case design::Kind::PictureBox:
    case design::Kind::Image: break;
    }
    return nullptr;
}

const FormBuilder::Placed* FormBuilder::placed(HWND control) const
{
    for (const Placed& p : placed_)
        if (p.hwnd == control)
            return &p;
    return nullptr;
}

const FormBuilder::Placed* FormBuilder::placed(std::string_view name) const
{
    for (const Placed& p : placed_)
        if (p.design && p.design->name == name)
            return &p;
    return nullptr;
}

HWND FormBuilder::get(std::string_view name) const
{
    const Placed* p = placed(name);
    return p ? p->hwnd : nullptr;
}

int FormBuilder::idOf(std::string_view name) const
{
    return GetDlgCtrlID(get(name));
}

design::Rect FormBuilder::placeOf(std::string_view name) const
{
    const Placed* p = placed(name);
    return p ? p->rect : window_.control(name).rect;
}

HFONT FormBuilder::font(const design::Font& wanted)
{
    for (const auto& [design, made] : fonts_)
        if (design == wanted)
            return made;
    const HFONT made =
        layoutFont(wanted.points, wanted.bold, dpi_,
                   wide(wanted.face.empty() ? window_.font.face : wanted.face).c_str());
    fonts_.emplace_back(wanted, made);
    return made;
}

HFONT FormBuilder::fontOf(HWND control) const
{
    return reinterpret_cast<HFONT>(SendMessageW(control, WM_GETFONT, 0, 0));
}

RECT FormBuilder::onScreen(const design::Rect& rect) const
{
    return {scaled(rect.left, dpi_), scaled(rect.top, dpi_), scaled(rect.right(), dpi_),
            scaled(rect.bottom(), dpi_)};
}

void FormBuilder::applyScale(UINT dpi)
{
    dpi_ = dpi;
    for (const auto& [design, made] : fonts_)
        DeleteObject(made);
    fonts_.clear();
    for (const Placed& p : placed_) {
        const RECT at = onScreen(p.rect);
        MoveWindow(p.hwnd, at.left, at.top, at.right - at.left, at.bottom - at.top, TRUE);
        SendMessageW(p.hwnd, WM_SETFONT, reinterpret_cast<WPARAM>(font(p.font)), TRUE);
        if (p.rect.width == 0)
            fitToText(p.hwnd);
    }
}

void FormBuilder::fitToText(HWND label) const
{
    std::wstring text(static_cast<size_t>(GetWindowTextLengthW(label)) + 1, L'\0');
    GetWindowTextW(label, text.data(), static_cast<int>(text.size()));
    const HDC dc = GetDC(label);
    const HGDIOBJ before = SelectObject(dc, fontOf(label));
    RECT needed{};
    DrawTextW(dc, text.c_str(), -1, &needed, DT_CALCRECT | DT_NOPREFIX);
    SelectObject(dc, before);
    ReleaseDC(label, dc);
    SetWindowPos(label, nullptr, 0, 0, needed.right, needed.bottom,
                 SWP_NOMOVE | SWP_NOZORDER | SWP_NOACTIVATE);
}

void FormBuilder::growDownToFit(HWND label) const
{
    const Placed* p = placed(label);
    wchar_t text[256] = {};
    GetWindowTextW(label, text, 256);
    const HDC dc = GetDC(label);
    const HGDIOBJ before = SelectObject(dc, fontOf(label));
    RECT needed{0, 0, scaled(p->rect.width, dpi_), 0};
    DrawTextW(dc, text, -1, &needed, DT_CALCRECT | DT_WORDBREAK | DT_NOPREFIX);
    SelectObject(dc, before);
    ReleaseDC(label, dc);
    const Placed* container = placed(p->design->container);
    const int bottom =
        container ? container->rect.bottom() - design::kSunkenBorder : window_.clientHeight;
    const int least = scaled(p->rect.height, dpi_);
    const int room = std::max(least, scaled(bottom - p->rect.top, dpi_));
    SetWindowPos(label, nullptr, 0, 0, scaled(p->rect.width, dpi_),
                 std::clamp(static_cast<int>(needed.bottom), least, room),
                 SWP_NOMOVE | SWP_NOZORDER | SWP_NOACTIVATE);
}

COLORREF FormBuilder::groundColour() const
{
    return fixedGround_ ? colourRef(window_.fixedGround) : GetSysColor(COLOR_SCROLLBAR);
}

HBRUSH FormBuilder::ground() const
{
    return fixedGround_ ? fixedGround_ : GetSysColorBrush(COLOR_SCROLLBAR);
}

void FormBuilder::schemeChanged() const
{
    for (const Placed& p : placed_)
        SendMessageW(p.hwnd, WM_SYSCOLORCHANGE, 0, 0);
    RedrawWindow(hwnd_, nullptr, nullptr, RDW_INVALIDATE | RDW_ERASE | RDW_ALLCHILDREN);
}

LRESULT FormBuilder::colour(HWND control, HDC dc) const
{
    const Placed* p = placed(control);
    const design::Control* design = p ? p->design : nullptr;
    if (design && design->kind == design::Kind::PushButton)
        return reinterpret_cast<LRESULT>(ground()); // around its face
    const bool transparent = design && design->transparent;
    // The fixed colours on the ground actually painted under them, kept readable.
    const COLORREF ground = transparent ? groundColour() : GetSysColor(COLOR_BTNFACE);
    SetTextColor(dc, design && design->colour
                         ? colourRef(design::readableOn(*design->colour, rgbOf(ground)))
                         : GetSysColor(transparent ? COLOR_WINDOWTEXT : COLOR_BTNTEXT));
    if (transparent) {
        SetBkMode(dc, TRANSPARENT);
        return reinterpret_cast<LRESULT>(this->ground());
    }
    SetBkColor(dc, ground);
    return reinterpret_cast<LRESULT>(GetSysColorBrush(COLOR_BTNFACE));
}

} // namespace torvelle::win32
