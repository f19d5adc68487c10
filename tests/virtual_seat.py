#!/usr/bin/python3
# virtual_seat.py: gives a headless mutter a keyboard and a pointer, as a desktop has, so
# that windows take the focus and activation requests carry real input serials. Holds the
# remote desktop session that owns them until it is killed.
from gi.repository import Gio, GLib

NAME = "org.gnome.Mutter.RemoteDesktop"
SHIFT = 0xFFE1

bus = Gio.bus_get_sync(Gio.BusType.SESSION)
desktop = Gio.DBusProxy.new_sync(bus, 0, None, NAME, "/org/gnome/Mutter/RemoteDesktop", NAME)
path = desktop.call_sync("CreateSession", None, 0, -1).unpack()[0]
session = Gio.DBusProxy.new_sync(bus, 0, None, NAME, path, NAME + ".Session")
session.call_sync("Start", None, 0, -1)
# The seat shows its devices once they have been used.
for pressed in (True, False):
    session.call_sync("NotifyKeyboardKeysym", GLib.Variant("(ub)", (SHIFT, pressed)), 0, -1)
session.call_sync("NotifyPointerMotionRelative", GLib.Variant("(dd)", (1.0, 1.0)), 0, -1)
print("ready", flush=True)
GLib.MainLoop().run()
