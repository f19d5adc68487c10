// colour_scheme.h: the desktop's colours, light and dark, for a front end that has no desktop to
// ask them of (a page in the browser): the ground of windows and controls, their text, and the
// title bars.
#pragma once

#include "design/form.h"

namespace torvelle::design {

struct ColourScheme {
    Rgb ground; // a window's own ground, its buttons, menus and boxes: one grey, as classically
    Rgb text;
    Rgb caption; // a window's title bar
    Rgb captionText;
    Rgb edgeLight; // the lit and the shaded edges of raised and sunken frames
    Rgb edgeShadow;
};

// The classic light scheme the windows were drawn on, and a dark one, where the designed text
// colours are kept readable (readable_colour.h).
inline constexpr ColourScheme kLightScheme{{212, 208, 200}, {0, 0, 0},       {0, 0, 128},
                                           {255, 255, 255}, {255, 255, 255}, {128, 128, 128}};
inline constexpr ColourScheme kDarkScheme{{44, 44, 44},    {235, 235, 235}, {24, 36, 88},
                                          {255, 255, 255}, {120, 120, 120}, {8, 8, 8}};

} // namespace torvelle::design
