// tenths_progress_bar.cpp: real numbers shown in tenths; a value past the maximum fills the bar.
#include "tenths_progress_bar.h"

#include <algorithm>
#include <cmath>

namespace torvelle {

TenthsProgressBar::TenthsProgressBar(QWidget* parent) : QProgressBar(parent)
{
    setTextVisible(false);
    setFocusPolicy(Qt::NoFocus);
    setMinimum(0);
    refresh();
}

void TenthsProgressBar::setRealMaximum(double maximum)
{
    maximum_ = maximum;
    refresh();
}

void TenthsProgressBar::setRealValue(double value)
{
    value_ = value;
    refresh();
}

void TenthsProgressBar::refresh()
{
    const auto steps = [](double v) { return static_cast<int>(std::lround(v * kStepsPerUnit)); };
    setMaximum(steps(maximum_));
    // A count above a newly lowered maximum shows as a full bar until the next turn.
    setValue(std::min(steps(value_), maximum()));
}

} // namespace torvelle
