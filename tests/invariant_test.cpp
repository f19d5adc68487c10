// invariant_test.cpp: thousands of random games, checked after every click.
#include <map>
#include <random>
#include <set>

#include <gtest/gtest.h>

#include "core/game.h"
#include "core/score.h"
#include "core/texts.h"
#include "tests/recording_view.h"
#include "tests/scripted_draws.h"

namespace torvelle {
namespace {

using Change = std::pair<CellState, CellState>;

// Every change a cell may undergo, outside the reset for a new game.
const std::set<Change> kAllowedChanges{
    {CellState::mer, CellState::batjou},     {CellState::batjou, CellState::batjou},
    {CellState::batordi, CellState::batjou}, {CellState::alo, CellState::batjou},
    {CellState::joucoul, CellState::batjou}, {CellState::ordicoul, CellState::batjou},
    {CellState::mer, CellState::batordi},    {CellState::batordi, CellState::ordicoul},
    {CellState::mer, CellState::alo},        {CellState::batjou, CellState::alo},
    {CellState::alo, CellState::alo},        {CellState::joucoul, CellState::alo},
    {CellState::ordicoul, CellState::alo},   {CellState::batjou, CellState::joucoul},
};

const std::map<CellState, std::set<int>> kPicturesOfState{
    {CellState::mer, {2}},    {CellState::batjou, {1}},  {CellState::batordi, {2}},
    {CellState::alo, {4, 5}}, {CellState::joucoul, {6}}, {CellState::ordicoul, {3}},
};

struct Snapshot {
    std::array<CellState, 100> states{};
    explicit Snapshot(const Board& board)
    {
        for (int cell = 0; cell < 100; ++cell)
            states[cell] = board.cellState(cell);
    }
};

TEST(Invariants, HoldAfterEveryClickOfThousandsOfRandomGames)
{
    constexpr unsigned kSeed = 20261207;
    std::mt19937 player(kSeed);
    testing::RecordingView view;
    Game game(view, std::make_unique<testing::SeededDraws>(kSeed + 1));
    int gamesOver = 0, forfeits = 0;
    int playerHits = 0, computerHits = 0; // in the game under way

    for (int step = 0; step < 300000 && gamesOver < 3000; ++step) {
        SCOPED_TRACE(::testing::Message() << "seed " << kSeed << ", step " << step);
        if (player() % 40 == 0) {
            view.slider = 20 + static_cast<int>(player() % 81);
            game.Slider1_MouseUp();
            ASSERT_EQ(game.souffle(), view.slider);
        }
        const Snapshot before(game.board());
        const bool starting = !game.enjeu() && game.restant() == 0;
        const bool shooting = game.enjeu();
        const std::size_t messagesBefore = view.messages.size();
        const std::size_t callsBefore = view.calls.size();
        const int cell = static_cast<int>(player() % 100);
        game.Image1_Click(cell);

        const std::vector<std::string> calls(view.calls.begin() + callsBefore, view.calls.end());
        const bool over = std::find(calls.begin(), calls.end(), "message Rejouer ?") != calls.end();
        const bool forfeit = std::find(calls.begin(), calls.end(),
                                       "message " + std::string(texts::kForfeit)) != calls.end();
        gamesOver += over;
        forfeits += forfeit;
        for (int c = 0; c < 100; ++c) {
            playerHits += before.states[c] != CellState::ordicoul &&
                          game.board().cellState(c) == CellState::ordicoul;
            computerHits += before.states[c] == CellState::batjou &&
                            game.board().cellState(c) == CellState::joucoul;
        }
        if (over)
            playerHits = computerHits = 0;

        if (!over) {
            int changed = 0;
            for (int c = 0; c < 100; ++c) {
                const Change change{before.states[c], game.board().cellState(c)};
                if (change.first == change.second && c != cell)
                    continue;
                ++changed;
                // At the start the computer may hide a ship right where the first shot lands.
                const bool hiddenThenHit =
                    starting && c == cell && change == Change{CellState::mer, CellState::ordicoul};
                ASSERT_TRUE(kAllowedChanges.count(change) || hiddenThenHit)
                    << "cell " << c << ": " << tagText(change.first) << " -> "
                    << tagText(change.second);
            }
            // A placement changes one cell; a shot, one cell and the computer's
            // reply one more (or none on a give-up); the start also hides ten ships.
            ASSERT_LE(changed, starting ? 12 : shooting ? 2 : 1);
        }
        for (int c = 0; c < 100; ++c) {
            ASSERT_EQ(static_cast<int>(game.board().picture(c)), view.pictures[c]);
            ASSERT_TRUE(kPicturesOfState.at(game.board().cellState(c)).count(view.pictures[c]));
        }
        ASSERT_EQ(game.playerScoreText(), view.playerScore);
        ASSERT_EQ(game.computerScoreText(), view.computerScore);

        if (game.enjeu() && !forfeit) {
            // Each score is the number of hits its side has made this game.
            ASSERT_EQ(scoreValue(game.playerScoreText()), playerHits);
            ASSERT_EQ(scoreValue(game.computerScoreText()), computerHits);
            ASSERT_EQ(game.board().count(CellState::batordi) + scoreValue(game.playerScoreText()),
                      10);
            // Every shot is answered by exactly one computer turn.
            const auto turns = std::count(calls.begin(), calls.end(), "progress 0");
            ASSERT_EQ(turns, 1);
        }
        // A turn never counts past its limit (a value left from an earlier,
        // longer-breathed turn may stand until the next turn replaces it).
        if (std::find(calls.begin(), calls.end(), "progress 0") != calls.end()) {
            ASSERT_LE(view.progressValue, 13 * game.souffle() / 10 + 1);
        }
        // The messages of one click, nothing more and in this order.
        std::vector<std::string> expected;
        if (starting)
            expected = {"Vous avez posé vos 10 bateaux", "Maintenant le JEUX commence !"};
        if (forfeit)
            expected.emplace_back(
                " Ordinateur : à bout de souffle par votre très grande aptitude au jeu . FORFAIT");
        if (over)
            expected.emplace_back("Rejouer ?");
        std::vector<std::string> shown;
        for (std::size_t m = messagesBefore; m < view.messages.size(); ++m)
            shown.push_back(view.messages[m].prompt);
        ASSERT_EQ(shown, expected);
    }
    EXPECT_GE(gamesOver, 3000);
    EXPECT_GT(forfeits, 0);
    EXPECT_LT(forfeits, gamesOver);
}

} // namespace
} // namespace torvelle
