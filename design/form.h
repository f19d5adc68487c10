// form.h: how a window's design is written down, as the form designers did: each control with
// its kind, container, place, text and look, as plain data that every front end builds from.
#pragma once

#include <optional>
#include <span>
#include <string_view>

namespace torvelle::design {

// In pixels of a 96 dots-per-inch screen, from the top-left corner of the control's container.
struct Rect {
    int left = 0;
    int top = 0;
    int width = 0; // 0 by 0: the control fits its text, growing right and down
    int height = 0;

    constexpr bool operator==(const Rect&) const = default;
    constexpr int right() const { return left + width; }
    constexpr int bottom() const { return top + height; }
};

struct Rgb {
    int red = 0;
    int green = 0;
    int blue = 0;

    constexpr bool operator==(const Rgb&) const = default;
};

struct Font {
    std::string_view face; // empty: the window's face
    double points = 0;
    bool bold = false;

    constexpr bool operator==(const Font&) const = default;
};

enum class Kind { PictureBox, Image, Label, GroupFrame, Slider, ProgressBar, PushButton };

// A picture box's sunken border, inside its rectangle: what it holds starts within it, so
// the border covers the last pixels of what reaches its far edges.
inline constexpr int kSunkenBorder = 2;
enum class Align { Left, Centre };

struct Control {
    std::string_view name;
    Kind kind = Kind::Label;
    std::string_view container; // empty: the window's client area
    Rect rect;
    std::string_view text;
    std::optional<Font> font;  // none: the window's
    std::optional<Rgb> colour; // none: the desktop's text colour
    Align align = Align::Left;
    // Lets its container's ground show through; otherwise it is filled with the controls'
    // colour of the desktop.
    bool transparent = false;
    bool visible = true;
    int tabIndex = -1; // -1: never takes the keyboard focus
    // What assistive technology calls it (empty: its own text) and says it is.
    std::string_view accessibleName;
    std::string_view description;
};

// The elements of a control array, placed by one rule: `columns` to a row, `step` apart.
struct ControlArray {
    std::string_view name;
    Kind kind = Kind::Label;
    std::string_view container;
    Rect first;
    int count = 0;
    int columns = 1;
    int stepRight = 0;
    int stepDown = 0;
    std::optional<Font> font;

    constexpr Rect rectOf(int i) const
    {
        return {first.left + stepRight * (i % columns), first.top + stepDown * (i / columns),
                first.width, first.height};
    }
};

// An entry of a window's menu bar: a command, or a drop-down (`opens`) holding the entries
// that name it as their `menu`.
struct MenuItem {
    std::string_view name;
    std::string_view text;
    std::string_view menu; // empty: the bar itself
    bool opens = false;
};

// A window's own ground: a colour of the desktop's scheme, or a fixed one.
enum class Ground { ScrollBars, Fixed };

struct Window {
    std::string_view name;
    std::string_view caption;
    int clientWidth = 0;
    int clientHeight = 0;
    Ground ground = Ground::ScrollBars;
    Rgb fixedGround;
    Font font;
    std::span<const Control> controls;

    constexpr const Control& control(std::string_view controlName) const
    {
        for (const Control& c : controls)
            if (c.name == controlName)
                return c;
        throw "no such control"; // a compile-time error where it is evaluated as a constant
    }
};

// A control's name, checked against its window's design as the code compiles.
consteval std::string_view named(const Window& window, std::string_view name)
{
    return window.control(name).name;
}

// A menu entry's name, checked likewise.
consteval std::string_view named(std::span<const MenuItem> menu, std::string_view name)
{
    for (const MenuItem& item : menu)
        if (item.name == name)
            return item.name;
    throw "no such menu entry";
}

} // namespace torvelle::design
