// progress_steps.h: how every front end shows the computer's real-valued progress on a bar that
// counts in whole steps.
#pragma once

#include <algorithm>
#include <cmath>

namespace torvelle {

// In tenths, so that a maximum of 46.2 shows as it is; a count above a newly lowered maximum
// shows as a full bar until the next turn.
struct ProgressSteps {
    static constexpr int kPerUnit = 10;

    int maximum;
    int value;

    static ProgressSteps of(double value, double maximum)
    {
        const auto steps = [](double v) { return static_cast<int>(std::lround(v * kPerUnit)); };
        return {steps(maximum), std::min(steps(value), steps(maximum))};
    }
};

// What a front end holds of the bar: the real maximum and count the rules last set, since
// either may change alone.
struct RealProgress {
    double maximum;
    double value = 0;

    ProgressSteps steps() const { return ProgressSteps::of(value, maximum); }
};

} // namespace torvelle
