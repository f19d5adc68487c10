// frame_placement.cpp: the frame's centre put on the target's, before mapping and once framed.
#include "ui/desktop/frame_placement.h"

#include <QAbstractNativeEventFilter>
#include <QEvent>
#include <QGuiApplication>
#include <QLayout>
#include <QPointer>
#include <QScreen>
#include <QTimer>
#include <QWidget>
#include <QWindow>

#include "ui/desktop/x11_connection.h"

namespace torvelle {

namespace {

// Frames and places are read from the X server itself: Qt's idea of a window's frame and
// place can lag behind while the window manager reparents and moves it.
xcb_window_t idOf(const QWidget* window)
{
    return static_cast<xcb_window_t>(window->winId());
}

// Where the window's frame goes: over the other window's frame while that one is shown.
QPoint targetCentre(const QWidget* window, const QWidget* over)
{
    if (over && over->isVisible() && !over->isMinimized())
        return x11::clientArea(idOf(over)).marginsAdded(x11::frameExtents(idOf(over))).center();
    const QScreen* screen = window->screen() ? window->screen() : QGuiApplication::primaryScreen();
    return screen ? screen->availableGeometry().center() : window->geometry().center();
}

// Before the first map the window has no frame yet; the game's windows all share one
// kind of frame, so one already framed lends its margins for the estimate.
QMargins expectedFrameMargins(const QWidget* window, const QWidget* over)
{
    const QMargins own = x11::frameExtents(idOf(window));
    if (!own.isNull() || !over)
        return own;
    return x11::frameExtents(idOf(over));
}

void moveFrameTo(QWidget* window, const QWidget* over)
{
    if (window->layout())
        window->layout()->activate(); // the window takes its fixed size from its layout
    const QMargins margins = expectedFrameMargins(window, over);
    QRect frame = QRect(QPoint(), window->size()).marginsAdded(margins);
    frame.moveCenter(targetCentre(window, over));
    // The client area's place, computed here: a widget's move() takes the frame's corner
    // from the widget's own idea of its frame.
    const QRect client = frame.marginsRemoved(margins);
    window->setGeometry(client);
    // Qt sends nothing when it believes the window is there already, which it may while the
    // window manager frames it; the request goes to the X server all the same. The game's
    // windows keep static gravity: the place asked for is the client area's.
    const uint32_t at[] = {static_cast<uint32_t>(client.x()), static_cast<uint32_t>(client.y())};
    xcb_configure_window(x11::connection(), idOf(window), XCB_CONFIG_WINDOW_X | XCB_CONFIG_WINDOW_Y,
                         at);
    xcb_flush(x11::connection());
}

// The frame's size is known only once the window manager has framed the window, at its
// first exposure or, with some window managers, a moment later when it publishes the
// frame's extents; and a window manager may still place a new window by its own rules.
// Until the window has been on screen for a moment, each time its frame lands elsewhere
// it is centred again; afterwards the window is the player's to move.
class CentreWhileSettling : public QObject, public QAbstractNativeEventFilter {
public:
    static constexpr char kName[] = "torvelle-frame-placement";

    CentreWhileSettling(QWidget* window, const QWidget* over)
        : QObject(window), window_(window), over_(over),
          frameExtents_(x11::atom("_NET_FRAME_EXTENTS"))
    {
        setObjectName(kName);
        window->installEventFilter(this);
        window->windowHandle()->installEventFilter(this);
        qApp->installNativeEventFilter(this);
    }
    ~CentreWhileSettling() override { qApp->removeNativeEventFilter(this); }

    bool eventFilter(QObject* /*watched*/, QEvent* event) override
    {
        if (event->type() == QEvent::Expose && window_->isVisible() && !settling_) {
            settling_ = true;
            QTimer::singleShot(kSettleMilliseconds, this, &QObject::deleteLater);
        }
        // Only once framed: without a window manager nothing is asked of the X server.
        if (event->type() == QEvent::Move && framed_)
            check();
        return false;
    }

    bool nativeEventFilter(const QByteArray& type, void* message, qintptr* /*result*/) override
    {
        if (type != "xcb_generic_event_t")
            return false;
        const auto* event = static_cast<const xcb_generic_event_t*>(message);
        if ((event->response_type & ~0x80) != XCB_PROPERTY_NOTIFY)
            return false;
        const auto* property = static_cast<const xcb_property_notify_event_t*>(message);
        if (property->atom == frameExtents_ && property->window == idOf(window_)) {
            framed_ = true;
            check(); // queued: Qt reads the new extents on this same event, after the filters
        }
        return false;
    }

private:
    static constexpr int kSettleMilliseconds = 1000;

    void check()
    {
        QMetaObject::invokeMethod(
            this,
            [this] {
                const xcb_window_t id = idOf(window_);
                const QMargins margins = x11::frameExtents(id);
                if (!window_->isVisible() || margins.isNull())
                    return;
                const QPoint off = x11::clientArea(id).marginsAdded(margins).center() -
                                   targetCentre(window_, over_);
                if (off.manhattanLength() > 1)
                    moveFrameTo(window_, over_);
            },
            Qt::QueuedConnection);
    }

    QWidget* window_;
    QPointer<const QWidget> over_;
    xcb_atom_t frameExtents_;
    bool settling_ = false;
    bool framed_ = false;
};

} // namespace

void centreOver(QWidget* window, const QWidget* over)
{
    if (!x11::connection())
        return;      // on Wayland the compositor places every window
    window->winId(); // the native window, to read its frame and watch for it
    moveFrameTo(window, over);
    if (!window->findChild<QObject*>(CentreWhileSettling::kName, Qt::FindDirectChildrenOnly))
        new CentreWhileSettling(window, over);
}

void centreOnScreen(QWidget* window)
{
    centreOver(window, nullptr);
}

} // namespace torvelle
