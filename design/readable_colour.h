// readable_colour.h: the game's fixed text colours kept readable on whatever ground a colour
// scheme paints under them.
#pragma once

#include "design/form.h"

namespace torvelle::design {

// WCAG 2 contrast ratio of two colours, from their relative luminance: 1 to 21.
double contrastRatio(Rgb a, Rgb b);

// The colour the text was designed in, on the light grounds it was designed for. On a dark
// ground that would leave it below 4.5 : 1, the same hue and saturation at the nearest
// lightness that reaches 4.5 : 1.
Rgb readableOn(Rgb designed, Rgb ground);

} // namespace torvelle::design
