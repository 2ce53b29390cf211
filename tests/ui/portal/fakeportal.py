#!/usr/bin/python3
# SPDX-License-Identifier: GPL-3.0-or-later
"""A stand-in for the desktop portal's global shortcuts on the session bus.

Serves org.freedesktop.portal.GlobalShortcuts (version 1 or 2), optionally
org.freedesktop.host.portal.Registry, per-call Request paths and Session
objects; answers each request either after or before the method's reply;
sends signals to the session's owner only. The test drives it through
org.tamrix.FakePortal at /org/tamrix/FakePortal: it reads the calls made,
presses the shortcut (Activated), changes the binding (ShortcutsChanged)
and closes the session.
"""
import argparse
import sys

import dbus
import dbus.service
from dbus.mainloop.glib import DBusGMainLoop
from gi.repository import GLib

PATH = "/org/freedesktop/portal/desktop"
GS = "org.freedesktop.portal.GlobalShortcuts"
REGISTRY = "org.freedesktop.host.portal.Registry"
CONTROL = "org.tamrix.FakePortal"


class Portal:
    def __init__(self, bus, args):
        self.bus = bus
        self.args = args
        self.calls = []
        self.registered = set()  # senders that gave an app id
        self.bound = {}  # shortcut id -> trigger description
        if args.bound is not None:
            self.bound["toggle"] = args.bound
        self.session = None  # (path, owner)
        self.session_objects = []

    def emit(self, path, interface, member, signature, values, destination):
        message = dbus.lowlevel.SignalMessage(path, interface, member)
        message.append(*values, signature=signature)
        message.set_destination(destination)
        self.bus.send_message(message)

    def respond(self, sender, token, response, results):
        path = "%s/request/%s/%s" % (PATH, sender[1:].replace(".", "_"), token)
        send = lambda: self.emit(path, "org.freedesktop.portal.Request", "Response", "ua{sv}",
                                 [dbus.UInt32(response), dbus.Dictionary(results, signature="sv")], sender) or False
        if self.args.response_first:
            send()  # goes out before the method's reply
        else:
            GLib.timeout_add(20, send)
        return dbus.ObjectPath(path)

    def shortcut_list(self):
        return dbus.Array([dbus.Struct((k, dbus.Dictionary({"description": "Tamrix", "trigger_description": v},
                                                           signature="sv")))
                           for k, v in self.bound.items()], signature="(sa{sv})")

    def check_app(self, sender):
        if self.args.require_app_id and sender not in self.registered:
            raise dbus.exceptions.DBusException("no app id given", name="org.freedesktop.portal.Error.NotAllowed")


def make_object(portal, bus):
    class Session(dbus.service.Object):
        @dbus.service.method("org.freedesktop.portal.Session", in_signature="", out_signature="")
        def Close(self):
            portal.calls.append("Session.Close")
            portal.session = None
            self.remove_from_connection()

    class Shortcuts(dbus.service.Object):
        @dbus.service.method("org.freedesktop.DBus.Properties", in_signature="ss", out_signature="v")
        def Get(self, interface, name):
            return dbus.UInt32(portal.args.version, variant_level=1)

        @dbus.service.method(GS, in_signature="a{sv}", out_signature="o", sender_keyword="sender")
        def CreateSession(self, options, sender=None):
            portal.calls.append("CreateSession")
            portal.check_app(sender)
            path = "%s/session/%s/%s" % (PATH, sender[1:].replace(".", "_"), options["session_handle_token"])
            portal.session = (path, sender)
            portal.session_objects.append(Session(bus, path))
            return portal.respond(sender, options["handle_token"], 0, {"session_handle": dbus.String(path)})

        @dbus.service.method(GS, in_signature="oa{sv}", out_signature="o", sender_keyword="sender")
        def ListShortcuts(self, session, options, sender=None):
            portal.calls.append("ListShortcuts")
            return portal.respond(sender, options["handle_token"], 0, {"shortcuts": portal.shortcut_list()})

        @dbus.service.method(GS, in_signature="oa(sa{sv})sa{sv}", out_signature="o", sender_keyword="sender")
        def BindShortcuts(self, session, shortcuts, parent_window, options, sender=None):
            for sid, props in shortcuts:
                portal.calls.append("BindShortcuts %s %s %s" % (sid, props.get("preferred_trigger", ""),
                                                                 props.get("description", "")))
            response = portal.args.bind_response
            if response == 0:
                for sid, props in shortcuts:
                    portal.bound[str(sid)] = "%s (fake)" % props.get("preferred_trigger", "")
            return portal.respond(sender, options["handle_token"], response,
                                  {"shortcuts": portal.shortcut_list()} if response == 0 else {})

        @dbus.service.method(CONTROL, in_signature="", out_signature="as")
        def Calls(self):
            return portal.calls

        @dbus.service.method(CONTROL, in_signature="ssb", out_signature="")
        def Press(self, shortcut_id, token, other_session):
            path, owner = portal.session
            options = dbus.Dictionary({"activation_token": token} if token else {}, signature="sv")
            portal.emit(PATH, GS, "Activated", "osta{sv}",
                        [dbus.ObjectPath(path + "_other" if other_session else path), shortcut_id,
                         dbus.UInt64(1), options], owner)

        @dbus.service.method(CONTROL, in_signature="s", out_signature="")
        def Rebind(self, trigger):
            path, owner = portal.session
            portal.bound["toggle"] = trigger
            portal.emit(PATH, GS, "ShortcutsChanged", "oa(sa{sv})",
                        [dbus.ObjectPath(path), portal.shortcut_list()], owner)

        @dbus.service.method(CONTROL, in_signature="", out_signature="")
        def CloseSession(self):
            path, owner = portal.session
            portal.session = None
            portal.emit(path, "org.freedesktop.portal.Session", "Closed", "a{sv}",
                        [dbus.Dictionary({}, signature="sv")], owner)

    class Configurable(Shortcuts):
        @dbus.service.method(GS, in_signature="osa{sv}", out_signature="")
        def ConfigureShortcuts(self, session, parent_window, options):
            portal.calls.append("ConfigureShortcuts")

    base = Configurable if portal.args.version >= 2 else Shortcuts

    class WithRegistry(base):
        @dbus.service.method(REGISTRY, in_signature="sa{sv}", out_signature="", sender_keyword="sender")
        def Register(self, app_id, options, sender=None):
            portal.calls.append("Register %s" % app_id)
            portal.registered.add(sender)

    class WithoutShortcuts(dbus.service.Object):
        @dbus.service.method("org.freedesktop.portal.Settings", in_signature="", out_signature="")
        def Nothing(self):
            pass

        @dbus.service.method(CONTROL, in_signature="", out_signature="as")
        def Calls(self):
            return portal.calls

    if portal.args.no_global_shortcuts:
        return WithoutShortcuts(bus, PATH)
    return (WithRegistry if portal.args.registry else base)(bus, PATH)


def main():
    parser = argparse.ArgumentParser()
    parser.add_argument("--version", type=int, default=1)
    parser.add_argument("--registry", action="store_true")
    parser.add_argument("--require-app-id", action="store_true")
    parser.add_argument("--no-global-shortcuts", action="store_true")
    parser.add_argument("--bind-response", type=int, default=0)
    parser.add_argument("--bound", help="the desktop has bound 'toggle' already, to this")
    parser.add_argument("--response-first", action="store_true")
    args = parser.parse_args()
    DBusGMainLoop(set_as_default=True)
    bus = dbus.SessionBus()
    portal = Portal(bus, args)
    keep = make_object(portal, bus)
    name = dbus.service.BusName("org.freedesktop.portal.Desktop", bus, do_not_queue=True)
    print("ready", flush=True)
    GLib.MainLoop().run()
    del keep, name


if __name__ == "__main__":
    sys.exit(main())
