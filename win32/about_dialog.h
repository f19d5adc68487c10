// about_dialog.h: the About box on Windows: the game's name, its version, the notice and the
// payment message. Modeless; it deletes itself when closed.
#pragma once

#include <functional>
#include <memory>

#include <windows.h>

#include "win32/form_builder.h"
#include "win32/window_class.h"

namespace torvelle::win32 {

class Dialog {
public:
    // Shown at once, centred on the screen, the focus on OK. `askPayment` shows "Payement"'s
    // box, which the game's window holds; `closed` runs once the dialog is gone.
    Dialog(HINSTANCE instance, std::function<void()> askPayment, std::function<void()> closed);
    Dialog(const Dialog&) = delete;
    Dialog& operator=(const Dialog&) = delete;

    HWND hwnd() const { return hwnd_; }

private:
    ~Dialog();
    static LRESULT CALLBACK procedure(HWND, UINT, WPARAM, LPARAM);
    LRESULT handle(UINT message, WPARAM wParam, LPARAM lParam);
    void Form_Load();
    void OKButton_Click();
    void Command1_Click();

    HINSTANCE instance_;
    std::function<void()> askPayment_;
    std::function<void()> closed_;
    HWND hwnd_ = nullptr;
    HWND focusOnReturn_ = nullptr;
    std::unique_ptr<FormBuilder> form_;
    WindowIcons icons_;
};

} // namespace torvelle::win32
