// about_dialog.h: Dialog, the About box: name, version, the fee notice and how to pay it.
#pragma once

#include <functional>
#include <string>

#include <QWidget>

class QLabel;
class QPushButton;

namespace torvelle {

// Loaded when opened, unloaded (deleted) by OK or the close box. Modeless.
class Dialog : public QWidget {
    Q_OBJECT
public:
    // `askPayment` shows "Payement"'s box, which the game's window holds.
    explicit Dialog(std::function<void()> askPayment);

    void OKButton_Click();
    void Command1_Click();

protected:
    void paintEvent(QPaintEvent* event) override;
    void keyPressEvent(QKeyEvent* event) override;

private:
    void Form_Load();

    QWidget* client_ = nullptr;
    QLabel* label2_ = nullptr;
    QLabel* label3_ = nullptr;
    std::function<void()> askPayment_;
};

} // namespace torvelle
