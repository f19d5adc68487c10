// tenths_progress_bar.cpp: real numbers shown in tenths; a value past the maximum fills the bar.
#include "ui/tenths_progress_bar.h"

#include "design/progress_steps.h"

namespace torvelle {

TenthsProgressBar::TenthsProgressBar(QWidget* parent) : QProgressBar(parent)
{
    setTextVisible(false);
    setFocusPolicy(Qt::NoFocus);
    setMinimum(0);
    refresh();
}

void TenthsProgressBar::setProgress(const RealProgress& progress)
{
    progress_ = progress;
    refresh();
}

void TenthsProgressBar::refresh()
{
    const ProgressSteps steps = progress_.steps();
    setMaximum(steps.maximum);
    setValue(steps.value);
}

} // namespace torvelle
