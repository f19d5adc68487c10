// game_flow_test.cpp: whole games played click by click through the rules.
#include <gtest/gtest.h>

#include "core/texts.h"
#include "tests/scripted_game.h"

namespace torvelle {
namespace {

using Calls = std::vector<std::string>;

class GameFlow : public ::testing::Test, protected testing::ScriptedGame {};

TEST_F(GameFlow, TenClicksPlaceTheFleetAndTheEleventhAnnouncesTheGameAndFires)
{
    clickAll({0, 11, 22, 33, 44, 55, 66, 77, 88, 99});
    EXPECT_EQ(game->restant(), 0);
    EXPECT_FALSE(game->enjeu());
    EXPECT_EQ(game->board().count(CellState::batjou), 10);
    EXPECT_EQ(view.pictures[99], 1);
    EXPECT_TRUE(view.messages.empty());

    view.calls.clear();
    // 99 holds the player's ship: the computer draws again and takes 89.
    computerDraws({90, 91, 92, 93, 94, 95, 96, 97, 98, 99, 89, 50});
    click(45);

    const Calls expected{"message Vous avez posé vos 10 bateaux",
                         "focus", // the computer has hidden its fleet
                         "message Maintenant le JEUX commence !",
                         "picture 45 5",
                         "progress 0",
                         "picture 50 4",
                         "focus",
                         "focus",
                         "focus"};
    EXPECT_EQ(view.calls, expected);
    for (const auto& m : view.messages) {
        EXPECT_EQ(m.title, "Torvelle");
        EXPECT_EQ(m.buttons, MessageButtons::Ok);
    }
    EXPECT_TRUE(game->enjeu());
    EXPECT_EQ(game->restant(), -1);
    EXPECT_EQ(game->clickedCell(), 45);
    for (int cell = 89; cell < 100; ++cell)
        EXPECT_EQ(state(cell), cell == 99 ? CellState::batjou : CellState::batordi) << cell;
}

TEST_F(GameFlow, TenClicksOnOneCellLeaveOneShipAndStillEndThePlacement)
{
    for (int i = 0; i < 10; ++i)
        click(42);
    EXPECT_EQ(game->board().count(CellState::batjou), 1);
    EXPECT_EQ(game->restant(), 0);

    computerDraws({0, 1, 2, 3, 4, 5, 6, 7, 8, 9, 50});
    click(42);
    EXPECT_EQ(view.messages.size(), 2u);
    EXPECT_EQ(state(42), CellState::alo) << "the first shot may sink one's own ship";
}

TEST_F(GameFlow, ComputerHidesItsFleetOnlyOnOpenSeaWithoutShowingIt)
{
    clickAll({0, 1, 2, 3, 4, 5, 6, 7, 8, 9});
    // Draws on the player's ships and on a cell just taken are drawn again.
    computerDraws({0, 9, 50, 50, 51, 52, 53, 54, 55, 56, 57, 5, 58, 59, 60});
    view.calls.clear();
    click(99);
    for (int cell : {50, 51, 52, 53, 54, 55, 56, 57, 58, 59})
        EXPECT_EQ(state(cell), CellState::batordi) << cell;
    EXPECT_EQ(game->board().count(CellState::batordi), 10);
    EXPECT_EQ(game->board().count(CellState::batjou), 10);
    for (int cell = 50; cell < 60; ++cell)
        EXPECT_EQ(picture(cell), 2);
    EXPECT_EQ(std::count(view.calls.begin(), view.calls.end(), "picture 50 2"), 0);
    EXPECT_EQ(state(60), CellState::alo) << "the computer's first shot";
}

TEST_F(GameFlow, ShotsShowTheirPicturesAndScoreOnlyRealHits)
{
    releaseSliderAt(20);
    startShooting(90, 3); // a hit each
    EXPECT_EQ(state(90), CellState::ordicoul);
    EXPECT_EQ(picture(90), 3);
    EXPECT_EQ(state(3), CellState::joucoul);
    EXPECT_EQ(picture(3), 6);
    EXPECT_EQ(view.playerScore, "1");
    EXPECT_EQ(view.computerScore, "1");

    computerDraws({50});
    click(90); // a ship already sunk
    EXPECT_EQ(state(90), CellState::alo);
    EXPECT_EQ(picture(90), 5);
    EXPECT_EQ(view.playerScore, "1") << "a second shot at a sunk ship scores nothing";
    EXPECT_EQ(picture(50), 4);
    EXPECT_EQ(view.computerScore, "1");

    computerDraws({4, 51});
    click(4); // the player's own ship
    EXPECT_EQ(state(4), CellState::alo);
    EXPECT_EQ(picture(4), 5);
    EXPECT_EQ(state(51), CellState::alo)
        << "a draw on the sunk own ship is wasted, the next one fires";
    EXPECT_EQ(view.progressValue, 1);

    computerDraws({60});
    click(70); // open sea
    EXPECT_EQ(picture(70), 5);
    EXPECT_EQ(game->restant(), -4);
}

TEST_F(GameFlow, PlayerWinsOnTheTenthHitEvenWhenTheComputerReachesTenInTheSameTurn)
{
    releaseSliderAt(100);
    startShooting(90, 0);
    for (int i = 1; i < 9; ++i) {
        computerDraws({i});
        click(90 + i);
    }
    EXPECT_EQ(view.playerScore, "9");
    EXPECT_EQ(view.computerScore, "9");
    EXPECT_FALSE(game->bannerVisible());

    view.calls.clear();
    view.yesNoAnswers = {MessageAnswer::Yes};
    computerDraws({9});
    click(99);

    // The computer still fires after the player's tenth hit, then the player is
    // tested first; the prompt and the reset run inside the same click.
    const auto at = [&](const std::string& call) {
        return std::find(view.calls.begin(), view.calls.end(), call) - view.calls.begin();
    };
    EXPECT_LT(at("player score 10"), at("picture 9 6"));
    EXPECT_LT(at("picture 9 6"), at("computer score 10"));
    EXPECT_LT(at("computer score 10"), at("show banner"));
    EXPECT_LT(at("show banner"), at("banner Joueur\r\nGAGNE !"));
    EXPECT_LT(at("banner Joueur\r\nGAGNE !"), at("message Rejouer ?"));
    const testing::MessageCall& prompt = view.messages.back();
    EXPECT_EQ(prompt.title, "Torvelle !");
    EXPECT_EQ(prompt.buttons, MessageButtons::YesNo);
    EXPECT_EQ(std::count(view.calls.begin(), view.calls.end(), "message Rejouer ?"), 1);
}

TEST_F(GameFlow, ComputerWinsWhenItReachesTenFirst)
{
    releaseSliderAt(20);
    startShooting(50, 0);
    for (int i = 1; i < 10; ++i) {
        computerDraws({i});
        click(50 + i);
    }
    EXPECT_EQ(std::count(view.calls.begin(), view.calls.end(), "computer score 10"), 1);
    EXPECT_EQ(std::count(view.calls.begin(), view.calls.end(), "player score 1"), 0);
    EXPECT_EQ(std::count(view.calls.begin(), view.calls.end(), "banner Ordinateur\r\nGAGNE !"), 1);
    EXPECT_TRUE(view.bannerShown);
}

TEST_F(GameFlow, YesToReplayResetsTheBoardScoresAndBannerButNotTheBreath)
{
    releaseSliderAt(33);
    startShooting(90, 0);
    for (int i = 1; i < 10; ++i) {
        computerDraws({50 + i});
        click(90 + i);
    }
    const double progressBefore = view.progressValue;
    ASSERT_EQ(view.messages.back().prompt, "Rejouer ?");

    // Reset order: the cells, the player's score, the computer's, then the banner.
    const auto reset = std::find(view.calls.begin(), view.calls.end(), "message Rejouer ?") + 1;
    const Calls afterPrompt(reset, view.calls.end());
    ASSERT_GE(afterPrompt.size(), 103u);
    for (int cell = 0; cell < 100; ++cell)
        EXPECT_EQ(afterPrompt[cell], "picture " + std::to_string(cell) + " 2");
    EXPECT_EQ(afterPrompt[100], "player score ");
    EXPECT_EQ(afterPrompt[101], "computer score ");
    EXPECT_EQ(afterPrompt[102], "banner ");
    EXPECT_EQ(std::count(afterPrompt.begin(), afterPrompt.end(), "message Rejouer ?"), 0)
        << "emptying the banner asks nothing";

    EXPECT_EQ(game->board().count(CellState::mer), 100);
    EXPECT_EQ(game->restant(), 10);
    EXPECT_FALSE(game->enjeu());
    EXPECT_EQ(game->playerScoreText(), "");
    EXPECT_EQ(game->bannerText(), "");
    EXPECT_TRUE(game->bannerVisible()) << "once shown the banner stays shown";
    EXPECT_EQ(game->souffle(), 33);
    EXPECT_DOUBLE_EQ(view.progressMaximum, 33 * 1.4);
    EXPECT_EQ(view.progressValue, progressBefore);
    EXPECT_FALSE(view.programEnded);

    // The next game begins with placements and hides a new fleet at its start.
    click(7);
    EXPECT_EQ(state(7), CellState::batjou);
    EXPECT_EQ(game->board().count(CellState::batordi), 0);
    clickAll({10, 11, 12, 13, 14, 15, 16, 17, 18});
    computerDraws({20, 21, 22, 23, 24, 25, 26, 27, 28, 29, 30});
    click(20);
    EXPECT_EQ(view.playerScore, "1");
}

TEST_F(GameFlow, NoToReplayEndsTheProgramAndNothingMoreHappens)
{
    startShooting(90, 0);
    for (int i = 1; i < 9; ++i) {
        computerDraws({50 + i});
        click(90 + i);
    }
    view.yesNoAnswers = {MessageAnswer::No};
    computerDraws({60});
    click(99);
    ASSERT_TRUE(view.programEnded);
    EXPECT_EQ(view.calls.back(), "end") << "no focus nor anything else after the end";
    EXPECT_TRUE(game->ended());

    const std::size_t callsAtEnd = view.calls.size();
    click(50);
    releaseSliderAt(60);
    EXPECT_EQ(view.calls.size(), callsAtEnd);
    EXPECT_EQ(game->board().count(CellState::ordicoul), 10) << "the board is left as it was";
}

TEST_F(GameFlow, ReleasingTheSliderSetsTheBreathAndTheProgressScale)
{
    view.slider = 57;
    EXPECT_EQ(game->souffle(), 0) << "the slider's position counts only once released";
    for (const auto& [value, maximum] :
         {std::pair{20, 28.0}, std::pair{33, 46.2}, std::pair{100, 140.0}}) {
        releaseSliderAt(value);
        EXPECT_EQ(game->souffle(), value);
        EXPECT_NEAR(view.progressMaximum, maximum, 1e-9);
        EXPECT_EQ(game->opponent().progressMaximum(), view.progressMaximum);
    }
    EXPECT_EQ(view.calls.size(), 3u) << "a release changes nothing else";
}

TEST_F(GameFlow, ClicksOutsideTheBoardAreIgnored)
{
    click(-1);
    click(100);
    EXPECT_EQ(game->restant(), 10);
    EXPECT_TRUE(view.calls.empty());
}

} // namespace
} // namespace torvelle
