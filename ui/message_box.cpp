// message_box.cpp: plain-text boxes with no icon, "Oui"/"Non" or "OK".
#include "message_box.h"

#include <QAbstractButton>
#include <QIcon>
#include <QMessageBox>
#include <QPushButton>

#include "ui_texts.h"

namespace torvelle {

QString displayText(std::string_view text)
{
    QString shown = QString::fromUtf8(text.data(), static_cast<qsizetype>(text.size()));
    shown.replace(QStringLiteral("\r\n"), QStringLiteral("\n"));
    return shown;
}

MessageAnswer showMessageBox(QWidget* parent, std::string_view prompt, std::string_view title,
                             MessageButtons buttons)
{
    QMessageBox box(parent);
    box.setIcon(QMessageBox::NoIcon);
    box.setTextFormat(Qt::PlainText);
    box.setWindowTitle(displayText(title));
    box.setText(displayText(prompt));
    box.setWindowModality(Qt::ApplicationModal);
    box.setLayoutDirection(Qt::LeftToRight);
    if (buttons == MessageButtons::Ok) {
        box.setStandardButtons(QMessageBox::Ok);
        box.button(QMessageBox::Ok)->setText(displayText(ui_texts::kOk));
        box.button(QMessageBox::Ok)->setIcon(QIcon()); // a plain "OK", as every button here
        box.exec();
        return MessageAnswer::Ok;
    }
    // "Non" ends the program, so it must be chosen, never reached by Escape or
    // the close box: with no button in a rejecting role the box has no escape.
    QAbstractButton* yes = box.addButton(displayText(ui_texts::kYes), QMessageBox::YesRole);
    box.addButton(displayText(ui_texts::kNo), QMessageBox::AcceptRole);
    box.setDefaultButton(static_cast<QPushButton*>(yes));
    box.exec();
    return box.clickedButton() == yes ? MessageAnswer::Yes : MessageAnswer::No;
}

} // namespace torvelle
