// form_builder.h: a window's controls made from its design in the platform's own classes, and
// placed and lettered at the window's screen scale.
#pragma once

#include <string_view>
#include <utility>
#include <vector>

#include <windows.h>

#include "design/form.h"

namespace torvelle::win32 {

// Makes every control of the design but the picture box, whose cells are the window's own
// business, in the design's order, which is the tab order. A label goes by its number
// (Label4 is the control 4); a control in a group frame is the window's child, placed within
// the frame, which lies under it.
class FormBuilder {
public:
    FormBuilder(const design::Window& window, HWND hwnd, HINSTANCE instance);
    ~FormBuilder();
    FormBuilder(const FormBuilder&) = delete;
    FormBuilder& operator=(const FormBuilder&) = delete;

    HWND get(std::string_view name) const;
    int idOf(std::string_view name) const;

    // Every control at its place and in its font for `dpi`; fitted labels fitted again.
    void applyScale(UINT dpi);
    // A design rectangle of the client area, on the screen.
    RECT onScreen(const design::Rect& rect) const;
    // Where a control stands in the client area, in design pixels.
    design::Rect placeOf(std::string_view name) const;
    // A design's font at the window's scale (an empty face: the window's), made once.
    HFONT font(const design::Font& font);
    // A label fitted to its text sized to the text it has now.
    void fitToText(HWND label) const;
    // A label as high as its lines need, never below its design nor past its container.
    void growDownToFit(HWND label) const;
    // For WM_CTLCOLORSTATIC and WM_CTLCOLORBTN: the design's colours, readable on the ground
    // of the scheme Windows has now.
    LRESULT colour(HWND control, HDC dc) const;
    HBRUSH ground() const;
    // The scheme changed: the common controls are told, and everything is painted again.
    void schemeChanged() const;

private:
    struct Placed {
        HWND hwnd;
        const design::Control* design; // none for an element of a control array
        design::Rect rect;             // in the client area
        design::Font font;
    };
    HWND make(const design::Control& control);
    HFONT fontOf(HWND control) const;
    COLORREF groundColour() const;
    const Placed* placed(HWND control) const;
    const Placed* placed(std::string_view name) const;

    const design::Window& window_;
    HWND hwnd_;
    HINSTANCE instance_;
    UINT dpi_ = 96;
    std::vector<Placed> placed_;
    std::vector<std::pair<design::Font, HFONT>> fonts_;
    HBRUSH fixedGround_ = nullptr;
};

} // namespace torvelle::win32
