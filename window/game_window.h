// game_window.h: what the main window does around the rules, the same on every platform.
#pragma once

#include <string>

#include "core/game.h"
#include "core/game_view.h"
#include "design/form1_design.h"
#include "design/progress_steps.h"
#include "design/turn_narrator.h"
#include "window/window_toolkit.h"

namespace torvelle {

// The front end hands each event of its controls here and shows what it is asked to. The
// game ends once, whether by "&Quitter" or by "Non" to "Rejouer ?": the window takes no event
// afterwards.
class GameWindow final : public GameView {
public:
    explicit GameWindow(WindowToolkit& toolkit) : toolkit_(toolkit), game_(*this) {}

    const Game& game() const { return game_; }
    Game& game() { return game_; }
    bool ended() const { return ended_; }

    void Image1_Click(int cell);
    void Slider1_MouseUp();
    void quit_Click();
    void menuaide_Click();
    void menuapropos_Click();
    // About's "Payement".
    void Command1_Click();
    // The player closes the main window.
    void Form_QueryUnload();

    // GameView: the rules' calls, passed on to the toolkit as the narrator hears of them.
    MessageAnswer showMessage(const std::string& prompt, const std::string& title,
                              MessageButtons buttons) override;
    void focusMainWindow() override { toolkit_.focusWindow(); }
    void showCellPicture(int cell, int picture) override;
    void setPlayerScoreText(const std::string& text) override;
    void setComputerScoreText(const std::string& text) override;
    void showBanner() override;
    void setBannerText(const std::string& text) override;
    void setProgressMaximum(double maximum) override;
    void setProgressValue(double value) override;
    int sliderValue() override { return toolkit_.sliderValue(); }
    void endProgram() override;

private:
    // What a screen reader has still to hear of the click so far.
    std::string narration();
    void box(std::string_view prompt, std::string_view title, BoxOwner owner);

    WindowToolkit& toolkit_;
    TurnNarrator narrator_;
    RealProgress progress_{design::form1::kProgreMaximum};
    bool ended_ = false;
    Game game_; // last: it may call the window while it is made
};

} // namespace torvelle
