// form1.h: the main window on Windows, in the platform's own controls, over the same rules.
#pragma once

#include <memory>
#include <vector>

#include <windows.h>

#include "design/form1_design.h"
#include "win32/announcer.h"
#include "win32/breath_slider.h"
#include "win32/drawn_labels.h"
#include "win32/form_builder.h"
#include "win32/grid_box.h"
#include "win32/window_class.h"
#include "window/game_window.h"
#include "window/window_toolkit.h"

namespace torvelle::win32 {

class Dialog;

// Builds its controls at the places the game has always had them, scaled to the screen, and
// routes their events to the rules. The program ends once none of its windows is left.
class Form1 final : public WindowToolkit {
public:
    explicit Form1(HINSTANCE instance);
    ~Form1() override = default;
    Form1(const Form1&) = delete;
    Form1& operator=(const Form1&) = delete;

    HWND hwnd() const { return hwnd_; }
    HWND aboutWindow() const;
    // The window shown, centred on the screen, the slider's range set, the focus on the grid.
    void Form_Load();

    MessageAnswer showBox(const std::string& prompt, const std::string& title,
                          MessageButtons buttons, const std::string& said, BoxOwner owner) override;
    void announce(const std::string& said) override;
    void focusWindow() override;
    void showPicture(int cell, int picture) override;
    void showText(std::string_view control, const std::string& text) override;
    void showControl(std::string_view control) override;
    void showProgress(const RealProgress& progress) override;
    int sliderValue() override;
    void showAbout() override;
    void endProgram() override;
    void leaveFarewellFiles() override;

private:
    static LRESULT CALLBACK procedure(HWND, UINT, WPARAM, LPARAM);
    LRESULT handle(UINT message, WPARAM wParam, LPARAM lParam);
    void buildControls();
    void buildMenus();
    void applyScale(UINT dpi);
    void paintBackground(HDC dc);
    void command(int id);
    void aboutClosed();

    HINSTANCE instance_;
    HWND hwnd_ = nullptr;
    std::unique_ptr<GridBox> grid_;
    std::unique_ptr<FormBuilder> form_;
    std::unique_ptr<Announcer> announcer_;
    HWND label7_ = nullptr;
    std::unique_ptr<BreathSlider> slider1_;
    HWND progre_ = nullptr;
    std::unique_ptr<DrawnLabels> labels_;
    WindowIcons icons_;
    HWND focusOnReturn_ = nullptr;
    Dialog* about_ = nullptr;
    GameWindow window_;
};

} // namespace torvelle::win32
