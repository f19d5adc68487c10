// game.h: the referee: placing, shooting, scores, the winner and the replay.
#pragma once

#include <memory>
#include <string>
#include <string_view>

#include "core/board.h"
#include "core/draw_source.h"
#include "core/game_view.h"
#include "core/live_view.h"
#include "core/opponent.h"

namespace torvelle {

// Owned by the main window for the whole run. Event handlers keep the names
// the game has always given them; everything shown goes through the view.
class Game {
public:
    static constexpr int kFleetSize = 10;
    static constexpr int kWinningScore = 10;

    // Plays with the game's own fixed-seed generator.
    explicit Game(GameView& view);
    // Plays with the given draws (tests script the computer's cells this way).
    Game(GameView& view, std::unique_ptr<DrawSource> draws);

    // A click on cell 0..99: the only way into the game.
    void Image1_Click(int cell);
    // A mouse button released over the difficulty slider.
    void Slider1_MouseUp();

    const Board& board() const { return board_; }
    const Opponent& opponent() const { return opponent_; }
    int restant() const { return restant_; }
    bool enjeu() const { return enjeu_; }
    int souffle() const { return opponent_.souffle(); }
    int clickedCell() const { return clickedCell_; }
    const std::string& playerScoreText() const { return playerScore_; }
    const std::string& computerScoreText() const { return computerScore_; }
    const std::string& bannerText() const { return bannerText_; }
    bool bannerVisible() const { return bannerVisible_; }
    // True once the player declined another game: nothing more happens.
    bool ended() const { return view_.ended(); }

private:
    void verifcoup(int cell);
    void tirordi();
    void verifin();
    void announceWinner(std::string_view text);
    void Label7_Change();
    void resetForNewGame();
    void setPlayerScore(std::string text);
    void setComputerScore(std::string text);
    void setBannerText(std::string text);
    void message(std::string_view prompt);

    LiveView view_;
    Board board_;
    Opponent opponent_;
    int restant_ = kFleetSize;
    bool enjeu_ = false;
    int clickedCell_ = 0;
    std::string playerScore_;
    std::string computerScore_;
    std::string bannerText_;
    bool bannerVisible_ = false;
};

} // namespace torvelle
