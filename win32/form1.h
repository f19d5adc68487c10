// form1.h: the main window on Windows, in the platform's own controls, over the same rules.
#pragma once

#include <memory>
#include <vector>

#include <windows.h>

#include "win32/announcer.h"
#include "win32/breath_slider.h"
#include "win32/drawn_labels.h"
#include "design/form1_design.h"
#include "win32/form_builder.h"
#include "core/game.h"
#include "core/game_view.h"
#include "win32/grid_box.h"
#include "design/progress_steps.h"
#include "design/turn_narrator.h"
#include "win32/window_class.h"

namespace torvelle::win32 {

class Dialog;

// Builds its controls at the places the game has always had them, scaled to the screen, and
// routes their events to the rules. The program ends once none of its windows is left.
class Form1 final : public GameView {
public:
    explicit Form1(HINSTANCE instance);
    ~Form1() override = default;
    Form1(const Form1&) = delete;
    Form1& operator=(const Form1&) = delete;

    HWND hwnd() const { return hwnd_; }
    HWND aboutWindow() const;
    // The window shown, centred on the screen, the slider's range set, the focus on the grid.
    void Form_Load();

    MessageAnswer showMessage(const std::string& prompt, const std::string& title,
                              MessageButtons buttons) override;
    void focusMainWindow() override;
    void showCellPicture(int cell, int picture) override;
    void setPlayerScoreText(const std::string& text) override;
    void setComputerScoreText(const std::string& text) override;
    void showBanner() override;
    void setBannerText(const std::string& text) override;
    void setProgressMaximum(double maximum) override;
    void setProgressValue(double value) override;
    int sliderValue() override;
    void endProgram() override;

private:
    static LRESULT CALLBACK procedure(HWND, UINT, WPARAM, LPARAM);
    LRESULT handle(UINT message, WPARAM wParam, LPARAM lParam);
    void buildControls();
    void buildMenus();
    void applyScale(UINT dpi);
    void paintBackground(HDC dc);
    // Tells a screen reader what the click has shown so far.
    void tell();
    void command(int id);
    void refreshProgress();
    void aboutClosed();

    void quit_Click();
    void menuaide_Click();
    void menuapropos_Click();
    void Form_QueryUnload();

    HINSTANCE instance_;
    HWND hwnd_ = nullptr;
    std::unique_ptr<GridBox> grid_;
    std::unique_ptr<FormBuilder> form_;
    std::unique_ptr<Announcer> announcer_;
    HWND label4_ = nullptr, label6_ = nullptr, label7_ = nullptr;
    std::unique_ptr<BreathSlider> slider1_;
    HWND progre_ = nullptr;
    std::unique_ptr<DrawnLabels> labels_;
    WindowIcons icons_;
    RealProgress progress_{design::form1::kProgreMaximum};
    bool ended_ = false;
    HWND focusOnReturn_ = nullptr;
    Dialog* about_ = nullptr;
    TurnNarrator narrator_;
    Game game_;
};

} // namespace torvelle::win32
