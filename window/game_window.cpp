// game_window.cpp: the window's events into the rules, the menus' boxes, and the turn's words.
#include "window/game_window.h"

#include <utility>

#include "design/ui_texts.h"

namespace torvelle {

using design::named;
namespace form1 = design::form1;

void GameWindow::Image1_Click(int cell)
{
    if (ended_)
        return;
    game_.Image1_Click(cell);
    const std::string said = narration();
    if (!ended_ && !said.empty())
        toolkit_.announce(said);
}

void GameWindow::Slider1_MouseUp()
{
    if (!ended_)
        game_.Slider1_MouseUp();
}

void GameWindow::quit_Click()
{
    box(ui_texts::kQuitFarewell, ui_texts::kFarewellTitle, BoxOwner::MainWindow);
    endProgram();
}

void GameWindow::menuaide_Click()
{
    box(ui_texts::kHelp, ui_texts::kHelpTitle, BoxOwner::MainWindow);
}

void GameWindow::menuapropos_Click()
{
    if (!ended_)
        toolkit_.showAbout();
}

void GameWindow::Command1_Click()
{
    box(ui_texts::kPayment, ui_texts::kPaymentTitle, BoxOwner::About);
}

void GameWindow::Form_QueryUnload()
{
    if (ended_)
        return; // the game ended without a farewell
    box(ui_texts::kCloseFarewell, ui_texts::kFarewellTitle, BoxOwner::MainWindow);
    toolkit_.leaveFarewellFiles();
}

// Once the game has ended, no box of the window's own.
void GameWindow::box(std::string_view prompt, std::string_view title, BoxOwner owner)
{
    if (!ended_)
        toolkit_.showBox(std::string(prompt), std::string(title), MessageButtons::Ok, narration(),
                         owner);
}

std::string GameWindow::narration()
{
    return narrator_.take(game_.restant(), game_.playerScoreText(), game_.computerScoreText());
}

MessageAnswer GameWindow::showMessage(const std::string& prompt, const std::string& title,
                                      MessageButtons buttons)
{
    return toolkit_.showBox(prompt, title, buttons, narration(), BoxOwner::MainWindow);
}

void GameWindow::showCellPicture(int cell, int picture)
{
    toolkit_.showPicture(cell, picture);
    narrator_.pictureShown(cell, picture);
}

void GameWindow::setPlayerScoreText(const std::string& text)
{
    toolkit_.showText(named(form1::kWindow, "Label4"), text);
}

void GameWindow::setComputerScoreText(const std::string& text)
{
    toolkit_.showText(named(form1::kWindow, "Label6"), text);
}

void GameWindow::showBanner()
{
    toolkit_.showControl(named(form1::kWindow, "Label7"));
}

void GameWindow::setBannerText(const std::string& text)
{
    narrator_.bannerShown(text);
    toolkit_.showText(named(form1::kWindow, "Label7"), text);
}

void GameWindow::setProgressMaximum(double maximum)
{
    progress_.maximum = maximum;
    toolkit_.showProgress(progress_);
}

void GameWindow::setProgressValue(double value)
{
    progress_.value = value;
    toolkit_.showProgress(progress_);
}

void GameWindow::endProgram()
{
    if (std::exchange(ended_, true))
        return;
    toolkit_.endProgram();
}

} // namespace torvelle
