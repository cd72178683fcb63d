#!/usr/bin/env python3
# SPDX-License-Identifier: GPL-3.0-or-later
"""A user's service manager, as much of it as a program asks for when it
moves itself into a scope of its own: org.freedesktop.systemd1's
StartTransientUnit on the session bus. The processes named in PIDs are put
into a cgroup of the scope's name under the user's manager
(user.slice/user-UID.slice/user@UID.service/SLICE/NAME), as the job runs, a
moment after the call is answered, as systemd does. Each call is written
to LOG as one JSON line; the cgroups made are removed at the end (SIGTERM)
once empty. Needs the right to make cgroups (root in a container).

    unit_manager.py LOG UID
"""
import json
import os
import signal
import sys
import time

import dbus
import dbus.service
from dbus.mainloop.glib import DBusGMainLoop
from gi.repository import GLib

ROOTS = ("/sys/fs/cgroup/unified", "/sys/fs/cgroup")
MANAGER = "org.freedesktop.systemd1.Manager"


def record(log, **entry):
    entry["at"] = time.time()
    with open(log, "a") as f:
        f.write(json.dumps(entry) + "\n")


class Manager(dbus.service.Object):
    def __init__(self, bus, log, uid):
        super().__init__(bus, "/org/freedesktop/systemd1")
        self.log, self.uid, self.jobs, self.made = log, uid, 0, []
        self.root = next(r for r in ROOTS if os.path.exists(os.path.join(r, "cgroup.procs")))

    @dbus.service.method(MANAGER, in_signature="ssa(sv)a(sa(sv))", out_signature="o",
                         sender_keyword="sender")
    def StartTransientUnit(self, name, mode, properties, auxiliary, sender=None):
        given = {str(k): v for k, v in properties}
        pids = [int(p) for p in given.get("PIDs", [])]
        slice_ = str(given.get("Slice", "app.slice"))
        self.jobs += 1
        record(self.log, call="StartTransientUnit", name=str(name), mode=str(mode), pids=pids,
               slice=slice_, properties=sorted(given), sender=str(sender))
        path = self.root
        for part in ("user.slice", "user-%d.slice" % self.uid, "user@%d.service" % self.uid,
                     slice_, str(name)):
            path = os.path.join(path, part)
            if not os.path.isdir(path):
                os.mkdir(path)
                self.made.append(path)

        def run():
            for pid in pids:
                with open(os.path.join(path, "cgroup.procs"), "w") as f:
                    f.write(str(pid))
            record(self.log, call="moved", name=str(name), pids=pids)
            return False
        GLib.timeout_add(30, run)
        return dbus.ObjectPath("/org/freedesktop/systemd1/job/%d" % self.jobs)

    def remove(self):
        for path in reversed(self.made):
            try:
                os.rmdir(path)
            except OSError:
                pass


def main():
    log, uid = sys.argv[1], int(sys.argv[2])
    DBusGMainLoop(set_as_default=True)
    bus = dbus.SessionBus()
    manager = Manager(bus, log, uid)
    bus.request_name("org.freedesktop.systemd1")
    loop = GLib.MainLoop()
    GLib.unix_signal_add(GLib.PRIORITY_DEFAULT, signal.SIGTERM, loop.quit)
    record(log, call="ready")
    loop.run()
    # The scopes' processes have ended by now, or will soon.
    for _ in range(50):
        manager.remove()
        if not any(os.path.isdir(p) for p in manager.made):
            break
        time.sleep(0.1)


if __name__ == "__main__":
    main()
