// grid_box.h: Picture1, the sunken box of the board, which draws its 100 cells itself.
#pragma once

#include <array>

#include <windows.h>

#include "core/board.h"
#include "win32/cell_pictures.h"
#include "win32/drawn_controls.h"

namespace torvelle::win32 {

class DrawnAccessible;

// One window for the whole board: a click on cell i reaches the main window as WM_COMMAND with
// the identifier kFirstCellId + i. Assistive technology sees a group of 100 buttons, named after
// their place and what they show. A key pressed on the box hands the focus to the main window.
class GridBox final : public DrawnControls {
public:
    static constexpr int kFirstCellId = 1000;
    static constexpr int kId = 2; // its tab index

    GridBox(HWND window, HINSTANCE instance);
    ~GridBox() override;
    GridBox(const GridBox&) = delete;
    GridBox& operator=(const GridBox&) = delete;

    HWND hwnd() const override { return box_; }
    // Shown at once, and its new name told to assistive technology.
    void setPicture(int cell, int picture);
    // The box where the design has it at `dpi`.
    void applyScale(UINT dpi);
    // The cell at a point of the client area, or -1.
    int cellAt(POINT at) const;

    // The cells as assistive technology knows them: buttons named after their place and what
    // they show ("B3, mer"), whose action is a click, handed to the main window after the
    // current message.
    int count() const override { return Board::kCellCount; }
    std::string name(int cell) const override;
    std::string description(int cell) const override;
    long role(int cell) const override;
    RECT place(int cell) const override;
    std::string action(int cell) const override;
    void act(int cell) const override;
    int columns() const override { return Board::kColumns; }

private:
    static LRESULT CALLBACK procedure(HWND, UINT, WPARAM, LPARAM);
    LRESULT handle(UINT message, WPARAM wParam, LPARAM lParam);
    void paint();

    HWND box_ = nullptr;
    UINT dpi_ = 96;
    int pressed_ = -1;
    std::array<int, Board::kCellCount> pictures_{};
    CellPictures images_;
    DrawnAccessible* accessible_ = nullptr;
};

} // namespace torvelle::win32
