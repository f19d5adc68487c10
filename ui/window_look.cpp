// window_look.cpp: fonts, colours, icons and frames of the game's windows.
#include "ui/window_look.h"

#include <algorithm>

#include <QLabel>
#include <QPainter>
#include <QPixmap>
#include <QSvgRenderer>
#include <QWidget>

#include "ui/desktop/wayland_frame.h"
#include "ui/desktop/x11_hints.h"

namespace torvelle {

QPalette textPalette(QPalette palette, const QColor& colour)
{
    palette.setColor(QPalette::WindowText, colour);
    return palette;
}

void growDownToFit(QLabel* label, int least, int bottom)
{
    const int lines = static_cast<int>(label->text().count(QLatin1Char('\n'))) + 1;
    const int needed = label->fontMetrics().lineSpacing() * lines + 1;
    label->resize(label->width(), std::clamp(needed, least, std::max(least, bottom - label->y())));
}

QIcon gameIcon(WindowIcon which)
{
    // Rendered here rather than through Qt's SVG icon plug-in, which would be
    // loaded at start-up for these two icons alone. The larger sizes serve
    // high-density screens.
    QSvgRenderer renderer(which == WindowIcon::France ? QStringLiteral(":/icons/france.svg")
                                                      : QStringLiteral(":/icons/binoculars.svg"));
    QIcon icon;
    for (int size : {16, 24, 32, 48, 64}) {
        QPixmap pixmap(size, size);
        pixmap.fill(Qt::transparent);
        {
            QPainter painter(&pixmap);
            renderer.render(&painter, QRectF(0, 0, size, size));
        }
        icon.addPixmap(pixmap);
    }
    return icon;
}

void applyFixedDialogFrame(QWidget* window)
{
    // A dialog window whose hints leave only the close box. It keeps off the task
    // bar through the window manager's own state for that, where the window manager
    // still lets the player switch back to it; on Wayland the game draws the frame.
    window->setWindowFlags(Qt::Dialog | Qt::CustomizeWindowHint | Qt::WindowTitleHint |
                           Qt::WindowCloseButtonHint);
    // Fixed left to right whatever the language or -reverse: the slider's easy end stays left.
    window->setLayoutDirection(Qt::LeftToRight);
    writeX11HintsBeforeEachMap(window);
    drawOwnFrameOnWayland(window);
}

} // namespace torvelle
