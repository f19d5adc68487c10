// live_view.cpp: the gate between the game and its view.
#include "core/live_view.h"

namespace torvelle {

MessageAnswer LiveView::showMessage(const std::string& prompt, const std::string& title,
                                    MessageButtons buttons)
{
    if (ended_)
        return buttons == MessageButtons::YesNo ? MessageAnswer::No : MessageAnswer::Ok;
    return target_.showMessage(prompt, title, buttons);
}

void LiveView::focusMainWindow()
{
    if (!ended_)
        target_.focusMainWindow();
}

void LiveView::showCellPicture(int cell, int picture)
{
    if (!ended_)
        target_.showCellPicture(cell, picture);
}

void LiveView::setPlayerScoreText(const std::string& text)
{
    if (!ended_)
        target_.setPlayerScoreText(text);
}

void LiveView::setComputerScoreText(const std::string& text)
{
    if (!ended_)
        target_.setComputerScoreText(text);
}

void LiveView::showBanner()
{
    if (!ended_)
        target_.showBanner();
}

void LiveView::setBannerText(const std::string& text)
{
    if (!ended_)
        target_.setBannerText(text);
}

void LiveView::setProgressMaximum(double maximum)
{
    if (!ended_)
        target_.setProgressMaximum(maximum);
}

void LiveView::setProgressValue(double value)
{
    if (!ended_)
        target_.setProgressValue(value);
}

int LiveView::sliderValue()
{
    return target_.sliderValue();
}

void LiveView::endProgram()
{
    if (ended_)
        return;
    ended_ = true;
    target_.endProgram();
}

} // namespace torvelle
