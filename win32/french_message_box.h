// french_message_box.h: the game's modal message boxes, "OK", "Oui" and "Non" whatever the
// language of Windows.
#pragma once

#include <string_view>

#include <windows.h>

#include "core/game_view.h"

namespace torvelle::win32 {

// Blocks until answered; every other window of the game waits with the owner, as the
// game's boxes always held the whole game. No icon; the texts keep their CR LF.
MessageAnswer frenchMessageBox(HWND owner, std::string_view prompt, std::string_view title,
                               MessageButtons buttons);

} // namespace torvelle::win32
