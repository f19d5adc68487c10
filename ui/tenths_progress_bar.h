// tenths_progress_bar.h: the computer's progress bar, whose maximum and value are real numbers.
#pragma once

#include <QProgressBar>

#include "design/form1_design.h"
#include "design/progress_steps.h"

namespace torvelle {

// QProgressBar counts in whole steps; this one counts in tenths so that a
// maximum of 46.2 is shown as it is, and keeps the real numbers for screen readers.
class TenthsProgressBar : public QProgressBar {
    Q_OBJECT
public:
    static constexpr int kStepsPerUnit = ProgressSteps::kPerUnit;

    explicit TenthsProgressBar(QWidget* parent);

    double realMaximum() const { return progress_.maximum; }
    double realValue() const { return progress_.value; }
    void setProgress(const RealProgress& progress);

private:
    void refresh();

    RealProgress progress_{design::form1::kProgreMaximum};
};

} // namespace torvelle
