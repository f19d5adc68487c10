// bring_to_front.h: a window of the game brought back before the player's eyes.
#pragma once

class QWidget;

namespace torvelle {

// Shows the window in front with the keyboard, also from the iconic state or from under
// other windows. On X11 the window manager is asked to; Wayland gives a client no way to
// undo a minimise, and compositors honour an activation only with a token from recent
// input, so there the window is mapped afresh, which every compositor shows in front.
void bringToFront(QWidget* window);

} // namespace torvelle
