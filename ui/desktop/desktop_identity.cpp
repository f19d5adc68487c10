// desktop_identity.cpp: the desktop entry's name given to Qt for the Wayland application id.
#include "ui/desktop/desktop_identity.h"

#include <QGuiApplication>

namespace torvelle {

void takeDesktopIdentity()
{
    QGuiApplication::setDesktopFileName(QString::fromLatin1(kDesktopEntryName));
}

} // namespace torvelle
