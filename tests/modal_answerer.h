// modal_answerer.h: answers the game's real modal message boxes from inside their own event loop.
#pragma once

#include <deque>
#include <functional>
#include <string>
#include <vector>

#include <QAbstractButton>
#include <QApplication>
#include <QMessageBox>
#include <QTimer>

namespace torvelle::testing {

struct SeenBox {
    QString title;
    QString text;
    QStringList buttons;
};

// While it lives, every message box that opens is recorded and answered: by the
// next queued button text, or else "OK" / "Oui". `onBox` runs before the answer,
// while the box still blocks the game, so a test can look at the window then.
class ModalAnswerer : public QObject {
public:
    std::vector<SeenBox> seen;
    std::deque<QString> answers;
    std::function<void(const SeenBox&)> onBox;

    ModalAnswerer() { qApp->installEventFilter(this); }
    ~ModalAnswerer() override { qApp->removeEventFilter(this); }

    // A message box being shown is answered as soon as its own event loop runs.
    bool eventFilter(QObject* watched, QEvent* event) override
    {
        if (event->type() == QEvent::Show && qobject_cast<QMessageBox*>(watched))
            QTimer::singleShot(0, this, &ModalAnswerer::answerOpenBox);
        return false;
    }

    QStringList titles() const
    {
        QStringList all;
        for (const SeenBox& box : seen)
            all << box.title;
        return all;
    }
    QStringList texts() const
    {
        QStringList all;
        for (const SeenBox& box : seen)
            all << box.text;
        return all;
    }

private:
    void answerOpenBox()
    {
        auto* box = qobject_cast<QMessageBox*>(QApplication::activeModalWidget());
        if (!box || !box->isVisible() || box->property("answered").toBool())
            return;
        box->setProperty("answered", true);
        SeenBox record{box->windowTitle(), box->text(), {}};
        for (QAbstractButton* button : box->buttons())
            record.buttons << button->text();
        seen.push_back(record);
        if (onBox)
            onBox(record);
        QString wanted = record.buttons.contains(QStringLiteral("Oui")) ? QStringLiteral("Oui")
                                                                        : QStringLiteral("OK");
        if (!answers.empty()) {
            wanted = answers.front();
            answers.pop_front();
        }
        for (QAbstractButton* button : box->buttons())
            if (button->text() == wanted) {
                button->click();
                return;
            }
        box->done(0);
    }
};

} // namespace torvelle::testing
