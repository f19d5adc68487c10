// turn_narrator.h: what a screen reader is told of each click: the cells that changed and how,
// the scores and the winner, in the board's own words.
#pragma once

#include <string>
#include <string_view>

namespace torvelle {

// Fed with what the window shows, as it shows it. It goes by the pictures, never by the
// cells' states, so it cannot say a word of a hidden ship.
class TurnNarrator {
public:
    void pictureShown(int cell, int picture);
    // A winner's text, or the empty banner of a new game.
    void bannerShown(std::string_view text);

    // What happened since the last call, as one utterance, and forgets it: empty when
    // nothing was shown. `restant` is how many ships are still to place; the scores are
    // the texts of their displays.
    std::string take(int restant, std::string_view playerScore, std::string_view computerScore);

private:
    void say(std::string_view sentence);

    std::string said_;
    std::string winner_;
    bool placed_ = false;
    bool scoresDue_ = false;
};

} // namespace torvelle
