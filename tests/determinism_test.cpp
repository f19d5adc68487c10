// determinism_test.cpp: the game's own generator plays the same game for the same clicks.
#include <random>

#include <gtest/gtest.h>

#include "core/game.h"
#include "tests/recording_view.h"

namespace torvelle {
namespace {

std::vector<int> computerFleet(const Game& game)
{
    std::vector<int> cells;
    for (int cell = 0; cell < Board::kCellCount; ++cell)
        if (game.board().cellState(cell) == CellState::batordi ||
            game.board().cellState(cell) == CellState::ordicoul)
            cells.push_back(cell);
    return cells;
}

TEST(Determinism, TheFirstComputerFleetNeverChangesFromOneBuildToTheNext)
{
    testing::RecordingView view;
    Game game(view);
    for (int cell = 0; cell < 10; ++cell)
        game.Image1_Click(cell);
    game.Image1_Click(99);
    // Pinned: a change here means every player's familiar first game has changed.
    EXPECT_EQ(computerFleet(game), (std::vector<int>{20, 27, 31, 45, 55, 62, 65, 68, 72, 98}));
}

TEST(Determinism, SameClicksAndReleasesGiveTheSameFleetAndTheSameShots)
{
    testing::RecordingView firstView, secondView;
    Game first(firstView), second(secondView);
    std::mt19937 clicks(7);
    for (int step = 0; step < 3000; ++step) {
        if (step % 97 == 0) {
            firstView.slider = secondView.slider = 20 + static_cast<int>(clicks() % 81);
            first.Slider1_MouseUp();
            second.Slider1_MouseUp();
        }
        const int cell = static_cast<int>(clicks() % 100);
        first.Image1_Click(cell);
        second.Image1_Click(cell);
    }
    EXPECT_EQ(firstView.calls, secondView.calls);
    EXPECT_GT(std::count(firstView.calls.begin(), firstView.calls.end(), "message Rejouer ?"), 10);
}

} // namespace
} // namespace torvelle
