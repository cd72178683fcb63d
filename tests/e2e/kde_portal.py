#!/usr/bin/env python3
# SPDX-License-Identifier: GPL-3.0-or-later
"""The desktop's global shortcuts for real, headless: kwin_wayland --virtual
(which holds org.kde.kglobalaccel itself), xdg-desktop-portal-kde and
xdg-desktop-portal on a session bus of their own, beside the stand-in
notification service, as nobody when run as root.

KdePortal is a KWin session (wayland.py) with the portals started
(start); a client is started plain (spawn) or in a cgroup named like the
scope a launcher makes (spawn_in_unit with units.scope_for(APP_ID)), which
the portal reads its application id from; the desktop files the client's
shortcuts under a kglobalaccel component named by that id and the
session's token joined (wait_component); bind_key gives one of them a key
the way System Settings does, through kglobalaccel's D-Bus interface, and
press plays the chord through KWin's fake input (org_kde_kwin_fake_input,
by a small client compiled here). What the desktop would open for the
user is written down (settings_opened).

    kde_portal.py [KEYS]
    kde_portal.py --program BUILD_DIR [KEYS]

runs the whole check with the stand-in client (portal_client.py), started
plain, again, then in scopes, with KEYS (Ctrl+Alt+S unless given), and
says what happened and how long each step took. With --program it runs the
program built in BUILD_DIR instead, started from a terminal, from the menu
and by autostart, beside a stand-in of the user's service manager
(unit_manager.py), and checks that the key bound once silences a ring
after each.
"""
import json
import os
import re
import shutil
import subprocess
import sys
import time

sys.path.insert(0, os.path.dirname(os.path.abspath(__file__)))
from desktop import Failure, Skip, check, wait_for  # noqa: E402
from portal_rig import Units, client_events  # noqa: E402
from wayland import APP_ID, NOBODY, KWin, end  # noqa: E402

HERE = os.path.dirname(os.path.abspath(__file__))
PORTAL = "/usr/libexec/xdg-desktop-portal"
PORTAL_KDE = "/usr/lib/x86_64-linux-gnu/libexec/xdg-desktop-portal-kde"
FAKE_INPUT_XML = "/usr/share/plasma-wayland-protocols/fake-input.xml"
# The KDE portal is a Qt 5 program and starts only on Wayland (qtwayland5).
QT5_WAYLAND = "/usr/lib/x86_64-linux-gnu/qt5/plugins/platforms/libqwayland-generic.so"

# Presses each key code given in order, holds them a moment and lets them go
# in the reverse order: a chord as a hand plays it.
FAKE_INPUT_C = r"""
#include <stdio.h>
#include <stdlib.h>
#include <string.h>
#include <unistd.h>
#include <wayland-client.h>
#include "fake-input-client-protocol.h"

static struct org_kde_kwin_fake_input *fake;

static void global(void *data, struct wl_registry *registry, uint32_t name,
                   const char *interface, uint32_t version)
{
    if (strcmp(interface, org_kde_kwin_fake_input_interface.name) == 0)
        fake = wl_registry_bind(registry, name, &org_kde_kwin_fake_input_interface,
                                version < 4 ? version : 4);
}

static void global_remove(void *data, struct wl_registry *registry, uint32_t name) {}

static const struct wl_registry_listener listener = {global, global_remove};

int main(int argc, char **argv)
{
    struct wl_display *display = wl_display_connect(NULL);
    if (!display) {
        fprintf(stderr, "no Wayland display\n");
        return 2;
    }
    wl_registry_add_listener(wl_display_get_registry(display), &listener, NULL);
    wl_display_roundtrip(display);
    if (!fake) {
        fprintf(stderr, "the compositor offers no org_kde_kwin_fake_input\n");
        return 3;
    }
    if (wl_proxy_get_version((struct wl_proxy *)fake) < 4) {
        fprintf(stderr, "org_kde_kwin_fake_input has no keyboard_key\n");
        return 4;
    }
    org_kde_kwin_fake_input_authenticate(fake, "quorbel-e2e", "presses keys for a test");
    wl_display_roundtrip(display);
    for (int i = 1; i < argc; i++) {
        org_kde_kwin_fake_input_keyboard_key(fake, atoi(argv[i]), 1);
        wl_display_roundtrip(display);
        usleep(20000);
    }
    usleep(50000);
    for (int i = argc - 1; i >= 1; i--) {
        org_kde_kwin_fake_input_keyboard_key(fake, atoi(argv[i]), 0);
        wl_display_roundtrip(display);
        usleep(20000);
    }
    wl_display_disconnect(display);
    return 0;
}
"""

# Each key by name: its Linux input code (what fake input presses) and its
# Qt 5 code (what kglobalaccel stores).
MODIFIERS = {"Ctrl": (29, 0x04000000), "Alt": (56, 0x08000000), "Shift": (42, 0x02000000),
             "Meta": (125, 0x10000000)}
KEYS = {}
for row, first in (("QWERTYUIOP", 16), ("ASDFGHJKL", 30), ("ZXCVBNM", 44)):
    for i, letter in enumerate(row):
        KEYS[letter] = (first + i, ord(letter))
for i in range(1, 11):
    KEYS["F%d" % i] = (58 + i, 0x01000030 + i - 1)
for i, digit in enumerate("1234567890"):
    KEYS[digit] = (2 + i, ord(digit))


def chord(keys):
    """'Ctrl+Alt+S' as the input codes to press and the Qt key code."""
    codes, qt = [], 0
    for name in keys.split("+"):
        code, value = MODIFIERS.get(name) or KEYS[name.upper()]
        codes.append(code)
        qt |= value
    return codes, qt


def variant_strings(text):
    """The quoted strings and object paths in gdbus's printed answer."""
    return re.findall(r"'((?:[^'\\]|\\.)*)'", text)


class KdePortal(KWin):
    """kwin_wayland, its kglobalaccel, the KDE portal and the portal, on a
    session bus of their own, beside the stand-in notification service."""

    def __init__(self, build_dir=None, name="kde_portal"):
        super().__init__(build_dir, name)
        self.units = Units(NOBODY if self.as_user else os.getuid())
        self.timings = {}

    def __exit__(self, *exc):
        # The processes end first, then their cgroups can go.
        result = super().__exit__(*exc)
        self.units.remove()
        return result

    def start(self):
        for path in (PORTAL, PORTAL_KDE, FAKE_INPUT_XML, QT5_WAYLAND):
            if not os.path.exists(path):
                raise Skip(path + " is not installed")
        for tool in ("wayland-scanner", "cc", "pkg-config"):
            if not shutil.which(tool):
                raise Skip(tool + " is not installed")
        began = time.monotonic()
        self.fake_input = self.build_fake_input()
        # What the desktop would open for the user (System Settings, on a
        # full desktop) is written down instead.
        with open(os.path.join(self.root, "tools", "xdg-open"), "w") as f:
            f.write('#!/bin/sh\necho "$@" >> "%s"\n' % os.path.join(self.root, "opened.log"))
        os.chmod(os.path.join(self.root, "tools", "xdg-open"), 0o755)
        self.env["PATH"] = os.path.join(self.root, "tools") + ":" + self.env["PATH"]
        # KWin hands its fake input only to programs whose desktop entry
        # asks for it, unless told not to check.
        self.env.update({"KWIN_WAYLAND_NO_PERMISSION_CHECKS": "1", "XDG_CURRENT_DESKTOP": "KDE",
                         "XDG_CONFIG_HOME": os.path.join(self.root, "config")})
        super().start()
        self.timings["kwin"] = time.monotonic() - began
        wait_for(lambda: self.has_name("org.kde.kglobalaccel"), "KWin's kglobalaccel",
                 timeout=15)
        self.spawn([PORTAL_KDE], {"QT_QPA_PLATFORM": "wayland",
                                  "QT_LOGGING_RULES": "xdp-kde-*=true"}, log="portal-kde.log")
        wait_for(lambda: self.has_name("org.freedesktop.impl.portal.desktop.kde"),
                 "xdg-desktop-portal-kde", timeout=15)
        self.spawn([PORTAL, "--verbose"], log="portal.log")
        wait_for(lambda: self.has_name("org.freedesktop.portal.Desktop"), "xdg-desktop-portal",
                 timeout=15)
        self.timings["stack"] = time.monotonic() - began

    def build_fake_input(self):
        tools = os.path.join(self.root, "tools")
        os.makedirs(tools)
        header = os.path.join(tools, "fake-input-client-protocol.h")
        code = os.path.join(tools, "fake-input-protocol.c")
        source = os.path.join(tools, "press.c")
        with open(source, "w") as f:
            f.write(FAKE_INPUT_C)
        subprocess.run(["wayland-scanner", "client-header", FAKE_INPUT_XML, header], check=True)
        subprocess.run(["wayland-scanner", "private-code", FAKE_INPUT_XML, code], check=True)
        flags = subprocess.run(["pkg-config", "--cflags", "--libs", "wayland-client"],
                               capture_output=True, text=True, check=True).stdout.split()
        binary = os.path.join(tools, "press")
        subprocess.run(["cc", "-O1", "-o", binary, source, code, "-I", tools] + flags,
                       check=True)
        return binary

    # ------------------------------------------------------------ the bus

    def run(self, argv, timeout=20):
        return subprocess.run(argv, env=self.env, capture_output=True, text=True,
                              timeout=timeout, **self.as_user)

    def bus_call(self, dest, path, method, *arguments):
        done = self.run(["gdbus", "call", "--session", "--dest", dest, "--object-path", path,
                         "--method", method] + list(arguments))
        if done.returncode != 0:
            raise Failure("%s %s: %s" % (dest, method, done.stderr.strip()))
        return done.stdout

    def has_name(self, name):
        done = self.run(["gdbus", "call", "--session", "--dest", "org.freedesktop.DBus",
                         "--object-path", "/org/freedesktop/DBus", "--method",
                         "org.freedesktop.DBus.NameHasOwner", name])
        return "true" in done.stdout

    # ------------------------------------------------------------ clients

    def spawn_in_unit(self, argv, unit, env=None, log=None):
        """Starts argv in a cgroup named like unit under the user's manager
        (user@UID.service/app.slice/UNIT), before it runs a line of its
        own: the portal reads the application id there at the client's
        first call."""
        become = ["setpriv", "--reuid=%d" % NOBODY, "--regid=%d" % NOBODY,
                  "--clear-groups"] if self.as_user else []
        out = open(os.path.join(self.root, log), "ab") if log else subprocess.DEVNULL
        p = subprocess.Popen(self.units.argv(unit, argv, become),
                             env=dict(self.env, **(env or {})), stdin=subprocess.DEVNULL,
                             stdout=out, stderr=out)
        self.processes.append(p)
        return p

    def start_stand_in(self, log, unit=None, token="quorbel", *options):
        """The stand-in client, plain or in a cgroup named like unit; its
        lines are read with events(log)."""
        client = shutil.copy(os.path.join(HERE, "portal_client.py"), self.root)
        self.own()
        argv = ["/usr/bin/python3", "-u", client, "--token", token] + list(options)
        if unit:
            return self.spawn_in_unit(argv, unit, log=log)
        return self.spawn(argv, log=log)

    def events(self, log, name=None):
        return client_events(os.path.join(self.root, log), name)

    # ------------------------------------------------------------ kglobalaccel

    def components(self):
        """The unique name of each component kglobalaccel knows."""
        paths = variant_strings(self.bus_call("org.kde.kglobalaccel", "/kglobalaccel",
                                              "org.kde.KGlobalAccel.allComponents"))
        names = []
        for path in paths:
            said = self.bus_call("org.kde.kglobalaccel", path,
                                 "org.freedesktop.DBus.Properties.Get",
                                 "org.kde.kglobalaccel.Component", "uniqueName")
            names.extend(variant_strings(said))
        return names

    def shortcut_names(self, component):
        path = "/component/" + re.sub(r"[^A-Za-z0-9_]", "_", component)
        return variant_strings(self.bus_call("org.kde.kglobalaccel", path,
                                             "org.kde.kglobalaccel.Component.shortcutNames"))

    def wait_component(self, component, shortcut="silence", timeout=10):
        """Waits until kglobalaccel has component with shortcut in it."""
        wait_for(lambda: component in self.components()
                 and shortcut in self.shortcut_names(component),
                 "%s with %s among %s" % (component, shortcut, "kglobalaccel's components"),
                 timeout=timeout)

    def keys_of(self, component, shortcut):
        said = self.bus_call("org.kde.kglobalaccel", "/kglobalaccel",
                             "org.kde.KGlobalAccel.shortcut",
                             json.dumps([component, shortcut, "", ""]))
        return [int(n) for n in re.findall(r"-?\d+", said.split("[", 1)[-1])]

    def bind_key(self, component, shortcut, keys):
        """Gives shortcut of component the key as System Settings does,
        keys being 'Ctrl+Alt+S', or '' for none."""
        qt = [chord(keys)[1]] if keys else []
        self.bus_call("org.kde.kglobalaccel", "/kglobalaccel",
                      "org.kde.KGlobalAccel.setForeignShortcut",
                      json.dumps([component, shortcut, "", ""]),
                      "@ai " + json.dumps(qt))
        wait_for(lambda: self.keys_of(component, shortcut) == qt,
                 "%s's %s bound to %r" % (component, shortcut, keys))

    def press(self, keys):
        """Plays the chord through KWin's fake input."""
        done = self.run([self.fake_input] + [str(c) for c in chord(keys)[0]])
        check(done.returncode == 0, "fake input: " + done.stderr.strip())

    def app_ids(self):
        """The application id the portal passed on for each session, in
        the order the sessions came (the KDE portal's log)."""
        return [line.split("app_id:", 1)[1].strip().strip('"')
                for line in self.log("portal-kde.log").splitlines() if "app_id:" in line]

    def assigned(self):
        """What xdg-desktop-portal read of each caller that runs in a
        unit: (application id, process id, unit). A caller outside any
        unit gets the empty id and no line."""
        return re.findall(r'Assigning app ID "([^"]*)" to pid (\d+) which has unit "([^"]*)"',
                          self.log("portal.log"))

    def settings_opened(self):
        """What the desktop opened for the user, System Settings' page of
        a component when BindShortcuts is called (Plasma 5.27)."""
        return self.log("opened.log").split()


# ---------------------------------------------------------------- the check


def held(s, log):
    return s.events(log, "held") or s.events(log, "bound")


def pressed(s, log, keys, expect=True, timeout=3.0):
    """Presses keys and gives the seconds until the client's Activated,
    or None when none came within timeout."""
    before = len(s.events(log, "Activated"))
    began = time.monotonic()
    s.press(keys)
    end = began + timeout
    while time.monotonic() < end:
        if len(s.events(log, "Activated")) > before:
            return time.monotonic() - began
        time.sleep(0.02)
    check(not expect, "no Activated after %s" % keys)
    return None


def run_client(s, report, name, keys, unit=None, bind=True, expect=True, token="quorbel"):
    """One run of the stand-in client: its session, the component the
    desktop filed its shortcuts under, and what a press of keys did. With
    bind, the key is taken from every component that had it and given to
    this one's silence, as a user would in System Settings."""
    began = time.monotonic()
    log = name + ".log"
    before = set(s.components())
    client = s.start_stand_in(log, unit, token)
    wait_for(lambda: held(s, log), name + "'s shortcuts held", timeout=10)
    session = time.monotonic() - began
    given = s.app_ids()[-1]
    # KDE names the component after the application id and the token.
    component = given + token
    s.wait_component(component)
    if bind:
        for other in report.setdefault("bound", set()) - {component}:
            s.bind_key(other, "silence", "")
        s.bind_key(component, "silence", keys)
        report["bound"] = {component}
    latency = pressed(s, log, keys, expect)
    entry = {"unit": unit or "", "app_id": given, "component": component,
             "new_component": component not in before, "session_s": round(session, 3),
             "bind_called": bool(s.events(log, "bound")), "bound_now": bind, "activated_s": latency and round(latency, 3),
             "deactivated": bool(s.events(log, "Deactivated")),
             "tokens": [e["token"] for e in s.events(log, "Activated")],
             "settings_opened": s.settings_opened()}
    end([client])
    report[name] = entry
    print("%-12s %s" % (name, json.dumps(entry)), flush=True)
    return entry


def what_holds(report):
    """What a client of the portal relies on, as measured."""
    check(report["plain"]["component"] == "quorbel", "plain: %r" % report["plain"])
    check(report["scope"]["component"] == APP_ID + "quorbel", "scope: %r" % report["scope"])
    runs = ("plain", "plain-again", "scope", "scope-bound", "scope-again")
    for name in runs:
        check(not report[name]["bind_called"], "%s needed BindShortcuts" % name)
        if name != "scope":
            check(report[name]["activated_s"] and report[name]["deactivated"],
                  "no press reached %s" % name)
    check(not report["scope"]["activated_s"], "the key left the old component by itself")
    check(not report["scope-again"]["settings_opened"], "System Settings opened")


# ---------------------------------------------------------------- the program


def friendly_name(s, component):
    path = "/component/" + re.sub(r"[^A-Za-z0-9_]", "_", component)
    said = s.bus_call("org.kde.kglobalaccel", path, "org.freedesktop.DBus.Properties.Get",
                      "org.kde.kglobalaccel.Component", "friendlyName")
    return (variant_strings(said) or [""])[0]


def run_program(s, report, name, keys, unit, bind=False, arguments=()):
    """One run of the program itself, started in unit; the component the desktop filed its shortcuts under; with bind
    the key given to its silence, as a user would in System Settings; then
    a ring, which the key silences while the terminal has the keyboard."""
    began = time.monotonic()
    moves = len(unit_calls(s))
    argv = [os.path.join(s.folder, "quorbel")] + list(arguments)
    env = dict(s.env, XDG_CURRENT_DESKTOP="KDE")
    # The cgroup made first and handed to the user, as systemd delegates
    # the user's manager its tree, so that the manager may move the program.
    s.units.argv(unit, [])
    delegate(s)
    s.program = s.spawn_in_unit(argv, unit, env=env, log="program.log")
    s.program_env = env
    component = APP_ID + "quorbel"
    s.wait_component(component)
    ready = time.monotonic() - began
    if bind:
        s.bind_key(component, "silence", keys)
    notice = s.ring()
    time.sleep(1.5)
    pressed_at = time.monotonic()
    s.press(keys)
    wait_for(lambda: notice["id"] in [c["id"] for c in s.calls("CloseNotification")],
             "the ring silenced by %s" % keys, timeout=5)
    entry = {"unit": unit or "", "moved": [c["name"] for c in unit_calls(s)[moves:]],
             "component": component, "friendly_name": friendly_name(s, component),
             "shortcuts_ready_s": round(ready, 2),
             "silenced_s": round(time.monotonic() - pressed_at, 3),
             "settings_opened": s.settings_opened(), "app_ids": s.app_ids()}
    s.quit()
    report[name] = entry
    print("%-16s %s" % (name, json.dumps(entry)), flush=True)
    return entry


def delegate(s):
    """The user's manager's tree, user@UID.service and all below, given to
    the user."""
    for made in s.units.made:
        if "/user@" not in made:
            continue
        for name in ("", "cgroup.procs", "cgroup.threads", "cgroup.subtree_control"):
            path = os.path.join(made, name)
            if os.path.exists(path):
                os.chown(path, NOBODY, NOBODY)


def unit_calls(s):
    path = os.path.join(s.root, "units.log")
    if not os.path.exists(path):
        return []
    with open(path) as f:
        return [e for e in map(json.loads, f) if e["call"] == "StartTransientUnit"]


def verdict(name, session, check_run, logs):
    """Runs check_run(s) in session, the last lines of logs printed when it
    fails: the exit code, 77 for a skip."""
    began = time.monotonic()
    try:
        with session as s:
            try:
                check_run(s)
            except Failure:
                for log in logs:
                    said = s.log(log).strip()
                    if said:
                        print("--- %s (end)\n%s" % (log, said[-2000:]))
                raise
    except Skip as reason:
        print("SKIP %s: %s" % (name, reason))
        return 77
    except Failure as failure:
        print("FAIL %s: %s" % (name, failure))
        return 1
    print("took %.1f s in all" % (time.monotonic() - began))
    print("PASS " + name)
    return 0


def program_check(s, keys):
    """The program on KDE's real stack, its shortcut silencing a ring after
    each way of starting: from a terminal, then from the menu (a launcher's
    scope), by autostart, and in the background by a D-Bus call; one
    binding serves all four."""
    report = {}
    s.start()
    # The user's service manager, as much as the program asks of it.
    manager = shutil.copy(os.path.join(HERE, "unit_manager.py"), s.root)
    s.own()
    s.spawn(["/usr/bin/python3", manager, os.path.join(s.root, "units.log"),
             str(NOBODY if s.as_user else os.getuid())], log="units.out")
    wait_for(lambda: os.path.exists(os.path.join(s.root, "units.log")),
             "the stand-in service manager")
    s.install_program(2)
    # Konsole's scope, which a program started in it inherits.
    run_program(s, report, "terminal", keys, s.units.scope_for("org.kde.konsole"), bind=True)
    run_program(s, report, "menu", keys, s.units.scope_for(APP_ID))
    run_program(s, report, "autostart", keys, "app-quorbel@autostart.service")
    # Started by a D-Bus call: in the bus's own service, in the background.
    run_program(s, report, "bus", keys, "dbus.service", arguments=["--background"])
    check(report["terminal"]["moved"] and not report["menu"]["moved"] and
          report["autostart"]["moved"] and report["bus"]["moved"], "scopes asked: %r" % report)
    check(not any(r["settings_opened"] for r in report.values()), "System Settings opened")


def client_check(s, keys):
    report = {}
    s.start()
    print("stack up in %.2f s %s" % (s.timings["stack"], s.timings), flush=True)
    # Started plain (no unit of its own): its key, then a restart.
    run_client(s, report, "plain", keys)
    run_client(s, report, "plain-again", keys, bind=False)
    # In a scope: a new component, and the key stays with the old one until
    # the user binds it anew; then it holds across scopes of other numbers.
    run_client(s, report, "scope", keys, s.units.scope_for(APP_ID), bind=False, expect=False)
    run_client(s, report, "scope-bound", keys, s.units.scope_for(APP_ID))
    run_client(s, report, "scope-again", keys, s.units.scope_for(APP_ID), bind=False)
    report["assigned"] = s.assigned()
    report["stack_s"] = round(s.timings["stack"], 2)
    what_holds(report)
    print("application ids the portal assigned: %r" % (report["assigned"],))


def main():
    if len(sys.argv) > 1 and sys.argv[1] == "--program":
        # The program itself, built in the folder given.
        keys = sys.argv[3] if len(sys.argv) > 3 else "Ctrl+Alt+S"
        return verdict("kde_shortcuts", KdePortal(sys.argv[2], name="kde_shortcuts"),
                       lambda s: program_check(s, keys),
                       ("portal-kde.log", "portal.log", "program.log"))
    keys = sys.argv[1] if len(sys.argv) > 1 else "Ctrl+Alt+S"
    return verdict("kde_portal", KdePortal(), lambda s: client_check(s, keys),
                   ("portal-kde.log", "portal.log", "kwin.log"))


if __name__ == "__main__":
    sys.exit(main())
