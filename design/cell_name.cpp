// cell_name.cpp: a cell's place and picture in the board's own words.
#include "design/cell_name.h"

#include <iterator>

#include "core/board.h"
#include "design/ui_texts.h"

namespace torvelle::design {

std::string cellSeen(int picture)
{
    if (picture < 1 || picture > static_cast<int>(std::size(ui_texts::kCellSeen)))
        return {};
    return std::string(ui_texts::kCellSeen[picture - 1]);
}

std::string cellName(int cell, int picture)
{
    return Board::rowLetter(cell) + Board::columnNumber(cell) + ", " + cellSeen(picture);
}

} // namespace torvelle::design
