// opponent_test.cpp: the computer's breath, its give-up, and where its shots may fall.
#include <algorithm>

#include <gtest/gtest.h>

#include "core/texts.h"
#include "tests/scripted_game.h"

namespace torvelle {
namespace {

// The player's fleet on row A, the computer's on row J, the player's first
// shot in the water at 50, and the computer drawing its own ship at 90
// `wasted` times before the cells in `then`.
struct FirstTurn : testing::ScriptedGame {
    FirstTurn(int breath, int wasted, std::initializer_list<int> then)
    {
        if (breath > 0)
            releaseSliderAt(breath);
        clickAll({0, 1, 2, 3, 4, 5, 6, 7, 8, 9});
        computerDraws({90, 91, 92, 93, 94, 95, 96, 97, 98, 99});
        for (int i = 0; i < wasted; ++i)
            computerDraws({90});
        computerDraws(then);
        click(50);
    }
    bool forfeited() const
    {
        return std::any_of(view.messages.begin(), view.messages.end(),
                           [](const auto& m) { return m.prompt == texts::kForfeit; });
    }
};

TEST(ComputerTurn, GivesUpAfterExactlyOnePointThreeTimesTheBreathInWastedDraws)
{
    struct Case {
        int breath;
        int wastedThatGivesUp;
        double progressMaximum;
    };
    for (const Case& c : {Case{0, 1, 100.0}, Case{20, 27, 28.0}, Case{25, 33, 35.0},
                          Case{50, 66, 70.0}, Case{100, 131, 140.0}}) {
        SCOPED_TRACE(c.breath);
        FirstTurn stillDraws(c.breath, c.wastedThatGivesUp - 1, {60});
        EXPECT_FALSE(stillDraws.forfeited());
        EXPECT_EQ(stillDraws.state(60), CellState::alo);
        EXPECT_EQ(stillDraws.view.progressValue, c.wastedThatGivesUp - 1);

        FirstTurn givesUp(c.breath, c.wastedThatGivesUp, {});
        EXPECT_TRUE(givesUp.forfeited());
        EXPECT_TRUE(givesUp.draws->cells.empty());
        EXPECT_EQ(givesUp.view.progressValue, c.wastedThatGivesUp);
        EXPECT_NEAR(givesUp.view.progressMaximum, c.progressMaximum, 1e-9);
        EXPECT_LT(givesUp.view.progressValue, givesUp.view.progressMaximum);
    }
}

TEST(ComputerTurn, ProgressShowsEveryDrawCountOfTheTurnFromZero)
{
    FirstTurn turn(20, 3, {60});
    std::vector<std::string> progress;
    std::copy_if(turn.view.calls.begin(), turn.view.calls.end(), std::back_inserter(progress),
                 [](const std::string& call) { return call.rfind("progress ", 0) == 0; });
    EXPECT_EQ(progress, (std::vector<std::string>{"progress maximum 28.000000", "progress 0",
                                                  "progress 1", "progress 2", "progress 3"}));
}

TEST(ComputerTurn, ForfeitAnnouncesItselfThenGivesThePlayerElevenAndTheWin)
{
    // Three hits first, so that "11" is seen to replace the score, not add to it.
    testing::ScriptedGame g;
    g.clickAll({0, 1, 2, 3, 4, 5, 6, 7, 8, 9});
    g.computerDraws({90, 91, 92, 93, 94, 95, 96, 97, 98, 99, 50});
    g.click(90);
    g.computerDraws({51});
    g.click(91);
    g.computerDraws({52});
    g.click(92);
    ASSERT_EQ(g.view.playerScore, "3");

    g.view.calls.clear();
    g.view.messages.clear();
    g.computerDraws({90}); // breath 0: the first wasted draw is the last
    g.click(60);

    ASSERT_EQ(g.view.messages.size(), 2u);
    EXPECT_EQ(g.view.messages[0].prompt,
              " Ordinateur : à bout de souffle par votre très grande aptitude au jeu . FORFAIT");
    EXPECT_EQ(g.view.messages[0].title, "Torvelle");
    EXPECT_EQ(g.view.messages[0].buttons, MessageButtons::Ok);
    EXPECT_EQ(g.view.messages[1].prompt, "Rejouer ?");
    const auto forfeit = std::find(g.view.calls.begin(), g.view.calls.end(),
                                   "message " + std::string(texts::kForfeit));
    ASSERT_NE(forfeit, g.view.calls.end());
    EXPECT_EQ(*(forfeit + 1), "player score 11");
    EXPECT_EQ(*(forfeit + 2), "show banner");
    EXPECT_EQ(*(forfeit + 3), "banner Joueur\r\nGAGNE !");
    EXPECT_EQ(g.game->board().count(CellState::mer), 100) << "Yes by default: a new game";
}

TEST(ComputerTurn, NeverFiresAtItsOwnShipsOrAtCellsAlreadyShot)
{
    testing::ScriptedGame g;
    g.releaseSliderAt(100);
    g.clickAll({0, 1, 2, 3, 4, 5, 6, 7, 8, 9});
    g.computerDraws({90, 91, 92, 93, 94, 95, 96, 97, 98, 99, 0});
    g.click(91); // player hits 91; computer hits 0
    g.computerDraws({0, 91, 90, 50, 1});
    g.click(50); // computer: 0 joucoul, 91 ordicoul, 90 batordi, 50 alo all wasted, then hits 1
    EXPECT_EQ(g.view.progressValue, 4);
    EXPECT_EQ(g.state(90), CellState::batordi);
    EXPECT_EQ(g.state(91), CellState::ordicoul);
    EXPECT_EQ(g.picture(0), 6);
    EXPECT_EQ(g.picture(1), 6);
    EXPECT_EQ(g.view.computerScore, "2");
}

TEST(ComputerTurn, CornerCellsCanHoldAComputerShipAndTakeAComputerShot)
{
    testing::ScriptedGame g;
    g.clickAll({10, 11, 12, 13, 14, 15, 16, 17, 18, 19});
    g.computerDraws({0, 99, 20, 21, 22, 23, 24, 25, 26, 27, 9});
    g.click(50);
    EXPECT_EQ(g.state(0), CellState::batordi);
    EXPECT_EQ(g.state(99), CellState::batordi);
    EXPECT_EQ(g.state(9), CellState::alo);
    EXPECT_EQ(g.picture(9), 4);
}

} // namespace
} // namespace torvelle
