// announcer.h: an unseen line of the window that screen readers speak each time it is shown.
#pragma once

#include <QString>
#include <QWidget>

namespace torvelle {

// Screen readers speak a change only on the object that has the focus, and the board's
// cells never take it. A notification that appears is spoken wherever the focus is: this
// one appears again with every utterance. It has no size and draws nothing.
class Announcer : public QWidget {
    Q_OBJECT
public:
    explicit Announcer(QWidget* parent);

    const QString& text() const { return text_; }
    void announce(const QString& text);

private:
    QString text_;
};

} // namespace torvelle
