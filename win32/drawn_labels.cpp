// drawn_labels.cpp: the labels painted as a STATIC control paints its text, on the controls'
// colour, in the design's font.
#include "win32/drawn_labels.h"

#include <oleacc.h>

#include "win32/com_apartment.h"
#include "win32/drawn_accessible.h"
#include "win32/form_builder.h"
#include "win32/wide_text.h"

namespace torvelle::win32 {

DrawnLabels::DrawnLabels(HWND window, FormBuilder& form)
    : window_(window), form_(form), accessible_(new DrawnAccessible(*this, {}, 0))
{}

DrawnLabels::~DrawnLabels()
{
    accessible_->release(); // a screen reader may still hold it
}

void DrawnLabels::add(const design::ControlArray& array, int i)
{
    labels_.push_back({array.rectOf(i), array.font.value_or(design::Font{}), {}});
}

void DrawnLabels::setText(int label, const std::string& text)
{
    labels_.at(static_cast<size_t>(label)).text = text;
    const RECT r = place(label);
    InvalidateRect(window_, &r, TRUE);
}

long DrawnLabels::role(int /*label*/) const
{
    return ROLE_SYSTEM_STATICTEXT;
}

RECT DrawnLabels::place(int label) const
{
    return form_.onScreen(labels_.at(static_cast<size_t>(label)).rect);
}

void DrawnLabels::paint() const
{
    PAINTSTRUCT painting;
    const HDC dc = BeginPaint(window_, &painting);
    SetBkMode(dc, TRANSPARENT);
    SetTextColor(dc, GetSysColor(COLOR_WINDOWTEXT));
    for (int i = 0; i < count(); ++i) {
        const Label& label = labels_.at(static_cast<size_t>(i));
        if (label.text.empty())
            continue; // not captioned yet
        RECT r = place(i);
        FillRect(dc, &r, GetSysColorBrush(COLOR_BTNFACE));
        const HGDIOBJ before = SelectObject(dc, form_.font(label.font));
        DrawTextW(dc, wide(label.text).c_str(), -1, &r,
                  DT_LEFT | DT_EXPANDTABS | DT_WORDBREAK | DT_NOPREFIX);
        SelectObject(dc, before);
    }
    EndPaint(window_, &painting);
}

LRESULT DrawnLabels::accessibleResult(WPARAM flags, LPARAM object)
{
    if (static_cast<LONG>(object) != OBJID_CLIENT)
        return 0; // the window's own answer
    joinComApartment();
    return accessible_->result(flags);
}

} // namespace torvelle::win32
