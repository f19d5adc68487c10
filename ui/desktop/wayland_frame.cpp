// wayland_frame.cpp: a title bar and border painted around the window's contents.
#include "ui/desktop/wayland_frame.h"

#include <QEvent>
#include <QGuiApplication>
#include <QMouseEvent>
#include <QPainter>
#include <QWidget>
#include <QWindow>

namespace torvelle {

namespace {

constexpr int kTitleHeight = 24;
constexpr int kBorder = 1;
constexpr int kIconSize = 16;

// Spans the whole window beneath its contents, which the window's margins keep
// clear of the title bar and the border.
class OwnFrame : public QWidget {
public:
    explicit OwnFrame(QWidget* window) : QWidget(window)
    {
        setObjectName(QStringLiteral("frame"));
        window->setContentsMargins(kBorder, kTitleHeight, kBorder, kBorder);
        window->installEventFilter(this);
        lower();
        setGeometry(window->rect());
    }

    QRect closeBox() const
    {
        const int side = kTitleHeight - 6;
        return {width() - kBorder - 3 - side, 3, side, side};
    }

protected:
    bool eventFilter(QObject* watched, QEvent* event) override
    {
        auto* window = static_cast<QWidget*>(watched);
        switch (event->type()) {
        case QEvent::Resize: setGeometry(window->rect()); break;
        case QEvent::WindowTitleChange:
        case QEvent::WindowIconChange:
        case QEvent::ActivationChange: update(); break;
        default: break;
        }
        return false;
    }

    void paintEvent(QPaintEvent* /*event*/) override
    {
        const QWidget* window = parentWidget();
        const bool active = window->isActiveWindow();
        const QPalette& colours = palette();
        QPainter painter(this);
        const QRect bar(0, 0, width(), kTitleHeight);
        painter.fillRect(bar, active ? colours.color(QPalette::Highlight)
                                     : colours.color(QPalette::Button));
        const QColor text =
            active ? colours.color(QPalette::HighlightedText) : colours.color(QPalette::ButtonText);
        painter.setPen(colours.color(QPalette::Shadow));
        painter.drawRect(rect().adjusted(0, 0, -1, -1));

        const int iconTop = (kTitleHeight - kIconSize) / 2;
        window->windowIcon().paint(&painter, QRect(4, iconTop, kIconSize, kIconSize));
        QFont caption = font();
        caption.setBold(true);
        painter.setFont(caption);
        painter.setPen(text);
        const QRect captionRect(4 + kIconSize + 4, 0, closeBox().left() - kIconSize - 12,
                                kTitleHeight);
        painter.drawText(captionRect, Qt::AlignLeft | Qt::AlignVCenter,
                         painter.fontMetrics().elidedText(window->windowTitle(), Qt::ElideRight,
                                                          captionRect.width()));

        const QRect box = closeBox();
        painter.fillRect(box, colours.color(QPalette::Button));
        painter.setPen(colours.color(QPalette::ButtonText));
        painter.drawRect(box.adjusted(0, 0, -1, -1));
        painter.setRenderHint(QPainter::Antialiasing);
        painter.setPen(QPen(colours.color(QPalette::ButtonText), 2));
        const QRectF cross = QRectF(box).adjusted(5, 5, -5, -5);
        painter.drawLine(cross.topLeft(), cross.bottomRight());
        painter.drawLine(cross.bottomLeft(), cross.topRight());
    }

    void mousePressEvent(QMouseEvent* event) override
    {
        const QPoint at = event->position().toPoint();
        closePressed_ = event->button() == Qt::LeftButton && closeBox().contains(at);
        if (event->button() == Qt::LeftButton && !closePressed_ && at.y() < kTitleHeight &&
            parentWidget()->windowHandle())
            parentWidget()->windowHandle()->startSystemMove();
    }

    void mouseReleaseEvent(QMouseEvent* event) override
    {
        if (closePressed_ && closeBox().contains(event->position().toPoint()))
            parentWidget()->close(); // as the close box of any frame: the close query runs
        closePressed_ = false;
    }

private:
    bool closePressed_ = false;
};

} // namespace

void drawOwnFrameOnWayland(QWidget* window)
{
    if (!QGuiApplication::platformName().startsWith(QLatin1String("wayland")))
        return;
    // The frame hints go: with a close box hint Qt would not leave the window frameless.
    window->setWindowFlags((window->windowFlags() & Qt::WindowType_Mask) | Qt::FramelessWindowHint);
    new OwnFrame(window);
}

} // namespace torvelle
