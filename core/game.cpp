// game.cpp: the rules of one click, from the placing of the fleet to the replay.
#include "core/game.h"

#include <utility>

#include "core/fixed_random.h"
#include "core/score.h"
#include "core/texts.h"

namespace torvelle {

Game::Game(GameView& view) : Game(view, std::make_unique<FixedRandom>())
{}

Game::Game(GameView& view, std::unique_ptr<DrawSource> draws)
    : view_(view), board_(view_), opponent_(board_, view_, std::move(draws))
{}

void Game::Image1_Click(int cell)
{
    if (ended() || cell < 0 || cell >= Board::kCellCount)
        return;
    clickedCell_ = cell;
    if (restant_ > 0 && !enjeu_) {
        // A cell clicked twice stays one ship but counts as two placements.
        board_.setCell(cell, CellState::batjou, Picture::PlayerShip);
    } else if (restant_ == 0) {
        message(texts::kFleetPlaced);
        enjeu_ = true;
        opponent_.placeordi();
        message(texts::kGameBegins);
    }
    // Falls on every click, below zero once the shooting has begun.
    --restant_;
    if (enjeu_)
        verifcoup(cell);
}

void Game::Slider1_MouseUp()
{
    if (ended())
        return;
    opponent_.setBreath(view_.sliderValue());
}

void Game::verifcoup(int cell)
{
    if (board_.cellState(cell) == CellState::batordi) {
        board_.setCell(cell, CellState::ordicoul, Picture::PlayerHitComputerShip);
        setPlayerScore(scoreAfterPoint(playerScore_));
    } else {
        // Own ships, cells already shot and ships already sunk all become water.
        board_.setCell(cell, CellState::alo, Picture::PlayerShotInWater);
    }
    tirordi();
    view_.focusMainWindow();
}

void Game::tirordi()
{
    switch (opponent_.takeTurn()) {
    case TurnOutcome::Hit: setComputerScore(scoreAfterPoint(computerScore_)); break;
    case TurnOutcome::Miss: break;
    case TurnOutcome::GaveUp:
        message(texts::kForfeit);
        setPlayerScore(std::string(texts::kForfeitScore));
        verifin(); // returns the focus itself
        return;
    }
    verifin();
    view_.focusMainWindow();
}

void Game::verifin()
{
    // The player is tested first: a tenth hit on each side in one turn is the player's win.
    if (scoreValue(playerScore_) >= kWinningScore)
        announceWinner(texts::kPlayerWins);
    else if (scoreValue(computerScore_) >= kWinningScore)
        announceWinner(texts::kComputerWins);
    view_.focusMainWindow();
}

void Game::announceWinner(std::string_view text)
{
    bannerVisible_ = true;
    view_.showBanner();
    setBannerText(std::string(text));
}

void Game::setBannerText(std::string text)
{
    bannerText_ = std::move(text);
    view_.setBannerText(bannerText_);
    // Only a winner's text asks for another game; emptying the banner does not.
    if (!bannerText_.empty())
        Label7_Change();
}

void Game::Label7_Change()
{
    const MessageAnswer answer =
        view_.showMessage(std::string(texts::kReplayQuestion), std::string(texts::kReplayTitle),
                          MessageButtons::YesNo);
    if (answer == MessageAnswer::Yes)
        resetForNewGame();
    else
        view_.endProgram();
}

void Game::resetForNewGame()
{
    // The breath, the progress bar and the slider stay as they are.
    board_.reset();
    setPlayerScore({});
    setComputerScore({});
    setBannerText({});
    restant_ = kFleetSize;
    enjeu_ = false;
}

void Game::setPlayerScore(std::string text)
{
    playerScore_ = std::move(text);
    view_.setPlayerScoreText(playerScore_);
}

void Game::setComputerScore(std::string text)
{
    computerScore_ = std::move(text);
    view_.setComputerScoreText(computerScore_);
}

void Game::message(std::string_view prompt)
{
    view_.showMessage(std::string(prompt), std::string(texts::kApplicationTitle),
                      MessageButtons::Ok);
}

} // namespace torvelle
