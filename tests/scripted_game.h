// scripted_game.h: a game whose computer draws exactly the cells a test names.
#pragma once

#include <initializer_list>
#include <memory>

#include "core/game.h"
#include "tests/recording_view.h"
#include "tests/scripted_draws.h"

namespace torvelle::testing {

struct ScriptedGame {
    ScriptedGame()
    {
        auto scripted = std::make_unique<ScriptedDraws>();
        draws = scripted.get();
        game = std::make_unique<Game>(view, std::move(scripted));
    }

    void click(int cell) { game->Image1_Click(cell); }
    void clickAll(std::initializer_list<int> cells)
    {
        for (int cell : cells)
            click(cell);
    }
    void computerDraws(std::initializer_list<int> cells)
    {
        draws->cells.insert(draws->cells.end(), cells);
    }
    void releaseSliderAt(int value)
    {
        view.slider = value;
        game->Slider1_MouseUp();
    }

    // The player's fleet on row A, the computer's on row J, and the first shot
    // at `firstShot` answered by the computer firing at `reply`.
    void startShooting(int firstShot, int reply)
    {
        clickAll({0, 1, 2, 3, 4, 5, 6, 7, 8, 9});
        computerDraws({90, 91, 92, 93, 94, 95, 96, 97, 98, 99, reply});
        click(firstShot);
    }

    CellState state(int cell) const { return game->board().cellState(cell); }
    int picture(int cell) const { return static_cast<int>(game->board().picture(cell)); }

    RecordingView view;
    ScriptedDraws* draws = nullptr;
    std::unique_ptr<Game> game;
};

} // namespace torvelle::testing
