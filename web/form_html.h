// form_html.h: one window's design as HTML: each control as the element a page has for it, where
// the design places it, with its text, font and colours.
#pragma once

#include <map>
#include <string>
#include <string_view>

#include "form.h"

namespace torvelle {

class FormHtml {
public:
    // Element ids are the design's names, after `idPrefix` when two windows share a name.
    FormHtml(const design::Window& window, std::string idPrefix);

    std::string id(std::string_view name) const;
    // The elements of every control in `container` (empty: the client area), in design order.
    std::string controls(std::string_view container = {}) const;
    // An element of a control array: a label placed by the array's rule.
    std::string arrayLabel(const design::ControlArray& array, int index,
                           std::string_view text) const;
    // Each control's text colour, as designed on the light scheme and kept readable on the
    // dark one; a fixed ground, which gives way to the dark scheme's.
    std::string style() const;
    // The window's font, as a CSS font shorthand.
    std::string font() const;

    // Extra attributes of a control's element, by design name (a slider's range).
    std::map<std::string_view, std::string> attributes;
    // Texts set at load in place of the designed ones, by design name.
    std::map<std::string_view, std::string> texts;
    // What a container holds besides its designed controls (the grid box's cells).
    std::map<std::string_view, std::string> inside;

private:
    std::string element(const design::Control& control) const;

    const design::Window& window_;
    std::string idPrefix_;
};

// Text for an element's content or an attribute's value; "\r\n" line breaks become "\n".
std::string htmlText(std::string_view text);
// A font of the design as CSS, the window's face where the control names none.
std::string cssFont(const design::Font& font, std::string_view windowFace);
std::string cssColour(design::Rgb colour);

} // namespace torvelle
