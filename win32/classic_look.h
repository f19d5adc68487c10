// classic_look.h: a group frame and a progress bar painted as the classic common controls
// painted them, in the colours of whatever scheme Windows has: a theme letters a frame's caption
// and fills a progress bar in colours of its own, unreadable on a dark high-contrast ground.
#pragma once

#include <windows.h>

namespace torvelle::win32 {

// Its inside the controls' colour, its etched frame, and its caption in the colours its
// parent gives for WM_CTLCOLORSTATIC.
void paintAsClassicFrame(HWND frame);
// The scheme's highlight on its button face.
void paintAsClassicProgressBar(HWND bar);

} // namespace torvelle::win32
