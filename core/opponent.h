// opponent.h: the computer's side: hiding its fleet, firing at random, and its breath.
#pragma once

#include <memory>

#include "core/board.h"
#include "core/draw_source.h"
#include "core/game_view.h"

namespace torvelle {

enum class TurnOutcome { Hit, Miss, GaveUp };

class Opponent {
public:
    // The progress bar's maximum before the slider is first released.
    static constexpr double kDesignedProgressMaximum = 100.0;
    static constexpr double kProgressPerBreath = 1.4;

    Opponent(Board& board, GameView& view, std::unique_ptr<DrawSource> draws);

    // Hides ten ships on open sea; their cells keep the sea picture.
    void placeordi();
    // One shot at a drawn cell, or the give-up once too many draws were wasted.
    // Scores and the end-of-game check are the referee's business.
    TurnOutcome takeTurn();
    // The breath becomes the slider's value at a mouse release over the slider.
    void setBreath(int sliderValue);

    int souffle() const { return souffle_; }
    double progressMaximum() const { return progressMaximum_; }
    double progressValue() const { return progressValue_; }

    // Whether a turn that has wasted this many draws gives up: strictly more
    // than 1.3 times the breath, kept in whole numbers to stay exact.
    static bool outOfBreath(int essais, int souffle) { return 10 * essais > 13 * souffle; }

private:
    int drawCell();
    void showProgress(int essais);

    Board& board_;
    GameView& view_;
    std::unique_ptr<DrawSource> draws_;
    int souffle_ = 0;
    double progressMaximum_ = kDesignedProgressMaximum;
    double progressValue_ = 0.0;
};

} // namespace torvelle
