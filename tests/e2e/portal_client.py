#!/usr/bin/env python3
# SPDX-License-Identifier: GPL-3.0-or-later
"""A client of the desktop portal's global shortcuts that does what the
program does, for trying the rigs without it: it opens a session with a
fixed token and the three shortcuts in CreateSession's own "shortcuts"
option, lists what the session holds, asks BindShortcuts only when it does
not hold all three, and prints one JSON object a line (with the moment,
"at") for each step and for each Activated, Deactivated, ShortcutsChanged
and Closed it receives. Nothing here waits on the portal: every answer
comes as a Request's Response, whenever the portal gives it. When the
portal's name gets a new owner (a restart) it opens a new session, once
for each owner.

    portal_client.py [--token TOKEN] [--snooze MINUTES] [--bind] [--bare]

To see what a desktop does otherwise: --bind calls BindShortcuts even when
the session holds all three, --bare leaves the shortcuts out of
CreateSession.
"""
import argparse
import json
import sys
import time

import dbus
from dbus.mainloop.glib import DBusGMainLoop
from gi.repository import GLib

PORTAL = "org.freedesktop.portal.Desktop"
PORTAL_PATH = "/org/freedesktop/portal/desktop"
SHORTCUTS = "org.freedesktop.portal.GlobalShortcuts"
REQUEST = "org.freedesktop.portal.Request"
SESSION = "org.freedesktop.portal.Session"
IDS = ("silence", "snooze", "show")


def say(event, **entry):
    entry.update(event=event, at=time.time())
    print(json.dumps(entry), flush=True)


def plain(value):
    """D-Bus values as JSON takes them."""
    if isinstance(value, (dbus.Array, list, tuple, dbus.Struct)):
        return [plain(v) for v in value]
    if isinstance(value, (dbus.Dictionary, dict)):
        return {str(k): plain(v) for k, v in value.items()}
    if isinstance(value, (dbus.Boolean, bool)):
        return bool(value)
    if isinstance(value, (int, dbus.Byte)):
        return int(value)
    if isinstance(value, float):
        return float(value)
    return str(value)


class Client:
    def __init__(self, bus, token, snooze, bind=False, bare=False):
        self.bus = bus
        self.token = token
        self.bind = bind
        self.bare = bare
        self.session = None
        self.requests = 0
        self.owner = None
        self.shortcuts = dbus.Array([
            dbus.Struct((name, dbus.Dictionary({"description": text}, signature="sv")))
            for name, text in (("silence", "Silence ringing timers and alarms"),
                               ("snooze", "Snooze ringing timers and alarms for %d minutes"
                                % snooze),
                               ("show", "Show Quorbel"))], signature="(sa{sv})")
        sender = bus.get_unique_name()[1:].replace(".", "_")
        self.request_base = PORTAL_PATH + "/request/" + sender + "/"
        for name in ("Activated", "Deactivated", "ShortcutsChanged"):
            bus.add_signal_receiver(self.shortcut_signal, name, SHORTCUTS, None, PORTAL_PATH,
                                    member_keyword="member")
        bus.add_signal_receiver(self.closed, "Closed", SESSION, None, None,
                                path_keyword="path")
        bus.add_signal_receiver(self.owner_changed, "NameOwnerChanged", dbus.BUS_DAEMON_IFACE,
                                dbus.BUS_DAEMON_NAME, dbus.BUS_DAEMON_PATH, arg0=PORTAL)
        say("connected", unique_name=bus.get_unique_name())

    # ------------------------------------------------------------ calls

    def call(self, method, arguments, options, answered):
        """Calls a method that answers through a Request, listening for the
        Response on the path the Request will have before calling."""
        self.requests += 1
        token = "quorbel_request_%d" % self.requests
        options["handle_token"] = token
        expected = self.request_base + token
        receivers = []

        def response(code, results, path=None):
            for r in receivers:
                r.remove()
            say("response", method=method, request=str(path), code=int(code),
                results=plain(results))
            if int(code) == 0:
                answered(results)

        def listen(path):
            receivers.append(self.bus.add_signal_receiver(
                response, "Response", REQUEST, None, path, path_keyword="path"))

        def replied(handle):
            if str(handle) != expected:
                # A portal older than handle_token picks a path of its own.
                listen(str(handle))

        def failed(error):
            for r in receivers:
                r.remove()
            say("error", method=method, name=error.get_dbus_name(), message=str(error))

        listen(expected)
        portal = self.bus.get_object(PORTAL, PORTAL_PATH, introspect=False)
        getattr(portal, method)(*arguments, dbus.Dictionary(options, signature="sv"),
                                dbus_interface=SHORTCUTS, reply_handler=replied,
                                error_handler=failed)
        say("call", method=method, request=expected)

    def look(self):
        """Whether the portal offers global shortcuts: its version, read
        without waiting (the read may start a portal that is activatable)."""
        portal = self.bus.get_object(PORTAL, PORTAL_PATH, introspect=False)
        portal.Get(SHORTCUTS, "version", dbus_interface=dbus.PROPERTIES_IFACE,
                   reply_handler=self.offered,
                   error_handler=lambda e: say("no-portal", name=e.get_dbus_name()))

    def offered(self, version):
        # One session for each owner of the portal's name, however many
        # looks were under way when it came.
        try:
            owner = str(self.bus.get_name_owner(PORTAL))
        except dbus.DBusException:
            return
        if owner == self.owner:
            return
        self.owner = owner
        say("portal", version=int(version), owner=owner)
        options = {"session_handle_token": self.token}
        if not self.bare:
            options["shortcuts"] = self.shortcuts
        self.call("CreateSession", [], options, self.created)

    def created(self, results):
        self.session = str(results.get("session_handle", ""))
        say("session", handle=self.session)
        self.call("ListShortcuts", [dbus.ObjectPath(self.session)], {}, self.listed)

    def listed(self, results):
        held = {str(s[0]) for s in results.get("shortcuts", [])}
        if set(IDS) <= held and not self.bind:
            say("held", ids=sorted(held))
            return
        self.call("BindShortcuts", [dbus.ObjectPath(self.session), self.shortcuts, ""], {},
                  lambda r: say("bound", ids=sorted(str(s[0]) for s in
                                                    r.get("shortcuts", []))))

    # ------------------------------------------------------------ signals

    def shortcut_signal(self, session, *rest, member=None):
        ours = str(session) == self.session
        if member == "ShortcutsChanged":
            say(member, session=str(session), ours=ours, shortcuts=plain(rest[0]))
            return
        shortcut, timestamp, options = rest
        say(member if ours else "ignored", signal=member, session=str(session),
            id=str(shortcut), timestamp=int(timestamp),
            token=str(options.get("activation_token", "")), known=str(shortcut) in IDS)

    def closed(self, details, path=None):
        if str(path) == self.session:
            self.session = None
            say("closed", session=str(path), details=plain(details))

    def owner_changed(self, name, old, new):
        say("owner", old=str(old), new=str(new))
        self.session = None
        if new and str(new) != self.owner:
            self.look()


def main():
    parser = argparse.ArgumentParser()
    parser.add_argument("--token", default="quorbel")
    parser.add_argument("--snooze", type=int, default=5)
    parser.add_argument("--bind", action="store_true")
    parser.add_argument("--bare", action="store_true")
    options = parser.parse_args()
    DBusGMainLoop(set_as_default=True)
    bus = dbus.SessionBus()
    client = Client(bus, options.token, options.snooze, options.bind, options.bare)
    client.look()
    try:
        GLib.MainLoop().run()
    except KeyboardInterrupt:
        pass


if __name__ == "__main__":
    sys.exit(main())
