// breath_slider.h: Slider1, the trackbar of the computer's breath, which tells of every mouse
// button released over it.
#pragma once

#include <functional>

#include <windows.h>

namespace torvelle::win32 {

// Any button, moved or not, a click on the channel included; a double-click is one release.
// Keyboard moves do not count.
class BreathSlider {
public:
    BreathSlider(HWND trackbar, std::function<void()> released);
    BreathSlider(const BreathSlider&) = delete;
    BreathSlider& operator=(const BreathSlider&) = delete;

    HWND hwnd() const { return trackbar_; }
    int value() const;
    // Its range, set at load, with a tick at every value.
    void setRange(int minimum, int maximum);

private:
    static LRESULT CALLBACK procedure(HWND, UINT, WPARAM, LPARAM, UINT_PTR, DWORD_PTR);

    HWND trackbar_;
    std::function<void()> released_;
    bool releaseEndsDoubleClick_ = false;
    UINT lastRelease_ = 0; // the button-up message
    DWORD lastReleaseTime_ = 0;
};

} // namespace torvelle::win32
