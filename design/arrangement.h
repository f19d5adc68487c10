// arrangement.h: a window laid out anew for a screen it was not drawn for (a phone held upright or
// on its side): the same controls, with their names, kinds, texts, faces and colours, in other
// places and at other sizes.
#pragma once

#include <algorithm>
#include <span>
#include <string_view>

#include "design/form.h"

namespace torvelle::design {

// The least an eye and a finger can use on a touch screen, in CSS pixels as a player gets them.
inline constexpr double kLegibleTextPx = 14;
inline constexpr double kBoxTextPx = 16;
inline constexpr int kTouchTargetPx = 44;

// A control's place in an arrangement; for a control array, the place of its first element,
// the others following by the array's own steps.
struct Placement {
    std::string_view name;
    Rect rect;
};

enum class Orientation { Portrait, Landscape };

struct Arrangement {
    std::string_view name;
    Orientation orientation = Orientation::Portrait;
    int captionHeight = 0;
    // Both under the title bar, from the window's inner corner; the menu bar is drawn over the
    // client area where they meet. An empty menu bar: the window has none.
    Rect menuBar;
    Rect client;
    double points = 0; // the window's text; a control with a font of its own keeps it
    std::span<const Placement> places;

    constexpr int innerWidth() const { return std::max(menuBar.right(), client.right()); }
    constexpr int innerHeight() const
    {
        return captionHeight + std::max(menuBar.bottom(), client.bottom());
    }
};

} // namespace torvelle::design
