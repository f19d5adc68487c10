// window_look.h: what the game's two windows share in look and frame.
#pragma once

#include <QColor>
#include <QFont>
#include <QIcon>
#include <QPalette>

class QLabel;
class QWidget;

namespace torvelle {

// The About dialog's fixed light grey, and the classic default text colour on it.
inline const QColor kAboutBackground{192, 192, 192};
inline const QColor kClassicText{0, 0, 0};

enum class WindowIcon { France, Binoculars };

// The sans font the fixed layout was drawn for: Arial's metrics at 8 points.
QFont layoutFont();
// The winner banner's bold 12-point serif.
QFont bannerFont();
// A bold Arial-metric font of the given size.
QFont titleFont(qreal points);

QPalette textPalette(QPalette palette, const QColor& colour);
// The label as high as its lines need, never below `least` nor past `bottom` of its parent.
void growDownToFit(QLabel* label, int least, int bottom);
QIcon gameIcon(WindowIcon which);

// A fixed-size frame with a close box only and no taskbar button of its own, laid out
// left to right whatever the language.
void applyFixedDialogFrame(QWidget* window);

} // namespace torvelle
