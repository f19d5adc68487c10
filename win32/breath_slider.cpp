// breath_slider.cpp: the trackbar's mouse buttons watched through a subclass.
#include "win32/breath_slider.h"

#include <utility>

#include <commctrl.h>

#include "design/form1_design.h"

namespace torvelle::win32 {

BreathSlider::BreathSlider(HWND trackbar, std::function<void()> released)
    : trackbar_(trackbar), released_(std::move(released))
{
    const auto& steps = design::form1::kSlider1;
    SendMessageW(trackbar, TBM_SETLINESIZE, 0, steps.smallStep);
    SendMessageW(trackbar, TBM_SETPAGESIZE, 0, steps.largeStep);
    SendMessageW(trackbar, TBM_SETTICFREQ, steps.tickEvery, 0);
    SetWindowSubclass(trackbar, procedure, 0, reinterpret_cast<DWORD_PTR>(this));
}

int BreathSlider::value() const
{
    return static_cast<int>(SendMessageW(trackbar_, TBM_GETPOS, 0, 0));
}

void BreathSlider::setRange(int minimum, int maximum)
{
    SendMessageW(trackbar_, TBM_SETRANGEMIN, TRUE, minimum);
    SendMessageW(trackbar_, TBM_SETRANGEMAX, TRUE, maximum);
    SendMessageW(trackbar_, TBM_SETTICFREQ, design::form1::kSlider1.tickEvery, 0);
}

LRESULT CALLBACK BreathSlider::procedure(HWND trackbar, UINT message, WPARAM wParam, LPARAM lParam,
                                         UINT_PTR /*id*/, DWORD_PTR data)
{
    auto* slider = reinterpret_cast<BreathSlider*>(data);
    switch (message) {
    case WM_LBUTTONDBLCLK:
    case WM_RBUTTONDBLCLK:
    case WM_MBUTTONDBLCLK: slider->releaseEndsDoubleClick_ = true; break;
    case WM_LBUTTONDOWN:
    case WM_RBUTTONDOWN:
    case WM_MBUTTONDOWN:
        // The class may not tell double-clicks apart: a second press of the same button soon
        // after its release. Another button's press is a click of its own.
        if (message + 1 == slider->lastRelease_ &&
            GetMessageTime() - static_cast<LONG>(slider->lastReleaseTime_) <
                static_cast<LONG>(GetDoubleClickTime()))
            slider->releaseEndsDoubleClick_ = true;
        break;
    case WM_LBUTTONUP:
    case WM_RBUTTONUP:
    case WM_MBUTTONUP: {
        const LRESULT result = DefSubclassProc(trackbar, message, wParam, lParam);
        slider->lastRelease_ = message;
        slider->lastReleaseTime_ = static_cast<DWORD>(GetMessageTime());
        if (!std::exchange(slider->releaseEndsDoubleClick_, false))
            slider->released_();
        return result;
    }
    default: break;
    }
    return DefSubclassProc(trackbar, message, wParam, lParam);
}

} // namespace torvelle::win32
