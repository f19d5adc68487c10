// opponent.cpp: the computer draws cells uniformly and remembers nothing.
#include "core/opponent.h"

#include <utility>

namespace torvelle {

Opponent::Opponent(Board& board, GameView& view, std::unique_ptr<DrawSource> draws)
    : board_(board), view_(view), draws_(std::move(draws))
{}

int Opponent::drawCell()
{
    return static_cast<int>(Board::kCellCount * draws_->next());
}

void Opponent::placeordi()
{
    constexpr int kFleetSize = 10;
    for (int ship = 0; ship < kFleetSize; ++ship) {
        int cell = drawCell();
        while (board_.cellState(cell) != CellState::mer)
            cell = drawCell();
        board_.setState(cell, CellState::batordi);
    }
    view_.focusMainWindow();
}

void Opponent::showProgress(int essais)
{
    progressValue_ = essais;
    view_.setProgressValue(progressValue_);
}

TurnOutcome Opponent::takeTurn()
{
    for (int essais = 0;; ++essais) {
        showProgress(essais);
        if (outOfBreath(essais, souffle_))
            return TurnOutcome::GaveUp;
        const int cell = drawCell();
        switch (board_.cellState(cell)) {
        case CellState::batjou:
            board_.setCell(cell, CellState::joucoul, Picture::ComputerHitPlayerShip);
            return TurnOutcome::Hit;
        case CellState::mer:
            board_.setCell(cell, CellState::alo, Picture::ComputerShotInWater);
            return TurnOutcome::Miss;
        default: break; // a wasted draw: the cell is left alone
        }
    }
}

void Opponent::setBreath(int sliderValue)
{
    souffle_ = sliderValue;
    progressMaximum_ = souffle_ * kProgressPerBreath;
    view_.setProgressMaximum(progressMaximum_);
}

} // namespace torvelle
