// grid_box.h: Picture1, the sunken box of the board, which draws its 100 cells itself.
#pragma once

#include <array>

#include <windows.h>

#include "board.h"
#include "cell_pictures.h"

namespace torvelle::win32 {

class GridAccessible;

// One window for the whole board: a click on cell i reaches the main window as WM_COMMAND with
// the identifier kFirstCellId + i. Assistive technology sees a group of 100 buttons, named after
// their place and what they show. A key pressed on the box hands the focus to the main window.
class GridBox {
public:
    static constexpr int kFirstCellId = 1000;
    static constexpr int kId = 2; // its tab index

    GridBox(HWND window, HINSTANCE instance);
    ~GridBox();
    GridBox(const GridBox&) = delete;
    GridBox& operator=(const GridBox&) = delete;

    HWND hwnd() const { return box_; }
    int picture(int cell) const { return pictures_.at(static_cast<size_t>(cell)); }
    // Shown at once, and its new name told to assistive technology.
    void setPicture(int cell, int picture);
    // The box where the design has it at `dpi`.
    void place(UINT dpi);
    // Where cell i is in the box's client area; and the cell at a point of it, or -1.
    RECT cellRect(int cell) const;
    int cellAt(POINT at) const;
    // What a click does: the click handed to the main window, after the current message.
    void click(int cell) const;

private:
    static LRESULT CALLBACK procedure(HWND, UINT, WPARAM, LPARAM);
    LRESULT handle(UINT message, WPARAM wParam, LPARAM lParam);
    void paint();

    HWND box_ = nullptr;
    UINT dpi_ = 96;
    int pressed_ = -1;
    std::array<int, Board::kCellCount> pictures_{};
    CellPictures images_;
    GridAccessible* accessible_ = nullptr;
};

} // namespace torvelle::win32
