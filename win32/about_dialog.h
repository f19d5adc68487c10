// about_dialog.h: the About box on Windows: the game's name, its version, the notice and the
// payment message. Modeless; it deletes itself when closed.
#pragma once

#include <functional>

#include <windows.h>

namespace torvelle::win32 {

class Dialog {
public:
    static constexpr int kClientWidth = 391;
    static constexpr int kClientHeight = 155;

    // Shown at once, centred on the screen, the focus on OK. `closed` runs once it is gone.
    Dialog(HINSTANCE instance, std::function<void()> closed);
    Dialog(const Dialog&) = delete;
    Dialog& operator=(const Dialog&) = delete;

    HWND hwnd() const { return hwnd_; }

private:
    ~Dialog();
    static LRESULT CALLBACK procedure(HWND, UINT, WPARAM, LPARAM);
    LRESULT handle(UINT message, WPARAM wParam, LPARAM lParam);
    void Form_Load();
    HWND makeLabel(int left, int top, HFONT font);
    HWND makeButton(int id, int left, int top, const wchar_t* text);
    void fitToText(HWND label);
    void OKButton_Click();
    void Command1_Click();

    HINSTANCE instance_;
    std::function<void()> closed_;
    HWND hwnd_ = nullptr;
    HWND focusOnReturn_ = nullptr;
    HWND label1_ = nullptr, label2_ = nullptr, label3_ = nullptr;
    HFONT font_ = nullptr, nameFont_ = nullptr;
    HICON bigIcon_ = nullptr, smallIcon_ = nullptr;
    HBRUSH ground_ = nullptr;
    UINT dpi_ = 96;
};

} // namespace torvelle::win32
