// web_page.cpp: the window's calls out to the page.
#include "web/web_page.h"

#include "design/cell_name.h"
#include "design/ui_texts.h"

namespace torvelle {

MessageAnswer WebPage::showBox(const std::string& prompt, const std::string& title,
                               MessageButtons buttons, const std::string& said,
                               BoxOwner /*owner: every box of the page is modal to it all*/)
{
    if (buttons == MessageButtons::Ok) {
        page::ask(title, prompt, said, std::string(ui_texts::kOk));
        return MessageAnswer::Ok;
    }
    const std::string yesNo = std::string(ui_texts::kYes) + '\t' + std::string(ui_texts::kNo);
    return page::ask(title, prompt, said, yesNo) == 0 ? MessageAnswer::Yes : MessageAnswer::No;
}

void WebPage::showPicture(int cell, int picture)
{
    page::showPicture(cell, picture, design::cellName(cell, picture));
}

void WebPage::showProgress(const RealProgress& progress)
{
    const ProgressSteps steps = progress.steps();
    page::setProgress(steps.maximum, steps.value);
}

} // namespace torvelle
