// window_look.cpp: fonts, colours, icons and frames of the game's windows.
#include "window_look.h"

#include <QGuiApplication>
#include <QPainter>
#include <QPixmap>
#include <QScreen>
#include <QSvgRenderer>
#include <QWidget>

namespace torvelle {

QFont layoutFont()
{
    QFont font;
    font.setFamilies(
        {QStringLiteral("Arial"), QStringLiteral("Liberation Sans"), QStringLiteral("Arimo")});
    font.setStyleHint(QFont::SansSerif);
    font.setPointSize(8);
    return font;
}

QFont bannerFont()
{
    QFont font;
    font.setFamilies({QStringLiteral("MS Serif"), QStringLiteral("Liberation Serif"),
                      QStringLiteral("DejaVu Serif")});
    font.setStyleHint(QFont::Serif);
    font.setPointSize(12);
    font.setBold(true);
    return font;
}

QFont titleFont(qreal points)
{
    QFont font = layoutFont();
    font.setPointSizeF(points);
    font.setBold(true);
    return font;
}

QPalette backgroundPalette(QPalette palette, const QColor& colour)
{
    palette.setColor(QPalette::Window, colour);
    return palette;
}

QPalette textPalette(QPalette palette, const QColor& colour)
{
    palette.setColor(QPalette::WindowText, colour);
    return palette;
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
    // A tool window keeps off the taskbar; the hints leave only the close box.
    window->setWindowFlags(Qt::Tool | Qt::CustomizeWindowHint | Qt::WindowTitleHint |
                           Qt::WindowCloseButtonHint);
    // Tool windows do not keep the program alive by default; these windows do.
    window->setAttribute(Qt::WA_QuitOnClose, true);
}

void centreOnScreen(QWidget* window)
{
    const QScreen* screen = window->screen() ? window->screen() : QGuiApplication::primaryScreen();
    if (!screen)
        return;
    QRect frame = window->frameGeometry();
    frame.moveCenter(screen->availableGeometry().center());
    window->move(frame.topLeft());
}

} // namespace torvelle
