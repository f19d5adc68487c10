// turn_narrator.cpp: sentences filled in from the fixed wordings, in the order things happened.
#include "design/turn_narrator.h"

#include "core/board.h"
#include "core/cell.h"
#include "core/score.h"
#include "design/ui_texts.h"

namespace torvelle {

namespace {

// The wording with each "{name}" replaced by its value.
std::string filled(std::string_view wording, std::string_view name, std::string_view value)
{
    std::string text(wording);
    // Built piecewise: g++ 12 warns falsely of overlapping copies in "{" + std::string(name).
    std::string key(1, '{');
    key.append(name).push_back('}');
    for (auto at = text.find(key); at != std::string::npos; at = text.find(key, at + value.size()))
        text.replace(at, key.size(), value);
    return text;
}

std::string cellName(int cell)
{
    return Board::rowLetter(cell) + Board::columnNumber(cell);
}

} // namespace

void TurnNarrator::say(std::string_view sentence)
{
    if (!said_.empty())
        said_ += ' ';
    said_ += sentence;
}

void TurnNarrator::pictureShown(int cell, int picture)
{
    const std::string name = cellName(cell);
    switch (static_cast<Picture>(picture)) {
    case Picture::PlayerShip:
        say(filled(ui_texts::kSaidPlaced, "cell", name));
        placed_ = true;
        break;
    case Picture::PlayerHitComputerShip: say(filled(ui_texts::kSaidPlayerHit, "cell", name)); break;
    case Picture::PlayerShotInWater: say(filled(ui_texts::kSaidPlayerMiss, "cell", name)); break;
    case Picture::ComputerHitPlayerShip:
        say(filled(ui_texts::kSaidComputerHit, "cell", name));
        scoresDue_ = true;
        break;
    case Picture::ComputerShotInWater:
        say(filled(ui_texts::kSaidComputerMiss, "cell", name));
        scoresDue_ = true;
        break;
    case Picture::Sea: break; // the board cleared for a new game, told by the banner
    }
}

void TurnNarrator::bannerShown(std::string_view text)
{
    if (text.empty()) {
        say(ui_texts::kSaidNewGame);
        return;
    }
    // Its two lines read as one sentence, after the scores.
    scoresDue_ = true;
    winner_.clear();
    for (char c : text)
        if (c != '\r')
            winner_ += c == '\n' ? ' ' : c;
}

std::string TurnNarrator::take(int restant, std::string_view playerScore,
                               std::string_view computerScore)
{
    if (placed_) {
        const std::string ships =
            restant == 1 ? std::string(ui_texts::kSaidOneShip)
                         : filled(ui_texts::kSaidShips, "count", std::to_string(restant));
        say(restant > 0 ? filled(ui_texts::kSaidStillToPlace, "count", ships)
                        : std::string(ui_texts::kSaidAllPlaced));
    }
    if (scoresDue_) {
        say(filled(filled(ui_texts::kSaidScores, "player", std::to_string(scoreValue(playerScore))),
                   "computer", std::to_string(scoreValue(computerScore))));
    }
    if (!winner_.empty())
        say(winner_);
    std::string text = std::move(said_);
    said_.clear();
    winner_.clear();
    placed_ = scoresDue_ = false;
    return text;
}

} // namespace torvelle
