// game_window_test.cpp: what every front end's window does around the rules, through a toolkit
// that writes down each call.
#include <string>
#include <vector>

#include <gtest/gtest.h>

#include "window/game_window.h"

namespace torvelle {
namespace {

struct RecordingToolkit : WindowToolkit {
    std::vector<std::string> calls;

    MessageAnswer showBox(const std::string& prompt, const std::string&, MessageButtons,
                          const std::string& said, BoxOwner) override
    {
        calls.push_back("box " + prompt.substr(0, 12) + (said.empty() ? "" : " after " + said));
        return MessageAnswer::Ok;
    }
    void announce(const std::string& said) override { calls.push_back("say " + said); }
    void focusWindow() override {}
    void showPicture(int cell, int picture) override
    {
        calls.push_back("picture " + std::to_string(cell) + ' ' + std::to_string(picture));
    }
    void showText(std::string_view, const std::string&) override {}
    void showControl(std::string_view) override {}
    void showProgress(const RealProgress&) override {}
    int sliderValue() override { return 20; }
    void showAbout() override { calls.push_back("about"); }
    void endProgram() override { calls.push_back("end"); }
    void leaveFarewellFiles() override { calls.push_back("files"); }
};

TEST(GameWindow, QuitSaysGoodbyeEndsOnceAndNothingReachesTheRulesAfter)
{
    RecordingToolkit toolkit;
    GameWindow window(toolkit);
    window.Image1_Click(0);
    window.quit_Click();
    window.Image1_Click(1);
    window.Slider1_MouseUp();
    window.menuaide_Click();
    window.quit_Click();
    window.Form_QueryUnload();
    EXPECT_EQ(toolkit.calls, (std::vector<std::string>{"picture 0 1",
                                                       "say A1 : votre bateau. Encore 9 bateaux "
                                                       "à placer.",
                                                       "box A bientot", "end"}));
    EXPECT_EQ(window.game().board().picture(1), Picture::Sea);
}

TEST(GameWindow, ClosingShowsTheFarewellBeforeLeavingTheFiles)
{
    RecordingToolkit toolkit;
    GameWindow window(toolkit);
    window.Form_QueryUnload();
    ASSERT_EQ(toolkit.calls.size(), 2U);
    EXPECT_EQ(toolkit.calls[0].substr(0, 4), "box ");
    EXPECT_EQ(toolkit.calls[1], "files");
}

} // namespace
} // namespace torvelle
