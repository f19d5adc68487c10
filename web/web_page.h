// web_page.h: Form1 as a page in the browser: the board, the scores, the slider and the menus,
// drawn by the page's script from the window's calls.
#pragma once

#include <string>

#include "web/page_bridge.h"
#include "window/game_window.h"
#include "window/window_toolkit.h"

namespace torvelle {

// Hands each of the page's calls to the page's script (page.js); holds no rule of its own.
class WebPage final : public WindowToolkit {
public:
    WebPage() : window_(*this) {}

    GameWindow& window() { return window_; }

    MessageAnswer showBox(const std::string& prompt, const std::string& title,
                          MessageButtons buttons, const std::string& said, BoxOwner owner) override;
    void announce(const std::string& said) override { page::announce(said); }
    void focusWindow() override { page::focusWindow(); }
    void showPicture(int cell, int picture) override;
    void showText(std::string_view control, const std::string& text) override
    {
        page::setText(std::string(control), text);
    }
    void showControl(std::string_view control) override { page::showControl(std::string(control)); }
    void showProgress(const RealProgress& progress) override;
    int sliderValue() override { return page::sliderValue(); }
    void showAbout() override { page::showAbout(); }
    void endProgram() override { page::endGame(); }
    // A page leaves no files.
    void leaveFarewellFiles() override {}

private:
    GameWindow window_;
};

} // namespace torvelle
