// message_box.h: the game's modal message boxes, in French whatever the desktop's language.
#pragma once

#include <string_view>

#include <QString>

#include "core/game_view.h"

class QWidget;

namespace torvelle {

// Blocks until answered. Texts keep their CR LF in the game; a box shows them as line breaks.
// `said` is what a screen reader has still to tell of the game, read with the box.
MessageAnswer showMessageBox(QWidget* parent, std::string_view prompt, std::string_view title,
                             MessageButtons buttons, std::string_view said = {});

// A game text as a widget shows it: CR LF becomes a plain line break.
QString displayText(std::string_view text);

} // namespace torvelle
