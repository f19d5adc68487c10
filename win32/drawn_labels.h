// drawn_labels.h: the row letters and column numbers, drawn by the main window itself rather
// than as twenty windows of their own, and told to assistive technology as the labels they are.
#pragma once

#include <string>
#include <vector>

#include <windows.h>

#include "design/form.h"
#include "win32/drawn_controls.h"

namespace torvelle::win32 {

class DrawnAccessible;
class FormBuilder;

class DrawnLabels final : public DrawnControls {
public:
    DrawnLabels(HWND window, FormBuilder& form);
    ~DrawnLabels() override;
    DrawnLabels(const DrawnLabels&) = delete;
    DrawnLabels& operator=(const DrawnLabels&) = delete;

    // Element i of an array of labels, shown once its caption is given.
    void add(const design::ControlArray& array, int i);
    void setText(int label, const std::string& text);
    // WM_PAINT: the labels captioned so far.
    void paint() const;
    // What WM_GETOBJECT answers: the labels among the window's client area's controls.
    LRESULT accessibleResult(WPARAM flags, LPARAM object);

    HWND hwnd() const override { return window_; }
    int count() const override { return static_cast<int>(labels_.size()); }
    std::string name(int label) const override
    {
        return labels_.at(static_cast<size_t>(label)).text;
    }
    long role(int label) const override;
    RECT place(int label) const override;

private:
    struct Label {
        design::Rect rect;
        design::Font font;
        std::string text;
    };

    HWND window_;
    FormBuilder& form_;
    std::vector<Label> labels_;
    DrawnAccessible* accessible_;
};

} // namespace torvelle::win32
