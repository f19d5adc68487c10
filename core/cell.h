// cell.h: the six states a cell of the board can be in and the six pictures it can show.
#pragma once

#include <string_view>

namespace torvelle {

// Named after the tags the game has always used for them.
enum class CellState { mer, batjou, batordi, alo, joucoul, ordicoul };

// Picture numbers are 1-based, as in the image list of the main window.
enum class Picture : int {
    PlayerShip = 1,
    Sea = 2,
    PlayerHitComputerShip = 3,
    ComputerShotInWater = 4,
    PlayerShotInWater = 5,
    ComputerHitPlayerShip = 6,
};

constexpr std::string_view tagText(CellState state)
{
    switch (state) {
    case CellState::mer: return "mer";
    case CellState::batjou: return "batjou";
    case CellState::batordi: return "batordi";
    case CellState::alo: return "alo";
    case CellState::joucoul: return "joucoul";
    case CellState::ordicoul: return "ordicoul";
    }
    return {};
}

struct Cell {
    CellState state = CellState::mer;
    Picture picture = Picture::Sea;
};

} // namespace torvelle
