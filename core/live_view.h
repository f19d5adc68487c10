// live_view.h: passes the game's calls on to the real view until the program has been ended.
#pragma once

#include "core/game_view.h"

namespace torvelle {

// Answering No to "Rejouer ?" ends the program deep inside a click: the shot,
// the computer's turn and the end-of-game check still unwind afterwards and
// would hand the focus back or show more. Once ended, nothing reaches the view.
class LiveView final : public GameView {
public:
    explicit LiveView(GameView& target) : target_(target) {}

    bool ended() const { return ended_; }

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
    GameView& target_;
    bool ended_ = false;
};

} // namespace torvelle
