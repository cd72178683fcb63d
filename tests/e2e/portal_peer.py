#!/usr/bin/env python3
# SPDX-License-Identifier: GPL-3.0-or-later
"""A desktop portal with global shortcuts, small enough to read:
org.freedesktop.portal.GlobalShortcuts on org.freedesktop.portal.Desktop
at /org/freedesktop/portal/desktop, with its Request and Session objects
where the interface puts them (.../request/SENDER/TOKEN and
.../session/SENDER/TOKEN, SENDER being the caller's unique name without
its ':' and with '_' for each '.'). Every call is written down in LOG, one
JSON object a line with the moment it came ("at"), and so is every signal
the portal sends.

The shortcuts a user has are kept across sessions and restarts under a
component named, as KDE names it, by the caller's application id and the
session's token joined; the application id is read, as the real portal
reads it, from the systemd unit the caller runs in (app-ID-N.scope,
app-ID.service, app-ID@X.service, with a launcher's word before the id
allowed), and is empty elsewhere.

The portal follows the interface as written: BindShortcuts binds what it
is given and CreateSession ignores its "shortcuts" option. With --plasma
(or the command "plasma") it does what KDE Plasma 5.27 does: CreateSession
binds the shortcuts in its "shortcuts" option and answers with the
session's list, and BindShortcuts binds nothing, answers with the list the
session already holds and would open System Settings at each call.

A line written to COMMANDS tells it what to do next:
  press ID [TOKEN]       Activated for the newest session (with TOKEN as its
                         activation_token), Deactivated 50 ms later
  press-other-session ID Activated and Deactivated for a session that is
                         not the caller's, sent to the caller all the same
  change ID TRIGGER      the user gives ID another key: ShortcutsChanged
  close-session          the portal closes the newest session (Closed)
  refuse                 answer each request from now on with response 2
  silent                 answer no request from now on
  answer                 answer requests again
  vanish                 the portal's name goes, its sessions with it
  restart                the name goes and comes back on a new
                         connection, sessions forgotten, shortcuts kept
  forget                 the user's shortcuts forgotten
  plasma | documented    which of the two behaviours above

    portal_peer.py LOG COMMANDS [--plasma] [--version N]
"""
import argparse
import json
import os
import re
import time

import dbus
import dbus.lowlevel
import dbus.service
from dbus.mainloop.glib import DBusGMainLoop
from gi.repository import GLib
from portal_client import plain

NAME = "org.freedesktop.portal.Desktop"
PATH = "/org/freedesktop/portal/desktop"
SHORTCUTS = "org.freedesktop.portal.GlobalShortcuts"
REQUEST = "org.freedesktop.portal.Request"
SESSION = "org.freedesktop.portal.Session"
ACCESS_DENIED = "org.freedesktop.DBus.Error.AccessDenied"
INVALID = "org.freedesktop.portal.Error.InvalidArgument"

options = None
started = time.monotonic()
# What the user has bound, by component: {id: {description, trigger}}.
store = {}
state = {"mode": "answer", "plasma": False}


def record(**entry):
    entry["at"] = time.time()
    with open(options.log, "a") as f:
        f.write(json.dumps(entry) + "\n")


def now_ms():
    return dbus.UInt64(int((time.monotonic() - started) * 1000))


def app_id_of(unit):
    """The application id a unit's name gives, as the portal reads it:
    app[-LAUNCHER]-ID[@X].service or app[-LAUNCHER]-ID-N.scope."""
    if unit.endswith(".scope"):
        base = unit[:-len(".scope")].rpartition("-")[0]
    elif unit.endswith(".service"):
        base = unit[:-len(".service")].partition("@")[0]
    else:
        return ""
    if not base.startswith("app-"):
        return ""
    found = base[len("app-"):].rpartition("-")[2].replace("\\x2d", "-")
    # An id is at least two words joined by dots, as an application's is.
    if not re.fullmatch(r"[A-Za-z_][\w-]*(\.[A-Za-z_][\w-]*)+", found):
        return ""
    return found


def unit_of(pid):
    """The innermost unit of a process's cgroup (cgroup v2's line)."""
    try:
        with open("/proc/%d/cgroup" % pid) as f:
            for line in f:
                if line.startswith("0::"):
                    return line.strip().rpartition("/")[2]
    except OSError:
        pass
    return ""


def element(sender):
    return sender[1:].replace(".", "_")


def signal(bus, destination, path, interface, member, signature, *arguments):
    """A signal sent to its one addressee, as the portal sends them."""
    message = dbus.lowlevel.SignalMessage(path, interface, member)
    message.set_destination(destination)
    message.append(*arguments, signature=signature)
    bus.send_message(message)


class Request(dbus.service.Object):
    def __init__(self, portal, path, sender, method):
        super().__init__(portal.bus, path)
        self.portal, self.path, self.sender, self.method = portal, path, sender, method
        self.closed = False

    @dbus.service.method(REQUEST)
    def Close(self):
        record(call="Request.Close", request=self.path, method=self.method)
        self.closed = True
        self.remove_from_connection()

    def answer(self, code, results):
        """The Response, after the call that made the request has had its
        reply; a request left unanswered stays until it is closed."""
        mode = state["mode"]
        if mode == "silent":
            record(call="unanswered", request=self.path, method=self.method)
            return
        if mode == "refuse":
            code, results = 2, {}

        def send():
            if self.closed or self.portal.bus is None:
                return False
            self.closed = True
            signal(self.portal.bus, self.sender, self.path, REQUEST, "Response", "ua{sv}",
                   dbus.UInt32(code), dbus.Dictionary(results, signature="sv"))
            record(call="Response", request=self.path, method=self.method, code=code,
                   results=plain(results))
            self.remove_from_connection()
            return False
        GLib.idle_add(send)
        return code


class Session(dbus.service.Object):
    def __init__(self, portal, path, sender, app_id, token):
        super().__init__(portal.bus, path)
        self.portal, self.path, self.sender = portal, path, sender
        self.app_id, self.token = app_id, token
        self.component = app_id + token
        self.bound = False

    def listed(self):
        return dbus.Array([dbus.Struct((i, dbus.Dictionary(
            {"description": s["description"], "trigger_description": s["trigger"]},
            signature="sv"))) for i, s in sorted(store.get(self.component, {}).items())],
            signature="(sa{sv})")

    @dbus.service.method(SESSION, sender_keyword="sender")
    def Close(self, sender=None):
        record(call="Session.Close", session=self.path, sender=str(sender))
        self.portal.drop(self)

    @dbus.service.method(dbus.PROPERTIES_IFACE, in_signature="ss", out_signature="v")
    def Get(self, interface, name):
        return dbus.UInt32(1)

    @dbus.service.method(dbus.PROPERTIES_IFACE, in_signature="s", out_signature="a{sv}")
    def GetAll(self, interface):
        return {"version": dbus.UInt32(1)}


def bind(component, shortcuts):
    held = store.setdefault(component, {})
    for shortcut, details in shortcuts:
        was = held.get(str(shortcut), {})
        held[str(shortcut)] = {"description": str(details.get("description", "")),
                               "trigger": was.get("trigger") or
                               str(details.get("preferred_trigger", ""))}


class Portal(dbus.service.Object):
    def __init__(self, bus):
        super().__init__(bus, PATH)
        self.bus = bus
        self.sessions = []
        bus.add_signal_receiver(self.owner_changed, "NameOwnerChanged", dbus.BUS_DAEMON_IFACE,
                                dbus.BUS_DAEMON_NAME, dbus.BUS_DAEMON_PATH)

    # ------------------------------------------------------------ helpers

    def request(self, sender, method, options):
        token = str(options.get("handle_token", "")) or "t%d" % int(time.monotonic() * 1e6)
        if not re.fullmatch(r"[A-Za-z0-9_]+", token):
            raise dbus.DBusException("Invalid token", name=INVALID)
        path = "%s/request/%s/%s" % (PATH, element(sender), token)
        return Request(self, path, sender, method)

    def session_of(self, path, sender, method):
        for s in self.sessions:
            if s.path == str(path):
                if s.sender == sender:
                    return s
                break
        record(call=method, sender=sender, session=str(path), error="Invalid session")
        raise dbus.DBusException("Invalid session", name=ACCESS_DENIED)

    def app_id(self, sender):
        pid = int(self.bus.get_object(dbus.BUS_DAEMON_NAME, dbus.BUS_DAEMON_PATH)
                  .GetConnectionUnixProcessID(sender, dbus_interface=dbus.BUS_DAEMON_IFACE))
        unit = unit_of(pid)
        return unit, app_id_of(unit)

    def drop(self, session):
        if session in self.sessions:
            self.sessions.remove(session)
            session.remove_from_connection()

    def owner_changed(self, name, old, new):
        # A caller that leaves the bus closes its sessions.
        if name.startswith(":") and not new:
            for s in [s for s in self.sessions if s.sender == name]:
                record(call="caller-gone", sender=str(name), session=s.path)
                self.drop(s)

    def newest(self):
        return self.sessions[-1] if self.sessions else None

    # ------------------------------------------------------------ the interface

    @dbus.service.method(SHORTCUTS, in_signature="a{sv}", out_signature="o",
                         sender_keyword="sender")
    def CreateSession(self, options, sender=None):
        sender = str(sender)
        token = str(options.get("session_handle_token", "")) or "s%d" % len(self.sessions)
        if not re.fullmatch(r"[A-Za-z0-9_]+", token):
            raise dbus.DBusException("Invalid token", name=INVALID)
        request = self.request(sender, "CreateSession", options)
        unit, app_id = self.app_id(sender)
        given = options.get("shortcuts")
        entry = dict(call="CreateSession", sender=sender, request=request.path, token=token,
                     unit=unit, app_id=app_id, options=plain(options))
        path = "%s/session/%s/%s" % (PATH, element(sender), token)
        if state["mode"] != "answer" or any(s.path == path for s in self.sessions):
            record(session=None, **entry)
            request.answer(2, {})
            return request.path
        session = Session(self, path, sender, app_id, token)
        self.sessions.append(session)
        results = {"session_handle": path}
        if state["plasma"]:
            if given is not None:
                bind(session.component, given)
            results["shortcuts"] = session.listed()
        record(session=path, component=session.component, plasma=state["plasma"], **entry)
        request.answer(0, results)
        return request.path

    @dbus.service.method(SHORTCUTS, in_signature="oa(sa{sv})sa{sv}", out_signature="o",
                         sender_keyword="sender")
    def BindShortcuts(self, session_handle, shortcuts, parent_window, options,
                      sender=None):
        sender = str(sender)
        session = self.session_of(session_handle, sender, "BindShortcuts")
        request = self.request(sender, "BindShortcuts", options)
        entry = dict(call="BindShortcuts", sender=sender, request=request.path,
                     session=session.path, shortcuts=plain(shortcuts),
                     parent_window=str(parent_window), again=session.bound)
        session.bound = True
        if state["plasma"]:
            # What Plasma 5.27 opens for the user at every call.
            entry["opened"] = "systemsettings://kcm_keys/" + session.component
            results = session.listed()
        else:
            bind(session.component, shortcuts)
            asked = {str(s[0]) for s in shortcuts}
            results = dbus.Array([s for s in session.listed() if str(s[0]) in asked],
                                 signature="(sa{sv})")
        record(**entry)
        request.answer(0, {"shortcuts": results})
        return request.path

    @dbus.service.method(SHORTCUTS, in_signature="oa{sv}", out_signature="o",
                         sender_keyword="sender")
    def ListShortcuts(self, session_handle, options, sender=None):
        sender = str(sender)
        session = self.session_of(session_handle, sender, "ListShortcuts")
        request = self.request(sender, "ListShortcuts", options)
        record(call="ListShortcuts", sender=sender, request=request.path, session=session.path)
        request.answer(0, {"shortcuts": session.listed()})
        return request.path

    @dbus.service.method(dbus.PROPERTIES_IFACE, in_signature="ss", out_signature="v")
    def Get(self, interface, name):
        if str(interface) != SHORTCUTS or str(name) != "version":
            raise dbus.DBusException("No such property", name=INVALID)
        return dbus.UInt32(options.version)

    @dbus.service.method(dbus.PROPERTIES_IFACE, in_signature="s", out_signature="a{sv}")
    def GetAll(self, interface):
        return {"version": dbus.UInt32(options.version)} if str(interface) == SHORTCUTS else {}

    # The description a client reads to learn what the portal offers: the
    # version property is not in what python-dbus writes by itself.
    @dbus.service.method(dbus.INTROSPECTABLE_IFACE, out_signature="s")
    def Introspect(self):
        return """<node><interface name="%s">
          <method name="CreateSession"><arg type="a{sv}" direction="in"/>
            <arg type="o" direction="out"/></method>
          <method name="BindShortcuts"><arg type="o" direction="in"/>
            <arg type="a(sa{sv})" direction="in"/><arg type="s" direction="in"/>
            <arg type="a{sv}" direction="in"/><arg type="o" direction="out"/></method>
          <method name="ListShortcuts"><arg type="o" direction="in"/>
            <arg type="a{sv}" direction="in"/><arg type="o" direction="out"/></method>
          <signal name="Activated"><arg type="o"/><arg type="s"/><arg type="t"/>
            <arg type="a{sv}"/></signal>
          <signal name="Deactivated"><arg type="o"/><arg type="s"/><arg type="t"/>
            <arg type="a{sv}"/></signal>
          <signal name="ShortcutsChanged"><arg type="o"/><arg type="a(sa{sv})"/></signal>
          <property name="version" type="u" access="read"/>
        </interface><interface name="%s">
          <method name="Get"><arg type="s" direction="in"/><arg type="s" direction="in"/>
            <arg type="v" direction="out"/></method>
          <method name="GetAll"><arg type="s" direction="in"/>
            <arg type="a{sv}" direction="out"/></method>
        </interface></node>""" % (SHORTCUTS, dbus.PROPERTIES_IFACE)

    # ------------------------------------------------------------ commands

    def press(self, shortcut, token="", other=False):
        session = self.newest()
        if session is None:
            record(call="press", id=shortcut, error="no session")
            return
        path = session.path
        if other:
            path = "%s/session/%s/%s" % (PATH, "1_0", "someone_else")
        details = {"activation_token": token} if token else {}
        signal(self.bus, session.sender, PATH, SHORTCUTS, "Activated", "osta{sv}",
               dbus.ObjectPath(path), shortcut, now_ms(),
               dbus.Dictionary(details, signature="sv"))
        record(call="Activated", session=path, to=session.sender, id=shortcut, token=token)

        def release():
            signal(self.bus, session.sender, PATH, SHORTCUTS, "Deactivated", "osta{sv}",
                   dbus.ObjectPath(path), shortcut, now_ms(),
                   dbus.Dictionary({}, signature="sv"))
            record(call="Deactivated", session=path, to=session.sender, id=shortcut)
            return False
        GLib.timeout_add(50, release)

    def change(self, shortcut, trigger):
        for component, held in store.items():
            if shortcut in held:
                held[shortcut]["trigger"] = trigger
        for s in self.sessions:
            if shortcut in store.get(s.component, {}):
                signal(self.bus, s.sender, PATH, SHORTCUTS, "ShortcutsChanged", "oa(sa{sv})",
                       dbus.ObjectPath(s.path), s.listed())
                record(call="ShortcutsChanged", session=s.path, to=s.sender, id=shortcut,
                       trigger=trigger)

    def close_newest(self):
        session = self.newest()
        if session is None:
            record(call="Closed", error="no session")
            return
        signal(self.bus, session.sender, session.path, SESSION, "Closed", "a{sv}",
               dbus.Dictionary({}, signature="sv"))
        record(call="Closed", session=session.path, to=session.sender)
        self.drop(session)


class Service:
    """The portal on its own connection, which a restart replaces."""

    def __init__(self):
        self.bus = None
        self.portal = None

    def come(self):
        self.bus = dbus.bus.BusConnection(os.environ["DBUS_SESSION_BUS_ADDRESS"])
        self.portal = Portal(self.bus)
        self.bus.request_name(NAME, dbus.bus.NAME_FLAG_DO_NOT_QUEUE)
        record(call="ready", unique_name=self.bus.get_unique_name(), plasma=state["plasma"],
               version=options.version)

    def go(self):
        if self.bus is None:
            return
        for s in list(self.portal.sessions):
            self.portal.drop(s)
        self.bus.release_name(NAME)
        self.bus.close()
        self.portal.bus = None
        self.bus = self.portal = None

    def command(self, line):
        word, _, rest = line.strip().partition(" ")
        arguments = rest.split()
        portal = self.portal
        if word in ("press", "press-other-session", "change", "close-session") and not portal:
            record(call=word, error="the portal is gone")
        elif word == "press":
            portal.press(arguments[0], arguments[1] if len(arguments) > 1 else "")
        elif word == "press-other-session":
            portal.press(arguments[0], other=True)
        elif word == "change":
            portal.change(arguments[0], " ".join(arguments[1:]))
        elif word == "close-session":
            portal.close_newest()
        elif word in ("refuse", "silent", "answer"):
            state["mode"] = word
            record(call="mode", mode=word)
        elif word in ("plasma", "documented"):
            state["plasma"] = word == "plasma"
            record(call="mode", plasma=state["plasma"])
        elif word == "forget":
            store.clear()
            record(call="forgotten")
        elif word == "vanish":
            self.go()
            record(call="vanished")
        elif word == "restart":
            self.go()
            self.come()
        elif word:
            record(call="unknown", line=line.strip())


def main():
    global options
    parser = argparse.ArgumentParser()
    parser.add_argument("log")
    parser.add_argument("commands")
    parser.add_argument("--plasma", action="store_true")
    parser.add_argument("--version", type=int, default=1)
    options = parser.parse_args()
    state["plasma"] = options.plasma
    DBusGMainLoop(set_as_default=True)
    service = Service()
    open(options.commands, "w").close()
    done = [0]

    def poll():
        with open(options.commands) as f:
            lines = f.read().splitlines()
        for line in lines[done[0]:]:
            service.command(line)
        done[0] = len(lines)
        return True
    service.come()
    GLib.timeout_add(100, poll)
    GLib.MainLoop().run()


if __name__ == "__main__":
    main()
