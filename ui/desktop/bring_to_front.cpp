// bring_to_front.cpp: un-minimise, raise and activate; on Wayland, map the window again.
#include "ui/desktop/bring_to_front.h"

#include <QGuiApplication>
#include <QWidget>

namespace torvelle {

void bringToFront(QWidget* window)
{
    if (QGuiApplication::platformName().startsWith(QLatin1String("wayland")) && window->isVisible())
        window->hide(); // the compositor forgets the old surface, minimised or covered
    window->setWindowState(window->windowState() & ~Qt::WindowMinimized);
    window->show();
    window->raise();
    window->activateWindow();
}

} // namespace torvelle
