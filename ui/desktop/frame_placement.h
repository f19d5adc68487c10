// frame_placement.h: windows centred by their whole frame, title bar included.
#pragma once

class QWidget;

namespace torvelle {

// Centres the window's frame on the screen, now and again once the window manager has
// framed it (the frame's size is known only then). Wayland lets the compositor place.
void centreOnScreen(QWidget* window);

// Centres the window's frame on the frame of `over` when that is shown, else on the
// screen, likewise. Call again after the window changed size.
void centreOver(QWidget* window, const QWidget* over);

} // namespace torvelle
