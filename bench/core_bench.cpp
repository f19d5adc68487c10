// core_bench.cpp: how fast the rules run, without any window.
#include <random>

#include <benchmark/benchmark.h>

#include "core/game.h"
#include "core/game_view.h"

namespace {

using namespace torvelle;

// Answers Yes to every "Rejouer ?" and draws nothing.
class SilentView final : public GameView {
public:
    int slider = 50;
    int gamesOver = 0;
    MessageAnswer showMessage(const std::string&, const std::string&,
                              MessageButtons buttons) override
    {
        if (buttons == MessageButtons::YesNo) {
            ++gamesOver;
            return MessageAnswer::Yes;
        }
        return MessageAnswer::Ok;
    }
    void focusMainWindow() override {}
    void showCellPicture(int, int) override {}
    void setPlayerScoreText(const std::string&) override {}
    void setComputerScoreText(const std::string&) override {}
    void showBanner() override {}
    void setBannerText(const std::string&) override {}
    void setProgressMaximum(double) override {}
    void setProgressValue(double) override {}
    int sliderValue() override { return slider; }
    void endProgram() override {}
};

// Whole games: ten placements, then random shots until someone wins.
void WholeGames(benchmark::State& state)
{
    SilentView view;
    view.slider = static_cast<int>(state.range(0));
    Game game(view);
    game.Slider1_MouseUp();
    std::mt19937 clicks(1);
    for (auto _ : state) {
        const int before = view.gamesOver;
        while (view.gamesOver == before)
            game.Image1_Click(static_cast<int>(clicks() % 100));
    }
    state.counters["games/s"] =
        benchmark::Counter(static_cast<double>(state.iterations()), benchmark::Counter::kIsRate);
}
BENCHMARK(WholeGames)->Arg(20)->Arg(100);

// One shot of the player and the computer's reply, in the thick of a game.
void ComputerTurns(benchmark::State& state)
{
    SilentView view;
    view.slider = static_cast<int>(state.range(0));
    Game game(view);
    game.Slider1_MouseUp();
    std::mt19937 clicks(2);
    for (auto _ : state) {
        // Keep replaying placements so that every timed click is a shot.
        while (!game.enjeu() || game.restant() == 0)
            game.Image1_Click(static_cast<int>(clicks() % 100));
        game.Image1_Click(static_cast<int>(clicks() % 100));
    }
    state.counters["turns/s"] =
        benchmark::Counter(static_cast<double>(state.iterations()), benchmark::Counter::kIsRate);
}
BENCHMARK(ComputerTurns)->Arg(20)->Arg(100);

} // namespace
