// x11_connection.cpp: small synchronous questions to the X server, each answered at once.
#include "ui/desktop/x11_connection.h"

#include <cstdlib>
#include <memory>

#include <QGuiApplication>
#include <QHash>

namespace torvelle::x11 {

namespace {

// xcb hands out replies allocated with malloc.
template <typename Reply> std::unique_ptr<Reply, decltype(&std::free)> owned(Reply* reply)
{
    return {reply, &std::free};
}

} // namespace

xcb_connection_t* connection()
{
    auto* x11 = qGuiApp->nativeInterface<QNativeInterface::QX11Application>();
    return x11 ? x11->connection() : nullptr;
}

xcb_atom_t atom(const char* name)
{
    // Asked of the server once per name: an atom never changes while the server runs.
    static QHash<QByteArray, xcb_atom_t> known;
    const auto found = known.constFind(name);
    if (found != known.cend())
        return *found;
    const auto reply = owned(xcb_intern_atom_reply(
        connection(), xcb_intern_atom(connection(), 0, static_cast<uint16_t>(qstrlen(name)), name),
        nullptr));
    const xcb_atom_t atom = reply ? reply->atom : xcb_atom_t{XCB_ATOM_NONE};
    known.insert(name, atom);
    return atom;
}

xcb_window_t root()
{
    return xcb_setup_roots_iterator(xcb_get_setup(connection())).data->root;
}

QByteArray property(xcb_window_t window, xcb_atom_t name, xcb_atom_t type)
{
    const auto reply = owned(xcb_get_property_reply(
        connection(), xcb_get_property(connection(), 0, window, name, type, 0, 256), nullptr));
    if (!reply || reply->type != type)
        return {};
    return {static_cast<const char*>(xcb_get_property_value(reply.get())),
            xcb_get_property_value_length(reply.get())}; // in bytes
}

QMargins frameExtents(xcb_window_t window)
{
    const QByteArray extents = property(window, atom("_NET_FRAME_EXTENTS"), XCB_ATOM_CARDINAL);
    if (extents.size() != 4 * sizeof(uint32_t))
        return {};
    const auto* side = reinterpret_cast<const uint32_t*>(extents.constData()); // l, r, t, b
    return {static_cast<int>(side[0]), static_cast<int>(side[2]), static_cast<int>(side[1]),
            static_cast<int>(side[3])};
}

QRect clientArea(xcb_window_t window)
{
    const auto at = owned(xcb_translate_coordinates_reply(
        connection(), xcb_translate_coordinates(connection(), window, root(), 0, 0), nullptr));
    const auto size = owned(
        xcb_get_geometry_reply(connection(), xcb_get_geometry(connection(), window), nullptr));
    if (!at || !size)
        return {};
    return {at->dst_x, at->dst_y, size->width, size->height};
}

} // namespace torvelle::x11
