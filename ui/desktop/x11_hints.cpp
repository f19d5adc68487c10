// x11_hints.cpp: the class and the skip-taskbar state written on a window just before each map.
#include "ui/desktop/x11_hints.h"

#include <QEvent>
#include <QWidget>

#include "ui/desktop/desktop_identity.h"
#include "ui/desktop/x11_connection.h"

namespace torvelle {

namespace {

// Qt sends the show event before it maps the window, and merges its own states
// with those already on an unmapped window, so what is written here survives.
class HintsOnShow : public QObject {
public:
    HintsOnShow(QWidget* window, bool skipTaskbar) : QObject(window)
    {
        if (skipTaskbar) {
            state_ = x11::atom("_NET_WM_STATE");
            skipTaskbar_ = x11::atom("_NET_WM_STATE_SKIP_TASKBAR");
        }
        window->installEventFilter(this);
    }

    bool eventFilter(QObject* watched, QEvent* event) override
    {
        auto* window = static_cast<QWidget*>(watched);
        if (event->type() != QEvent::Show || event->spontaneous() || !window->isWindow())
            return false;
        xcb_connection_t* c = x11::connection();
        const auto id = static_cast<xcb_window_t>(window->winId());
        // Instance and class, each ended by a NUL. Qt would give the program's name as the
        // class; the desktop entry's name is what launchers and task bars look for.
        const QByteArray wmClass = QByteArray("torvelle") + '\0' + kDesktopEntryName + '\0';
        xcb_change_property(c, XCB_PROP_MODE_REPLACE, id, XCB_ATOM_WM_CLASS, XCB_ATOM_STRING, 8,
                            static_cast<uint32_t>(wmClass.size()), wmClass.constData());
        if (state_ != XCB_ATOM_NONE)
            xcb_change_property(c, XCB_PROP_MODE_REPLACE, id, state_, XCB_ATOM_ATOM, 32, 1,
                                &skipTaskbar_);
        xcb_flush(c);
        return false;
    }

private:
    xcb_atom_t state_ = XCB_ATOM_NONE;
    xcb_atom_t skipTaskbar_ = XCB_ATOM_NONE;
};

// The name the running window manager publishes on its check window (EWMH).
QByteArray windowManagerName()
{
    const QByteArray check =
        x11::property(x11::root(), x11::atom("_NET_SUPPORTING_WM_CHECK"), XCB_ATOM_WINDOW);
    if (check.size() != sizeof(xcb_window_t))
        return {};
    const auto manager = *reinterpret_cast<const xcb_window_t*>(check.constData());
    return x11::property(manager, x11::atom("_NET_WM_NAME"), x11::atom("UTF8_STRING"));
}

} // namespace

void writeX11HintsBeforeEachMap(QWidget* window)
{
    if (!x11::connection())
        return;
    // Off the task bar only where the window manager's Alt+Tab still reaches a dialog
    // kept off it, minimised or covered. xfwm4, GNOME and KDE leave such windows out of
    // their switchers: there the task bar button stays, so that the game is never lost.
    new HintsOnShow(window, windowManagerName() == "Openbox");
}

} // namespace torvelle
