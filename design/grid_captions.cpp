// grid_captions.cpp: the captions, in the board's own letters and numbers.
#include "design/grid_captions.h"

#include "core/board.h"
#include "design/form1_design.h"

namespace torvelle::design {

std::vector<GridCaption> gridCaptions()
{
    std::vector<GridCaption> captions;
    captions.reserve(Board::kRows + Board::kColumns);
    for (int r = 0; r < Board::kRows; ++r)
        captions.push_back({&form1::kLabel1, r, Board::rowLetter(r * Board::kColumns)});
    for (int c = 0; c < Board::kColumns; ++c)
        captions.push_back({&form1::kLabel2, c, Board::columnNumber(c)});
    return captions;
}

} // namespace torvelle::design
