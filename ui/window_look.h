// window_look.h: what the game's two windows share in look and frame.
#pragma once

#include <QColor>
#include <QFont>
#include <QIcon>
#include <QPalette>

class QLabel;
class QWidget;

namespace torvelle {

enum class WindowIcon { France, Binoculars };

QPalette textPalette(QPalette palette, const QColor& colour);
// The label as high as its lines need, never below `least` nor past `bottom` of its parent.
void growDownToFit(QLabel* label, int least, int bottom);
QIcon gameIcon(WindowIcon which);

// A fixed-size frame with a close box only and no taskbar button of its own, laid out
// left to right whatever the language.
void applyFixedDialogFrame(QWidget* window);

} // namespace torvelle
