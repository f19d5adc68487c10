// form_html.h: one window's design as HTML: each control as the element a page has for it, where
// the design places it, with its text, font and colours.
#pragma once

#include <map>
#include <string>
#include <string_view>
#include <vector>

#include "design/arrangement.h"
#include "design/form.h"

namespace torvelle {

// A window's raised frame around its title bar, menu bar and client area, in the page's pixels.
inline constexpr int kFrameBorder = 2;

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
    // Each control's place and font, and its text colour, as designed on the light scheme and
    // kept readable on the dark one; a fixed ground, which gives way to the dark scheme's.
    std::string style() const;
    // The places and sizes of `arrangement`, over those of the design.
    std::string arrangementStyle(const design::Arrangement& arrangement) const;
    // The window's font, as a CSS font shorthand, at its designed size or at `points`.
    std::string font(double points = 0) const;

    // Extra attributes of a control's element, by design name (a slider's range).
    std::map<std::string_view, std::string> attributes;
    // Texts set at load in place of the designed ones, by design name.
    std::map<std::string_view, std::string> texts;
    // What a container holds besides its designed controls (the grid box's cells).
    std::map<std::string_view, std::string> inside;
    // The control arrays whose elements are labels of this window (arrayLabel).
    std::vector<const design::ControlArray*> arrays;

private:
    std::string element(const design::Control& control) const;
    // Where `name`, a control or a control array's every element, goes when placed at `rect`.
    std::string placeStyle(std::string_view name, const design::Rect& rect) const;

    const design::Window& window_;
    std::string idPrefix_;
};

// Text for an element's content or an attribute's value; "\r\n" line breaks become "\n".
std::string htmlText(std::string_view text);
// A font of the design as CSS, the window's face where the control names none.
std::string cssFont(const design::Font& font, std::string_view windowFace);
std::string cssColour(design::Rgb colour);

} // namespace torvelle
