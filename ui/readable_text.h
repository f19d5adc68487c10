// readable_text.h: the game's fixed text colours, kept readable on any colour scheme's ground.
#pragma once

#include <QColor>

class QLabel;

namespace torvelle {

// WCAG 2 contrast ratio of two colours, from their relative luminance: 1 to 21.
double contrastRatio(const QColor& a, const QColor& b);

// The colour the text was designed in, on the light grounds it was designed for. On a
// dark ground that would leave it below 4.5 : 1, the same hue and saturation at the
// nearest lightness that reaches 4.5 : 1.
QColor readableOn(const QColor& designed, const QColor& ground);

// Gives the label its designed colour, as readableOn its ground (its own background, or
// its parent's where it lets that show through), now and whenever the scheme changes.
void keepTextReadable(QLabel* label, const QColor& designed);

} // namespace torvelle
