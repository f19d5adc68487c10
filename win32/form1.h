// form1.h: the main window on Windows, in the platform's own controls, over the same rules.
#pragma once

#include <memory>
#include <vector>

#include <windows.h>

#include "game.h"
#include "game_view.h"
#include "grid_box.h"

namespace torvelle::win32 {

class Dialog;

// Builds its controls at the places the game has always had them, scaled to the screen, and
// routes their events to the rules. The program ends once none of its windows is left.
class Form1 final : public GameView {
public:
    static constexpr int kClientWidth = 551;
    static constexpr int kClientHeight = 372;

    explicit Form1(HINSTANCE instance);
    ~Form1() override;
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
    struct Placed {
        HWND control;
        RECT design; // left, top, width, height in design pixels
    };

    static LRESULT CALLBACK procedure(HWND, UINT, WPARAM, LPARAM);
    static LRESULT CALLBACK sliderProcedure(HWND, UINT, WPARAM, LPARAM, UINT_PTR, DWORD_PTR);
    LRESULT handle(UINT message, WPARAM wParam, LPARAM lParam);
    HWND makeLabel(int id, int left, int top, int width, int height, std::string_view text,
                   DWORD style = SS_LEFT);
    void buildControls();
    void buildMenus();
    void applyScale(UINT dpi);
    void paintBackground(HDC dc);
    LRESULT colourOf(HWND control, HDC dc);
    void command(int id);
    void refreshProgress();
    void fitBanner();
    void aboutClosed();

    void quit_Click();
    void menuaide_Click();
    void menuapropos_Click();
    void Form_QueryUnload();

    HINSTANCE instance_;
    HWND hwnd_ = nullptr;
    std::unique_ptr<GridBox> grid_;
    std::vector<Placed> placed_;
    HWND frame1_ = nullptr, label4_ = nullptr, label6_ = nullptr, label7_ = nullptr;
    HWND label8_ = nullptr, label9_ = nullptr, slider1_ = nullptr, progre_ = nullptr;
    std::vector<HWND> rowAndColumnLabels_;
    HFONT layoutFont_ = nullptr, labelFont_ = nullptr, bannerFont_ = nullptr;
    HICON bigIcon_ = nullptr, smallIcon_ = nullptr;
    UINT dpi_ = 96;
    double progressMaximum_ = 100, progressValue_ = 0;
    bool releaseEndsDoubleClick_ = false;
    DWORD lastSliderRelease_ = 0;
    bool ended_ = false;
    HWND focusOnReturn_ = nullptr;
    Dialog* about_ = nullptr;
    Game game_;
};

} // namespace torvelle::win32
