// web_page.cpp: the page's events into the game, the game's calls out to the page.
#include "web/web_page.h"

#include "design/cell_name.h"
#include "web/page_bridge.h"
#include "design/ui_texts.h"

namespace torvelle {

void WebPage::Image1_Click(int cell)
{
    if (ended_)
        return;
    game_.Image1_Click(cell);
    if (!game_.ended())
        page::announce(narration());
}

void WebPage::Slider1_MouseUp()
{
    if (!ended_)
        game_.Slider1_MouseUp();
}

void WebPage::quit_Click()
{
    showMessage(std::string(ui_texts::kQuitFarewell), std::string(ui_texts::kFarewellTitle),
                MessageButtons::Ok);
    endProgram();
}

void WebPage::menuaide_Click()
{
    showMessage(std::string(ui_texts::kHelp), std::string(ui_texts::kHelpTitle),
                MessageButtons::Ok);
}

void WebPage::Command1_Click()
{
    showMessage(std::string(ui_texts::kPayment), std::string(ui_texts::kPaymentTitle),
                MessageButtons::Ok);
}

std::string WebPage::narration()
{
    return narrator_.take(game_.restant(), playerScore_, computerScore_);
}

MessageAnswer WebPage::showMessage(const std::string& prompt, const std::string& title,
                                   MessageButtons buttons)
{
    if (buttons == MessageButtons::Ok) {
        page::ask(title, prompt, narration(), std::string(ui_texts::kOk));
        return MessageAnswer::Ok;
    }
    const std::string yesNo = std::string(ui_texts::kYes) + '\t' + std::string(ui_texts::kNo);
    return page::ask(title, prompt, narration(), yesNo) == 0 ? MessageAnswer::Yes
                                                             : MessageAnswer::No;
}

void WebPage::focusMainWindow()
{
    page::focusWindow();
}

void WebPage::showCellPicture(int cell, int picture)
{
    page::showPicture(cell, picture, design::cellName(cell, picture));
    narrator_.pictureShown(cell, picture);
}

void WebPage::setPlayerScoreText(const std::string& text)
{
    playerScore_ = text;
    page::setText("Label4", text);
}

void WebPage::setComputerScoreText(const std::string& text)
{
    computerScore_ = text;
    page::setText("Label6", text);
}

void WebPage::showBanner()
{
    page::showControl("Label7");
}

void WebPage::setBannerText(const std::string& text)
{
    narrator_.bannerShown(text);
    page::setText("Label7", text);
}

void WebPage::setProgressMaximum(double maximum)
{
    progress_.maximum = maximum;
    showProgress();
}

void WebPage::setProgressValue(double value)
{
    progress_.value = value;
    showProgress();
}

void WebPage::showProgress()
{
    const ProgressSteps steps = progress_.steps();
    page::setProgress(steps.maximum, steps.value);
}

int WebPage::sliderValue()
{
    return page::sliderValue();
}

void WebPage::endProgram()
{
    ended_ = true;
    page::endGame();
}

} // namespace torvelle
