// web_page.h: Form1 as a page in the browser: the board, the scores, the slider and the menus,
// drawn by the page's script from the rules' calls.
#pragma once

#include <string>

#include "design/form1_design.h"
#include "core/game.h"
#include "core/game_view.h"
#include "design/progress_steps.h"
#include "design/turn_narrator.h"

namespace torvelle {

// Routes the page's events to the game and its calls to the page; holds no rule of its own.
class WebPage final : public GameView {
public:
    WebPage() : game_(*this) {}

    void Image1_Click(int cell);
    void Slider1_MouseUp();
    void quit_Click();
    void menuaide_Click();
    // The About dialog's "Payement".
    void Command1_Click();

    // GameView
    MessageAnswer showMessage(const std::string& prompt, const std::string& title,
                              MessageButtons buttons) override;
    void focusMainWindow() override;
    void showCellPicture(int cell, int picture) override;
    void setPlayerScoreText(const std::string& text) override;
    void setComputerScoreText(const std::string& text) override;
    void showBanner() override;
    void setBannerText(const std::string& text) override;
    void setProgressMaximum(double maximum) override;
    void setProgressValue(double value) override;
    int sliderValue() override;
    void endProgram() override;

private:
    // What a screen reader is to be told of the click so far, taken from the narrator.
    std::string narration();
    void showProgress();

    Game game_;
    TurnNarrator narrator_;
    std::string playerScore_;
    std::string computerScore_;
    RealProgress progress_{design::form1::kProgreMaximum};
    // The page cannot end its program: once ended, the rules hear no more of it.
    bool ended_ = false;
};

} // namespace torvelle
