// board.h: the one board of 100 cells that both fleets share.
#pragma once

#include <array>
#include <string>

#include "core/cell.h"
#include "core/game_view.h"

namespace torvelle {

class Board {
public:
    static constexpr int kRows = 10;
    static constexpr int kColumns = 10;
    static constexpr int kCellCount = kRows * kColumns;

    // Every picture set on a cell is shown on the view at once.
    explicit Board(GameView& view) : view_(view) {}

    CellState cellState(int cell) const { return cells_.at(cell).state; }
    Picture picture(int cell) const { return cells_.at(cell).picture; }

    void setCell(int cell, CellState state, Picture picture);
    // Hiding a computer ship changes the state alone: the cell keeps its sea picture.
    void setState(int cell, CellState state);
    // Every cell back to open sea, shown as such.
    void reset();

    int count(CellState state) const;

    static std::string rowLetter(int cell);
    static std::string columnNumber(int cell);

private:
    GameView& view_;
    std::array<Cell, kCellCount> cells_{};
};

} // namespace torvelle
