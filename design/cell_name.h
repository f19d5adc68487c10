// cell_name.h: how assistive technology names a cell of the board: its place, then what it shows.
#pragma once

#include <string>

namespace torvelle::design {

// "B4, mer": so that a review of the board line by line reads what is on it. A cell is told by
// the picture it shows, so a hidden computer ship reads as open sea.
std::string cellSeen(int picture);
std::string cellName(int cell, int picture);

} // namespace torvelle::design
