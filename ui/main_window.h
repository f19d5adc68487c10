// main_window.h: Form1, the game's window: the board, the scores, the slider and the menus.
#pragma once

#include <array>
#include <functional>
#include <vector>

#include <QMainWindow>
#include <QPointer>

#include "ui/about_dialog.h"
#include "ui/image_list.h"
#include "window/game_window.h"
#include "window/window_toolkit.h"

class QFrame;
class QGroupBox;
class QLabel;

namespace torvelle {

class Announcer;
class BreathSlider;
class CellImage;
class TenthsProgressBar;

// Builds the controls and routes their events to the game; holds no rule of its own.
class Form1 : public QMainWindow, public WindowToolkit {
    Q_OBJECT
public:
    Form1();
    ~Form1() override;

    // Builds the grid, shows the window, then sets the slider's range.
    void Form_Load();

    const Game& game() const { return window_.game(); }
    Game& game() { return window_.game(); }
    GameWindow& gameWindow() { return window_; }
    Dialog* aboutDialog() const { return about_; }

    // What ends the program at once. Tests may watch it; the game ends the event loops.
    std::function<void()> programEnder;

    // WindowToolkit
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

    void rendfocus();

protected:
    void closeEvent(QCloseEvent* event) override;
    void keyPressEvent(QKeyEvent* event) override;
    bool eventFilter(QObject* watched, QEvent* event) override;

private:
    void buildControls();
    void buildMenus();
    void creegrille();
    QLabel* label(std::string_view control) const;

    ImageList imageList_;
    GameWindow window_;
    QWidget* client_ = nullptr;
    QFrame* picture1_ = nullptr;
    std::array<CellImage*, Board::kCellCount> cells_{};
    std::vector<QLabel*> captions_;
    QGroupBox* frame1_ = nullptr;
    QLabel* label7_ = nullptr;
    BreathSlider* slider1_ = nullptr;
    TenthsProgressBar* progre_ = nullptr;
    QPointer<Dialog> about_;
    Announcer* announcer_ = nullptr;
};

} // namespace torvelle
