// board.cpp: cell changes and cell names.
#include "core/board.h"

#include <algorithm>

namespace torvelle {

void Board::setCell(int cell, CellState state, Picture picture)
{
    Cell& target = cells_.at(cell);
    target.state = state;
    target.picture = picture;
    view_.showCellPicture(cell, static_cast<int>(picture));
}

void Board::setState(int cell, CellState state)
{
    cells_.at(cell).state = state;
}

void Board::reset()
{
    for (int cell = 0; cell < kCellCount; ++cell)
        setCell(cell, CellState::mer, Picture::Sea);
}

int Board::count(CellState state) const
{
    return static_cast<int>(std::count_if(cells_.begin(), cells_.end(),
                                          [state](const Cell& c) { return c.state == state; }));
}

std::string Board::rowLetter(int cell)
{
    return std::string(1, static_cast<char>('A' + cell / kColumns));
}

std::string Board::columnNumber(int cell)
{
    return std::to_string(cell % kColumns + 1);
}

} // namespace torvelle
