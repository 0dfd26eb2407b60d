#!/usr/bin/python3
"""A stand-in for a screen reader on the accessibility bus.

It registers for every object, focus and window event, as a screen reader
does, and reads the name, role and child count of the object each event is
about. With --walk it also reads the children of every list it hears of, and
every quarter second those of the lists it knows, as a screen reader's review
mode or an accessibility inspector walking the tree does: one GetChildren call
per list. Prints what it did when it is ended (SIGTERM or SIGINT)."""

import signal
import sys
import time

import gi

gi.require_version("Atspi", "2.0")
from gi.repository import Atspi, Gio, GLib  # noqa: E402

walk = "--walk" in sys.argv
events = 0
walks = []  # (children, seconds) of each GetChildren call
lists = {}  # (bus name, path) of the lists heard of
bus = None


def a11y_bus():
    global bus
    if bus is None:
        session = Gio.bus_get_sync(Gio.BusType.SESSION)
        reply = session.call_sync("org.a11y.Bus", "/org/a11y/bus", "org.a11y.Bus", "GetAddress",
                                  None, GLib.VariantType("(s)"), 0, -1, None)
        flags = Gio.DBusConnectionFlags.AUTHENTICATION_CLIENT | Gio.DBusConnectionFlags.MESSAGE_BUS_CONNECTION
        bus = Gio.DBusConnection.new_for_address_sync(reply.unpack()[0], flags, None, None)
    return bus


def read_children(key):
    start = time.monotonic()
    try:
        reply = a11y_bus().call_sync(key[0], key[1], "org.a11y.atspi.Accessible", "GetChildren",
                                     None, None, 0, 600000, None)
        walks.append((len(reply.unpack()[0]), time.monotonic() - start))
    except GLib.Error:
        lists.pop(key, None)  # gone with its program


def on_event(event):
    global events
    events += 1
    try:
        source = event.source
        source.get_name()
        role = source.get_role_name()
        source.get_child_count()
        if walk and role in ("list", "table", "tree table"):
            key = (source.app.bus_name, source.path)
            lists[key] = True
            read_children(key)
    except GLib.Error:
        pass


def walk_known_lists():
    for key in list(lists):
        read_children(key)
    return True


def stop(*_):
    line = f"listener: {events} events"
    if walk:
        longest = max((s for _, s in walks), default=0)
        most = max((n for n, _ in walks), default=0)
        line += f", {len(walks)} list walks, up to {most} children, longest {longest:.2f} s"
    print(line, flush=True)
    Atspi.event_quit()
    return GLib.SOURCE_REMOVE


# Handled inside the event loop: Python's own handlers would wait for it to return.
GLib.unix_signal_add(GLib.PRIORITY_DEFAULT, signal.SIGTERM, stop)
GLib.unix_signal_add(GLib.PRIORITY_DEFAULT, signal.SIGINT, stop)
listener = Atspi.EventListener.new(on_event)
for kind in ("object:", "focus:", "window:"):
    listener.register(kind)
if walk:
    GLib.timeout_add(250, walk_known_lists)
print("listener: ready" + (" (walking lists)" if walk else ""), flush=True)
Atspi.event_main()
