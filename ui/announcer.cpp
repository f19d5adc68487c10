// announcer.cpp: the notification shown again, with its new text, for every utterance.
#include "ui/announcer.h"

namespace torvelle {

Announcer::Announcer(QWidget* parent) : QWidget(parent)
{
    setObjectName(QStringLiteral("announcer"));
    setFixedSize(0, 0);
    setFocusPolicy(Qt::NoFocus);
    setAttribute(Qt::WA_TransparentForMouseEvents);
    // Shown, with nothing to say, from the start: a screen reader then knows it before
    // its first utterance.
}

void Announcer::announce(const QString& text)
{
    if (text.isEmpty())
        return;
    text_ = text;
    hide();
    show();
}

} // namespace torvelle
