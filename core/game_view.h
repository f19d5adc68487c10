// game_view.h: everything the rules of the game do to the outside world, and nothing else.
#pragma once

#include <string>

namespace torvelle {

enum class MessageButtons { Ok, YesNo };
enum class MessageAnswer { Ok, Yes, No };

// The main window implements this; tests implement it with a recorder. Every
// call must take effect before it returns, because the rules go on at once
// (a modal message box blocks the rule that shows it until it is answered).
class GameView {
public:
    virtual ~GameView() = default;

    virtual MessageAnswer showMessage(const std::string& prompt, const std::string& title,
                                      MessageButtons buttons) = 0;
    virtual void focusMainWindow() = 0;
    virtual void showCellPicture(int cell, int picture) = 0;
    virtual void setPlayerScoreText(const std::string& text) = 0;
    virtual void setComputerScoreText(const std::string& text) = 0;
    virtual void showBanner() = 0;
    virtual void setBannerText(const std::string& text) = 0;
    virtual void setProgressMaximum(double maximum) = 0;
    virtual void setProgressValue(double value) = 0;
    virtual int sliderValue() = 0;
    // Ends the program at once, without the farewell of a closing window.
    virtual void endProgram() = 0;
};

} // namespace torvelle
