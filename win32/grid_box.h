// grid_box.h: Picture1, the sunken box of the board, and the 100 cells inside it.
#pragma once

#include <array>

#include <windows.h>

#include "board.h"
#include "cell_pictures.h"

namespace torvelle::win32 {

// A click on cell i reaches the main window as WM_COMMAND with the identifier kFirstCellId + i.
// A key pressed on the box hands the focus to the main window.
class GridBox {
public:
    static constexpr int kFirstCellId = 1000;
    static constexpr int kId = 2; // its tab index

    GridBox(HWND window, HINSTANCE instance);

    HWND hwnd() const { return box_; }
    HWND cell(int i) const { return cells_.at(static_cast<size_t>(i)); }
    // Shown at once, and named after what it shows, as a screen reader reads it.
    void setPicture(int cell, int picture);
    // The box and its cells where the design has them, the cells inside its border.
    void place(UINT dpi);

private:
    static LRESULT CALLBACK boxProcedure(HWND, UINT, WPARAM, LPARAM);
    static LRESULT CALLBACK cellProcedure(HWND, UINT, WPARAM, LPARAM);

    HWND box_;
    std::array<HWND, Board::kCellCount> cells_{};
    std::array<int, Board::kCellCount> pictures_{};
    CellPictures images_;
};

} // namespace torvelle::win32
