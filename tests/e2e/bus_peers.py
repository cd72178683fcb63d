#!/usr/bin/env python3
# SPDX-License-Identifier: GPL-3.0-or-later
"""The desktop's side of the session bus, small enough to read: a
notification service, a StatusNotifierWatcher with a host and the power
daemon's scheduled wake-up, which write down what the program tells them,
one JSON object a line with the moment it came ("at"), in LOG. A line "stop ID" written to COMMANDS makes
the service invoke "Stop" on that notification, "act ID ACTION" any of its
actions, "token ID TOKEN" hand over an activation token for the action to
follow; "wake COOKIE" makes the power daemon call the program back as at
the machine's wake. The service can be made faulty: "slow SECONDS" answers
the next notification that much later, "same" gives the next new one the
id of the newest one shown, in its place (as a service that stacks alike
notifications does), "flap N" lets the name go and takes it back N times.
Each notification and close is written down with what the service then
shows.

    bus_peers.py LOG COMMANDS
"""
import json
import os
import sys
import time

import dbus
import dbus.service
from dbus.mainloop.glib import DBusGMainLoop
from gi.repository import GLib

LOG, COMMANDS = sys.argv[1], sys.argv[2]


def record(**entry):
    # When it came, on the wall clock, to the microsecond.
    entry["at"] = time.time()
    with open(LOG, "a") as f:
        f.write(json.dumps(entry) + "\n")


class Notifications(dbus.service.Object):
    def __init__(self, bus):
        super().__init__(bus, "/org/freedesktop/Notifications")
        self.next_id = 0
        self.shown = {}
        self.delay = 0
        self.same = False

    def showing(self):
        return sorted([i, s] for i, s in self.shown.items())

    @dbus.service.method("org.freedesktop.Notifications", in_signature="susssasa{sv}i",
                         out_signature="u", async_callbacks=("reply", "error"))
    def Notify(self, app, replaces, icon, summary, body, actions, hints, timeout, reply, error):
        if self.same and not replaces and self.shown:
            self.same = False
            given = max(self.shown)
        else:
            self.next_id = int(replaces) or self.next_id + 1
            given = self.next_id
        self.shown[given] = str(summary)
        entry = dict(call="Notify", id=given, app=str(app), icon=str(icon),
                     summary=str(summary), body=str(body), actions=[str(a) for a in actions],
                     urgency=int(hints.get("urgency", -1)), timeout=int(timeout),
                     entry=str(hints.get("desktop-entry", "")))

        def answer():
            record(shown=self.showing(), **entry)
            reply(dbus.UInt32(given))
            return False
        delay, self.delay = self.delay, 0
        if delay:
            GLib.timeout_add(int(delay * 1000), answer)
        else:
            answer()

    @dbus.service.method("org.freedesktop.Notifications", in_signature="u")
    def CloseNotification(self, id):
        self.shown.pop(int(id), None)
        record(call="CloseNotification", id=int(id), shown=self.showing())
        self.NotificationClosed(id, 3)

    @dbus.service.method("org.freedesktop.Notifications", out_signature="as")
    def GetCapabilities(self):
        return ["actions", "body"]

    @dbus.service.method("org.freedesktop.Notifications", out_signature="ssss")
    def GetServerInformation(self):
        return ["quorbel-test", "quorbel", "1", "1.2"]

    @dbus.service.signal("org.freedesktop.Notifications", signature="us")
    def ActionInvoked(self, id, action):
        pass

    @dbus.service.signal("org.freedesktop.Notifications", signature="uu")
    def NotificationClosed(self, id, reason):
        pass

    @dbus.service.signal("org.freedesktop.Notifications", signature="us")
    def ActivationToken(self, id, token):
        pass


POWER = "org.kde.Solid.PowerManagement"


class Power(dbus.service.Object):
    def __init__(self, bus):
        super().__init__(bus, "/org/kde/Solid/PowerManagement")
        self.bus = bus
        self.wakes = {}

    @dbus.service.method(POWER, in_signature="sot", out_signature="u")
    def scheduleWakeup(self, service, path, timestamp):
        cookie = len(self.wakes) + 1
        self.wakes[cookie] = (str(service), str(path))
        record(call="scheduleWakeup", cookie=cookie, service=str(service), path=str(path),
               timestamp=int(timestamp))
        return cookie

    @dbus.service.method(POWER, in_signature="i")
    def clearWakeup(self, cookie):
        record(call="clearWakeup", cookie=int(cookie))

    def wake(self, cookie):
        service, path = self.wakes[cookie]
        self.bus.get_object(service, path).wakeupCallback(
            dbus.Int32(cookie), dbus_interface="org.kde.PowerManagement")
        record(call="wakeupCallback", cookie=cookie)


WATCHER = "org.kde.StatusNotifierWatcher"


class Watcher(dbus.service.Object):
    def __init__(self, bus):
        super().__init__(bus, "/StatusNotifierWatcher")
        self.items = []

    @dbus.service.method(WATCHER, in_signature="s", sender_keyword="sender")
    def RegisterStatusNotifierItem(self, service, sender=None):
        # Qt names its item by a service or by a path on its own connection.
        name = str(service) if not str(service).startswith("/") else str(sender)
        self.items.append(name)
        record(call="RegisterStatusNotifierItem", service=name)
        self.StatusNotifierItemRegistered(name)

    @dbus.service.method(WATCHER, in_signature="s")
    def RegisterStatusNotifierHost(self, service):
        pass

    @dbus.service.signal(WATCHER, signature="s")
    def StatusNotifierItemRegistered(self, service):
        pass

    # Qt reads the host's presence as a property, which it must find in the
    # description of the object.
    @dbus.service.method(dbus.INTROSPECTABLE_IFACE, out_signature="s")
    def Introspect(self):
        return """<node><interface name="%s">
          <method name="RegisterStatusNotifierItem"><arg type="s" direction="in"/></method>
          <method name="RegisterStatusNotifierHost"><arg type="s" direction="in"/></method>
          <property name="RegisteredStatusNotifierItems" type="as" access="read"/>
          <property name="IsStatusNotifierHostRegistered" type="b" access="read"/>
          <property name="ProtocolVersion" type="i" access="read"/>
          <signal name="StatusNotifierItemRegistered"><arg type="s"/></signal>
        </interface><interface name="%s">
          <method name="Get"><arg type="s" direction="in"/><arg type="s" direction="in"/>
            <arg type="v" direction="out"/></method>
          <method name="GetAll"><arg type="s" direction="in"/>
            <arg type="a{sv}" direction="out"/></method>
        </interface></node>""" % (WATCHER, dbus.PROPERTIES_IFACE)

    @dbus.service.method(dbus.PROPERTIES_IFACE, in_signature="ss", out_signature="v")
    def Get(self, interface, name):
        return self.GetAll(interface)[str(name)]

    @dbus.service.method(dbus.PROPERTIES_IFACE, in_signature="s", out_signature="a{sv}")
    def GetAll(self, interface):
        return {"RegisteredStatusNotifierItems": dbus.Array(self.items, signature="s"),
                "IsStatusNotifierHostRegistered": True, "ProtocolVersion": 0}


def main():
    DBusGMainLoop(set_as_default=True)
    bus = dbus.SessionBus()
    names = [dbus.service.BusName(n, bus)
             for n in ("org.freedesktop.Notifications", WATCHER, POWER)]
    notifications, watcher, power = Notifications(bus), Watcher(bus), Power(bus)
    kept = []
    open(COMMANDS, "w").close()
    done = [0]

    def poll():
        nonlocal notifications
        with open(COMMANDS) as f:
            lines = f.read().splitlines()
        for line in lines[done[0]:]:
            word, _, number = line.partition(" ")
            if word == "stop":
                notifications.ActionInvoked(dbus.UInt32(int(number)), "stop")
            elif word == "act":
                number, _, action = number.partition(" ")
                notifications.ActionInvoked(dbus.UInt32(int(number)), action)
            elif word == "token":
                number, _, token = number.partition(" ")
                notifications.ActivationToken(dbus.UInt32(int(number)), token)
            elif word == "wake":
                power.wake(int(number))
            elif word == "slow":
                notifications.delay = float(number)
            elif word == "same":
                notifications.same = True
            elif word == "flap":
                bus = names[0].get_bus()
                for _ in range(int(number)):
                    bus.release_name("org.freedesktop.Notifications")
                    bus.request_name("org.freedesktop.Notifications")
                record(call="flapped", times=int(number))
            elif word == "restart":
                # The notification service restarts: a new connection owns
                # the name, and counts its ids from 1 again.
                names[0].get_bus().release_name("org.freedesktop.Notifications")
                again = dbus.bus.BusConnection(os.environ["DBUS_SESSION_BUS_ADDRESS"])
                kept.extend([names[0], again])
                names[0] = dbus.service.BusName("org.freedesktop.Notifications", again)
                notifications = Notifications(again)
                record(call="restarted")
        done[0] = len(lines)
        return True
    GLib.timeout_add(100, poll)
    record(call="ready", names=len(names), watcher=bool(watcher))
    GLib.MainLoop().run()


if __name__ == "__main__":
    main()
