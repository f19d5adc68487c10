// application_start.cpp: starts Qt with its start-up messages held back until a display is open.
#include "ui/application_start.h"

#include <cstdio>
#include <cstdlib>
#include <string>
#include <vector>

#include "ui/desktop/desktop_identity.h"

namespace torvelle {

namespace {

struct HeldMessage {
    QtMsgType type;
    std::string category;
    QString text;
};

// Qt's message handler is a plain function, so what it holds lives here, for the start only.
std::vector<HeldMessage> heldMessages;

void holdMessage(QtMsgType type, const QMessageLogContext& context, const QString& text)
{
    if (type == QtFatalMsg) {
        // The only fatal message of a start is the platform failing to open a display.
        std::fputs("torvelle: no display could be opened (neither X11 nor Wayland)\n", stderr);
        std::_Exit(1);
    }
    heldMessages.push_back({type, context.category ? context.category : "", text});
}

} // namespace

std::unique_ptr<QApplication> startApplication(int& argc, char** argv)
{
    const QtMessageHandler previous = qInstallMessageHandler(holdMessage);
    auto application = std::make_unique<QApplication>(argc, argv);
    qInstallMessageHandler(previous);
    for (const HeldMessage& message : heldMessages) {
        const QMessageLogContext context(nullptr, 0, nullptr, message.category.c_str());
        if (previous)
            previous(message.type, context, message.text);
    }
    heldMessages.clear();
    takeDesktopIdentity();
    return application;
}

} // namespace torvelle
