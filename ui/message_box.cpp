// message_box.cpp: plain-text boxes with no icon, "Oui"/"Non" or "OK".
#include "ui/message_box.h"

#include <algorithm>

#include <QAbstractButton>
#include <QEvent>
#include <QIcon>
#include <QLabel>
#include <QLayout>
#include <QMessageBox>
#include <QPushButton>
#include <QScreen>

#include "design/ui_texts.h"
#include "ui/desktop/frame_placement.h"
#include "ui/window_look.h"

namespace torvelle {

QString displayText(std::string_view text)
{
    QString shown = QString::fromUtf8(text.data(), static_cast<qsizetype>(text.size()));
    shown.replace(QStringLiteral("\r\n"), QStringLiteral("\n"));
    return shown;
}

namespace {

// Sized as the desktop's own boxes are: the whole title shows in the window
// manager's title bar, and a line that fits on the screen is not wrapped. Centred by
// its whole frame on the window that opened it.
class GameMessageBox : public QMessageBox {
public:
    using QMessageBox::QMessageBox;

protected:
    // Qt sizes the box on showing and on every layout request, wrapping the text
    // beyond half the screen and allowing the title little room; it is widened after,
    // and placed again once its size is final.
    void showEvent(QShowEvent* event) override
    {
        QMessageBox::showEvent(event);
        widen();
        centre();
    }
    bool event(QEvent* event) override
    {
        const bool handled = QMessageBox::event(event);
        if (event->type() == QEvent::LayoutRequest)
            widen();
        return handled;
    }
    // Qt and the style may still resize the box after it was shown.
    void resizeEvent(QResizeEvent* event) override
    {
        QMessageBox::resizeEvent(event);
        if (isVisible())
            centre();
    }

private:
    void centre() { centreOver(this, parentWidget() ? parentWidget()->window() : nullptr); }

    void widen()
    {
        const auto* label = findChild<QLabel*>(QStringLiteral("qt_msgbox_label"));
        if (!label || !screen())
            return;
        const int room = screen()->availableGeometry().width() * 9 / 10;
        const int around = width() - label->width();
        int textWidth = 0;
        for (const QString& line : text().split(QLatin1Char('\n')))
            textWidth = std::max(textWidth, label->fontMetrics().horizontalAdvance(line) + 2);
        // A bold title, with the frame's icon and buttons beside it.
        QFont titleFont = font();
        titleFont.setBold(true);
        const int titleWidth = QFontMetrics(titleFont).horizontalAdvance(windowTitle()) + 140;
        const int wanted = std::min(std::max({width(), textWidth + around, titleWidth}), room);
        if (wanted <= width())
            return;
        const int height = layout()->hasHeightForWidth() ? layout()->totalHeightForWidth(wanted)
                                                         : layout()->totalMinimumSize().height();
        setFixedSize(wanted, height);
    }
};

// Until answered; then the window that opened the box has the keyboard again, as the
// owner of a box always has on the desktop the game was born on: not every window
// manager hands it back by itself, and keys typed then would reach nothing.
void answer(QMessageBox& box)
{
    box.exec();
    QWidget* opener = box.parentWidget() ? box.parentWidget()->window() : nullptr;
    if (opener && opener->isVisible() && !opener->isMinimized())
        opener->activateWindow();
}

} // namespace

MessageAnswer showMessageBox(QWidget* parent, std::string_view prompt, std::string_view title,
                             MessageButtons buttons, std::string_view said)
{
    GameMessageBox box(parent);
    // First: a message box sets its window flags anew when its modality is set.
    box.setWindowModality(Qt::ApplicationModal);
    applyFixedDialogFrame(&box); // the close box only, as the desktop's own message boxes
    box.setIcon(QMessageBox::NoIcon);
    box.setTextFormat(Qt::PlainText);
    box.setWindowTitle(displayText(title));
    box.setText(displayText(prompt));
    // Read after the box's text: what is still to be told of the game, such as the shots
    // that ended it.
    box.setAccessibleDescription(displayText(said));
    if (buttons == MessageButtons::Ok) {
        box.setStandardButtons(QMessageBox::Ok);
        box.button(QMessageBox::Ok)->setText(displayText(ui_texts::kOk));
        box.button(QMessageBox::Ok)->setIcon(QIcon()); // a plain "OK", as every button here
        answer(box);
        return MessageAnswer::Ok;
    }
    // "Non" ends the program, so it must be chosen, never reached by Escape or
    // the close box: with no button in a rejecting role the box has no escape.
    QAbstractButton* yes = box.addButton(displayText(ui_texts::kYes), QMessageBox::YesRole);
    box.addButton(displayText(ui_texts::kNo), QMessageBox::AcceptRole);
    box.setDefaultButton(static_cast<QPushButton*>(yes));
    answer(box);
    return box.clickedButton() == yes ? MessageAnswer::Yes : MessageAnswer::No;
}

} // namespace torvelle
