#!/usr/bin/python3
"""A StatusNotifier tray for the tests: the watcher and one host in one
process on the session bus, as a desktop panel runs them. Items register
with it; it fetches an item's icon pixmaps on every NewIcon and its tooltip
on every NewToolTip, as a panel that shows them would. What it sees goes to
the state file, rewritten after each change:

    item SERVICE PATH       one line per registered item
    icons COUNT             icon fetches so far
    sizes WxH,WxH...        the pixmaps of the last fetch
    menu PATH               the item's menu object ("/NO_DBUSMENU" if none)

Usage: status_notifier_tray.py STATE_FILE [--no-host]
--no-host: a watcher without a registered host (no panel shows items yet).
"""
import os
import sys

import dbus
import dbus.mainloop.glib
import dbus.service
from gi.repository import GLib

WATCHER = "org.kde.StatusNotifierWatcher"
ITEM = "org.kde.StatusNotifierItem"
PROPERTIES = "org.freedesktop.DBus.Properties"
# What the watcher says of itself. Clients build their proxies from it (Qt
# reads IsStatusNotifierHostRegistered only if it is declared here), and
# dbus-python would declare no properties.
WATCHER_INTROSPECTION = """<!DOCTYPE node PUBLIC
 "-//freedesktop//DTD D-BUS Object Introspection 1.0//EN"
 "http://www.freedesktop.org/standards/dbus/1.0/introspect.dtd">
<node>
  <interface name="org.kde.StatusNotifierWatcher">
    <method name="RegisterStatusNotifierItem"><arg name="service" type="s" direction="in"/></method>
    <method name="RegisterStatusNotifierHost"><arg name="service" type="s" direction="in"/></method>
    <property name="RegisteredStatusNotifierItems" type="as" access="read"/>
    <property name="IsStatusNotifierHostRegistered" type="b" access="read"/>
    <property name="ProtocolVersion" type="i" access="read"/>
    <signal name="StatusNotifierItemRegistered"><arg type="s"/></signal>
    <signal name="StatusNotifierItemUnregistered"><arg type="s"/></signal>
    <signal name="StatusNotifierHostRegistered"/>
  </interface>
  <interface name="org.freedesktop.DBus.Properties">
    <method name="Get">
      <arg name="interface" type="s" direction="in"/><arg name="name" type="s" direction="in"/>
      <arg name="value" type="v" direction="out"/>
    </method>
    <method name="GetAll">
      <arg name="interface" type="s" direction="in"/>
      <arg name="values" type="a{sv}" direction="out"/>
    </method>
  </interface>
  <interface name="org.freedesktop.DBus.Introspectable">
    <method name="Introspect"><arg name="xml" type="s" direction="out"/></method>
  </interface>
</node>
"""


class Tray(dbus.service.Object):
    def __init__(self, bus, state_file, with_host):
        super().__init__(bus, "/StatusNotifierWatcher")
        self.bus = bus
        self.state_file = state_file
        self.with_host = with_host
        self.items = []  # (service, path)
        self.icon_fetches = 0
        self.sizes = ""
        self.menu = ""
        self.proxies = {}
        bus.add_signal_receiver(self.on_owner_changed, "NameOwnerChanged",
                                "org.freedesktop.DBus")
        self.write_state()

    # --- the watcher -----------------------------------------------------

    @dbus.service.method(WATCHER, in_signature="s", sender_keyword="sender")
    def RegisterStatusNotifierItem(self, name, sender=None):
        # Either a service name (the object at the usual path) or a path
        # on the sender's own connection.
        if name.startswith("/"):
            service, path = sender, name
        else:
            service, path = name, "/StatusNotifierItem"
        if (service, path) in self.items:
            return
        self.items.append((service, path))
        self.StatusNotifierItemRegistered(service + path)
        self.bus.add_signal_receiver(lambda: self.fetch_icon(service, path), "NewIcon", ITEM,
                                     service)
        self.bus.add_signal_receiver(lambda: self.fetch_tooltip(service, path), "NewToolTip",
                                     ITEM, service)
        self.fetch_icon(service, path)
        self.fetch_menu(service, path)

    @dbus.service.method(WATCHER, in_signature="s")
    def RegisterStatusNotifierHost(self, name):
        pass

    @dbus.service.signal(WATCHER, signature="s")
    def StatusNotifierItemRegistered(self, name):
        pass

    @dbus.service.signal(WATCHER, signature="s")
    def StatusNotifierItemUnregistered(self, name):
        pass

    @dbus.service.signal(WATCHER, signature="")
    def StatusNotifierHostRegistered(self):
        pass

    def watcher_properties(self):
        return {
            "RegisteredStatusNotifierItems":
                dbus.Array([s + p for s, p in self.items], signature="s"),
            "IsStatusNotifierHostRegistered": dbus.Boolean(self.with_host),
            "ProtocolVersion": dbus.Int32(0),
        }

    @dbus.service.method("org.freedesktop.DBus.Introspectable", in_signature="",
                         out_signature="s", path_keyword="path", connection_keyword="connection")
    def Introspect(self, path, connection):
        return WATCHER_INTROSPECTION

    @dbus.service.method(PROPERTIES, in_signature="ss", out_signature="v")
    def Get(self, interface, name):
        properties = self.watcher_properties()
        if interface != WATCHER or name not in properties:
            raise dbus.exceptions.DBusException("no such property",
                                                name="org.freedesktop.DBus.Error.InvalidArgs")
        return properties[name]

    @dbus.service.method(PROPERTIES, in_signature="s", out_signature="a{sv}")
    def GetAll(self, interface):
        return self.watcher_properties() if interface == WATCHER else {}

    def on_owner_changed(self, name, old, new):
        if new:
            return
        gone = [(s, p) for s, p in self.items if s == name]
        for service, path in gone:
            self.items.remove((service, path))
            self.proxies.pop((service, path), None)
            self.StatusNotifierItemUnregistered(service + path)
        if gone:
            self.write_state()

    # --- the host --------------------------------------------------------

    def item_property(self, service, path, name, reply):
        # One proxy per item, made without asking the item to describe
        # itself: a panel keeps its proxies, and only the property is fetched.
        key = (service, path)
        if key not in self.proxies:
            self.proxies[key] = self.bus.get_object(service, path, introspect=False)
        self.proxies[key].Get(ITEM, name, dbus_interface=PROPERTIES, reply_handler=reply,
                              error_handler=lambda error: None)

    def fetch_icon(self, service, path):
        def reply(pixmaps):
            self.icon_fetches += 1
            self.sizes = ",".join("%dx%d" % (w, h) for w, h, _ in pixmaps)
            self.write_state()
        self.item_property(service, path, "IconPixmap", reply)

    def fetch_tooltip(self, service, path):
        self.item_property(service, path, "ToolTip", lambda tooltip: None)

    def fetch_menu(self, service, path):
        def reply(menu):
            self.menu = str(menu)
            self.write_state()
        self.item_property(service, path, "Menu", reply)

    def write_state(self):
        lines = ["item %s %s" % item for item in self.items]
        lines.append("icons %d" % self.icon_fetches)
        lines.append("sizes %s" % self.sizes)
        lines.append("menu %s" % self.menu)
        with open(self.state_file + ".new", "w") as state:
            state.write("\n".join(lines) + "\n")
        # Readers never see half a file.
        os.replace(self.state_file + ".new", self.state_file)


def main():
    dbus.mainloop.glib.DBusGMainLoop(set_as_default=True)
    bus = dbus.SessionBus()
    tray = Tray(bus, sys.argv[1], "--no-host" not in sys.argv[2:])
    # The name last: a client that sees it finds the object ready.
    name = dbus.service.BusName(WATCHER, bus, do_not_queue=True)
    GLib.MainLoop().run()
    del name, tray


if __name__ == "__main__":
    main()
