// main_window.h: Form1, the game's window: the board, the scores, the slider and the menus.
#pragma once

#include <array>
#include <functional>

#include <QMainWindow>
#include <QPointer>

#include "ui/about_dialog.h"
#include "core/game.h"
#include "core/game_view.h"
#include "ui/image_list.h"
#include "design/turn_narrator.h"

class QFrame;
class QGroupBox;
class QLabel;

namespace torvelle {

class Announcer;
class BreathSlider;
class CellImage;
class TenthsProgressBar;

// Builds the controls and routes their events to the game; holds no rule of its own.
class Form1 : public QMainWindow, public GameView {
    Q_OBJECT
public:
    Form1();
    ~Form1() override;

    // Builds the grid, shows the window, then sets the slider's range.
    void Form_Load();

    const Game& game() const { return game_; }
    Game& game() { return game_; }
    Dialog* aboutDialog() const { return about_; }

    // What ends the program at once. Tests may watch it; the game ends the event loops.
    std::function<void()> programEnder;

    // GameView
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

    void quit_Click();
    void menuaide_Click();
    void menuapropos_Click();
    void rendfocus();

protected:
    void closeEvent(QCloseEvent* event) override;
    void keyPressEvent(QKeyEvent* event) override;
    bool eventFilter(QObject* watched, QEvent* event) override;

private:
    void buildControls();
    void buildMenus();
    void creegrille();
    void Form_QueryUnload();
    // What a screen reader is to say of the click so far, taken from the narrator.
    std::string narration();

    ImageList imageList_;
    Game game_;
    QWidget* client_ = nullptr;
    QFrame* picture1_ = nullptr;
    std::array<CellImage*, Board::kCellCount> cells_{};
    std::array<QLabel*, Board::kRows> rowLabels_{};
    std::array<QLabel*, Board::kColumns> columnLabels_{};
    QGroupBox* frame1_ = nullptr;
    QLabel* label4_ = nullptr;
    QLabel* label6_ = nullptr;
    QLabel* label7_ = nullptr;
    BreathSlider* slider1_ = nullptr;
    TenthsProgressBar* progre_ = nullptr;
    QPointer<Dialog> about_;
    TurnNarrator narrator_;
    Announcer* announcer_ = nullptr;
};

} // namespace torvelle
