// x11_taskbar.cpp: the skip-taskbar state written on the window just before each map.
#include "x11_taskbar.h"

#include <cstdlib>

#include <QByteArray>
#include <QEvent>
#include <QGuiApplication>
#include <QWidget>
#include <xcb/xcb.h>

namespace torvelle {

namespace {

xcb_atom_t internAtom(xcb_connection_t* connection, const char* name)
{
    const xcb_intern_atom_cookie_t cookie =
        xcb_intern_atom(connection, 0, static_cast<uint16_t>(qstrlen(name)), name);
    xcb_intern_atom_reply_t* reply = xcb_intern_atom_reply(connection, cookie, nullptr);
    const xcb_atom_t atom = reply ? reply->atom : xcb_atom_t{XCB_ATOM_NONE};
    std::free(reply);
    return atom;
}

// Qt sends the show event before it maps the window, and merges its own states
// with those already on an unmapped window, so the state set here survives.
class SkipTaskbarOnShow : public QObject {
public:
    SkipTaskbarOnShow(QWidget* window, xcb_connection_t* connection)
        : QObject(window), connection_(connection), state_(internAtom(connection, "_NET_WM_STATE")),
          skipTaskbar_(internAtom(connection, "_NET_WM_STATE_SKIP_TASKBAR"))
    {
        window->installEventFilter(this);
    }

    bool eventFilter(QObject* watched, QEvent* event) override
    {
        auto* window = static_cast<QWidget*>(watched);
        if (event->type() == QEvent::Show && !event->spontaneous() && window->isWindow()) {
            xcb_change_property(connection_, XCB_PROP_MODE_REPLACE,
                                static_cast<xcb_window_t>(window->winId()), state_, XCB_ATOM_ATOM,
                                32, 1, &skipTaskbar_);
            xcb_flush(connection_);
        }
        return false;
    }

private:
    xcb_connection_t* connection_;
    xcb_atom_t state_;
    xcb_atom_t skipTaskbar_;
};

// The name the running window manager publishes on its check window (EWMH).
QByteArray windowManagerName(xcb_connection_t* connection)
{
    const xcb_window_t root = xcb_setup_roots_iterator(xcb_get_setup(connection)).data->root;
    const xcb_atom_t check = internAtom(connection, "_NET_SUPPORTING_WM_CHECK");
    const xcb_atom_t name = internAtom(connection, "_NET_WM_NAME");
    const xcb_atom_t utf8 = internAtom(connection, "UTF8_STRING");
    QByteArray result;
    xcb_get_property_reply_t* supporting = xcb_get_property_reply(
        connection, xcb_get_property(connection, 0, root, check, XCB_ATOM_WINDOW, 0, 1), nullptr);
    if (supporting && xcb_get_property_value_length(supporting) == 4) {
        const xcb_window_t wm =
            *static_cast<const xcb_window_t*>(xcb_get_property_value(supporting));
        xcb_get_property_reply_t* named = xcb_get_property_reply(
            connection, xcb_get_property(connection, 0, wm, name, utf8, 0, 64), nullptr);
        if (named)
            result = QByteArray(static_cast<const char*>(xcb_get_property_value(named)),
                                xcb_get_property_value_length(named));
        std::free(named);
    }
    std::free(supporting);
    return result;
}

} // namespace

void keepOffTaskbarOnX11(QWidget* window)
{
    auto* x11 = qGuiApp->nativeInterface<QNativeInterface::QX11Application>();
    if (!x11 || !x11->connection())
        return;
    // Only where the window manager's Alt+Tab still reaches a dialog kept off the task
    // bar, minimised or covered. xfwm4 and others leave such windows out: there the task
    // bar button stays, so that the game is never lost.
    if (windowManagerName(x11->connection()) == "Openbox")
        new SkipTaskbarOnShow(window, x11->connection());
}

} // namespace torvelle
