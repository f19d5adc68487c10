// x11_connection.h: the X server Qt talks to, for what Qt does not tell of the window manager.
#pragma once

#include <QByteArray>
#include <QMargins>
#include <QRect>
#include <xcb/xcb.h>

namespace torvelle::x11 {

// Qt's connection to the X server; null on any other platform.
xcb_connection_t* connection();
xcb_atom_t atom(const char* name);
xcb_window_t root();

// A property of a window as raw bytes, empty when the window has none of that type.
QByteArray property(xcb_window_t window, xcb_atom_t name, xcb_atom_t type);

// The frame the window manager put around the window (_NET_FRAME_EXTENTS); empty before it
// has framed it.
QMargins frameExtents(xcb_window_t window);

// The window's client area where the X server has it now, in screen coordinates.
QRect clientArea(xcb_window_t window);

} // namespace torvelle::x11
