// board_test.cpp: cell names, and which changes reach the screen.
#include <gtest/gtest.h>

#include "core/board.h"
#include "tests/recording_view.h"

namespace torvelle {
namespace {

TEST(Board, NamesCellsByRowLetterAndColumnNumber)
{
    struct Case {
        int cell;
        const char* row;
        const char* column;
    };
    for (const Case& c : {Case{0, "A", "1"}, Case{9, "A", "10"}, Case{10, "B", "1"},
                          Case{45, "E", "6"}, Case{90, "J", "1"}, Case{99, "J", "10"}}) {
        EXPECT_EQ(Board::rowLetter(c.cell), c.row) << c.cell;
        EXPECT_EQ(Board::columnNumber(c.cell), c.column) << c.cell;
    }
}

TEST(Board, StartsAsOpenSeaEverywhere)
{
    testing::RecordingView view;
    Board board(view);
    EXPECT_EQ(board.count(CellState::mer), 100);
    for (int cell = 0; cell < Board::kCellCount; ++cell)
        EXPECT_EQ(board.picture(cell), Picture::Sea);
    EXPECT_TRUE(view.calls.empty());
}

TEST(Board, ShowsEveryPictureItSetsButHidesAComputerShip)
{
    testing::RecordingView view;
    Board board(view);
    board.setCell(99, CellState::batjou, Picture::PlayerShip);
    board.setState(0, CellState::batordi);
    EXPECT_EQ(view.calls, std::vector<std::string>{"picture 99 1"});
    EXPECT_EQ(board.cellState(0), CellState::batordi);
    EXPECT_EQ(board.picture(0), Picture::Sea);

    board.reset();
    EXPECT_EQ(board.count(CellState::mer), 100);
    EXPECT_EQ(view.calls.size(), 101u);
    EXPECT_EQ(view.pictures[99], 2);
}

TEST(Board, TagsAreTheGamesOwnWords)
{
    EXPECT_EQ(tagText(CellState::mer), "mer");
    EXPECT_EQ(tagText(CellState::batjou), "batjou");
    EXPECT_EQ(tagText(CellState::batordi), "batordi");
    EXPECT_EQ(tagText(CellState::alo), "alo");
    EXPECT_EQ(tagText(CellState::joucoul), "joucoul");
    EXPECT_EQ(tagText(CellState::ordicoul), "ordicoul");
}

} // namespace
} // namespace torvelle
