// window_toolkit.h: what only a front end's toolkit can do for the main window: show, ask, tell.
#pragma once

#include <string>
#include <string_view>

#include "core/game_view.h"
#include "design/progress_steps.h"

namespace torvelle {

// Which window a box belongs to: the main window, or About for its "Payement".
enum class BoxOwner { MainWindow, About };

// Implemented by each front end's main window; GameWindow decides when each is called.
class WindowToolkit {
public:
    virtual ~WindowToolkit() = default;

    // A modal box. `said` is what a screen reader has still to hear of the turn: it comes
    // before the box's own words.
    virtual MessageAnswer showBox(const std::string& prompt, const std::string& title,
                                  MessageButtons buttons, const std::string& said,
                                  BoxOwner owner) = 0;
    // Tells a screen reader, unasked, what a click has shown.
    virtual void announce(const std::string& said) = 0;
    virtual void focusWindow() = 0;
    virtual void showPicture(int cell, int picture) = 0;
    // A control of the design by its name: "Label4", "Label6", "Label7".
    virtual void showText(std::string_view control, const std::string& text) = 0;
    virtual void showControl(std::string_view control) = 0;
    virtual void showProgress(const RealProgress& progress) = 0;
    virtual int sliderValue() = 0;
    // Opens About, or brings it to the front, unchanged, when it is open.
    virtual void showAbout() = 0;
    // The game is over: a desktop ends its program at once, with no farewell; a page stops
    // reacting and offers a new game.
    virtual void endProgram() = 0;
    // The player closed the window: a desktop leaves its farewell files.
    virtual void leaveFarewellFiles() = 0;
};

} // namespace torvelle
