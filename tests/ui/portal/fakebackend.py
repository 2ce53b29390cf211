#!/usr/bin/python3
# SPDX-License-Identifier: GPL-3.0-or-later
"""A desktop's side of the global shortcuts, behind the real portal frontend.

Serves org.freedesktop.impl.portal.GlobalShortcuts as the bus name that
portals/tamrix-test.portal announces. Binds every shortcut to its preferred
trigger; the test reads the calls and presses a shortcut through
org.tamrix.FakePortal, as with fakeportal.py.
"""
import sys

import dbus
import dbus.service
from dbus.mainloop.glib import DBusGMainLoop
from gi.repository import GLib

PATH = "/org/freedesktop/portal/desktop"
IMPL = "org.freedesktop.impl.portal.GlobalShortcuts"
CONTROL = "org.tamrix.FakePortal"


class Backend(dbus.service.Object):
    def __init__(self, bus):
        super().__init__(bus, PATH)
        self.calls = []
        self.bound = {}
        self.session = None

    def shortcut_list(self):
        return dbus.Array([dbus.Struct((k, dbus.Dictionary({"trigger_description": v}, signature="sv")))
                           for k, v in self.bound.items()], signature="(sa{sv})")

    @dbus.service.method(IMPL, in_signature="oosa{sv}", out_signature="ua{sv}")
    def CreateSession(self, handle, session_handle, app_id, options):
        self.calls.append("CreateSession")
        self.session = session_handle
        return dbus.UInt32(0), dbus.Dictionary({}, signature="sv")

    @dbus.service.method(IMPL, in_signature="oo", out_signature="ua{sv}")
    def ListShortcuts(self, handle, session_handle):
        self.calls.append("ListShortcuts")
        return dbus.UInt32(0), dbus.Dictionary({"shortcuts": self.shortcut_list()}, signature="sv")

    @dbus.service.method(IMPL, in_signature="ooa(sa{sv})sa{sv}", out_signature="ua{sv}")
    def BindShortcuts(self, handle, session_handle, shortcuts, parent_window, options):
        for sid, props in shortcuts:
            trigger = str(props.get("preferred_trigger", ""))
            self.calls.append("BindShortcuts %s %s %s" % (sid, trigger, props.get("description", "")))
            self.bound[str(sid)] = "%s (fake)" % trigger
        return dbus.UInt32(0), dbus.Dictionary({"shortcuts": self.shortcut_list()}, signature="sv")

    @dbus.service.signal(IMPL, signature="osta{sv}")
    def Activated(self, session_handle, shortcut_id, timestamp, options):
        pass

    @dbus.service.signal(IMPL, signature="oa(sa{sv})")
    def ShortcutsChanged(self, session_handle, shortcuts):
        pass

    @dbus.service.method(CONTROL, in_signature="", out_signature="as")
    def Calls(self):
        return self.calls

    @dbus.service.method(CONTROL, in_signature="ssb", out_signature="")
    def Press(self, shortcut_id, token, other_session):
        options = dbus.Dictionary({"activation_token": token} if token else {}, signature="sv")
        self.Activated(dbus.ObjectPath(self.session), shortcut_id, dbus.UInt64(1), options)

    @dbus.service.method(CONTROL, in_signature="s", out_signature="")
    def Rebind(self, trigger):
        self.bound["toggle"] = trigger
        self.ShortcutsChanged(dbus.ObjectPath(self.session), self.shortcut_list())


def main():
    DBusGMainLoop(set_as_default=True)
    bus = dbus.SessionBus()
    backend = Backend(bus)
    name = dbus.service.BusName("org.freedesktop.impl.portal.desktop.tamrixtest", bus, do_not_queue=True)
    GLib.MainLoop().run()
    del backend, name


if __name__ == "__main__":
    sys.exit(main())
