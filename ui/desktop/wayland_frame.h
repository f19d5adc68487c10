// wayland_frame.h: the game's own close-box-only frame, where the compositor leaves frames to
// clients.
#pragma once

class QWidget;

namespace torvelle {

// On Wayland Qt would draw a title bar with minimise and maximise boxes; there the
// game draws the frame itself: icon, caption and close box, the title bar moving
// the window. Call before the window is first shown. Does nothing elsewhere.
void drawOwnFrameOnWayland(QWidget* window);

} // namespace torvelle
