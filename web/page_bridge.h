// page_bridge.h: what the game does to its page, carried out by the page's own script.
#pragma once

#include <string>

namespace torvelle::page {

void showPicture(int cell, int picture, const std::string& name);
void setText(const std::string& id, const std::string& text);
void showControl(const std::string& id);
// The bar counts in tenths, as on the desktop.
void setProgress(int maximum, int value);
int sliderValue();
// Opens a modal box and waits for its answer: the index of the button pressed. `said` is what
// a screen reader is still to be told of the turn; `buttons` are tab-separated.
int ask(const std::string& title, const std::string& prompt, const std::string& said,
        const std::string& buttons);
void focusWindow();
// Opens About, or brings it forward as it is.
void showAbout();
void announce(const std::string& text);
// The board no longer reacts; the page offers a new game.
void endGame();

} // namespace torvelle::page
