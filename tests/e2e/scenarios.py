#!/usr/bin/env python3
# SPDX-License-Identifier: GPL-3.0-or-later
"""End-to-end scenarios: the built program on a real X desktop, driven with
xdotool the way a user meets it.

    scenarios.py BUILD_DIR SCENARIO
"""
import datetime
import fcntl
import json
import os
import random
import select
import shutil
import signal
import socket
import subprocess
import sys
import threading
import time

sys.path.insert(0, os.path.dirname(os.path.abspath(__file__)))
from desktop import Desktop, Failure, Skip, check, wait_for  # noqa: E402

SCREEN = (1280, 1024)
# Places in the window, from its design.
QUIT = (148, 223)
HIDE = (260, 15)
PIN = (236, 15)
ALARM_HALF = (218, 15)
TITLE = (30, 14)
STOPWATCH = (139, 15)


def slot_button(n):
    return (65 + 37 + (5 if n <= 5 else 148), 5 + 11 + 31 + 31 * ((n - 1) % 5))


def slot_box(n):
    return (5 + 28 + (5 if n <= 5 else 148), 4 + 12 + 31 + 31 * ((n - 1) % 5))


def quick_button(n):
    return (5 + 24 * (n - 23) + 12, 190 + 9)


def silent(desktop):
    return desktop.loudest() < 0.02


def prefs_lines(desktop):
    return desktop.read("prefs.qbx").split(b"\r\n")


DEFAULT_FLAGS = b"110120010" + b"0" * 21


def first_run(d):
    d.install_program()
    window = d.start_program()
    x, y, w, h = d.geometry(window)
    check((w, h) == (298, 239), "the window is %dx%d" % (w, h))
    check((x, y) == ((SCREEN[0] - 298) // 2, (SCREEN[1] - 239) // 2), "not centred: %d,%d" % (x, y))
    check(d.pointer() == d.at(QUIT[0] + 30, QUIT[1]), "pointer not on Quit + 30")
    wait_for(d.tray_icons, "the tray icon")
    # The pointer resting on a slot tells how to set it.
    shown = set(d.run(["xdotool", "search", "--onlyvisible", "--class", "quorbel"]).split())
    x, y = d.at(*slot_button(1))
    d.run(["xdotool", "mousemove", str(x), str(y)])
    time.sleep(0.2)
    d.run(["xdotool", "mousemove", str(x + 2), str(y + 1)])
    wait_for(lambda: set(d.run(["xdotool", "search", "--onlyvisible", "--class", "quorbel"],
                               check=False).split()) - shown, "the slot's tip", timeout=4)
    d.screenshot("end")
    d.click(*QUIT)
    d.quit_program()
    lines = prefs_lines(d)
    check(lines[0] == DEFAULT_FLAGS, "line 0 is %r" % lines[0])
    check(lines[1:11] == [b"00:00:00Message"] * 10, "slot lines %r" % lines[1:11])
    check(lines[11:] == [b"12:00:00 PM", b"12:00:00 PM", b"AM", b"AM", b""],
          "alarm lines %r" % lines[11:])


def countdown(d):
    d.install_program()
    d.start_program()
    d.start_recording()
    # Slot 4: "Edit Time / Message", type the message, Enter.
    d.click(*slot_button(4), button=3)
    d.keys("Down", "Return")
    d.type("Tea")
    d.keys("Return")
    # The seconds menu on its time box: Seconds 0+, then 05.
    d.click(*slot_box(4), button=3)
    d.keys("Down", "Right", "Down", "Down", "Down", "Down", "Down", "Return")
    d.click(*slot_button(4))
    d.click(*HIDE)
    check(not d.mapped(d.window), "the window did not hide")
    # The tray counts the last seconds in red.
    tray = wait_for(d.tray_icons, "the tray icon")
    tx, ty, tw, th = d.geometry(tray[0])
    wait_for(lambda: d.region_has(tx, ty, tw, th, (237, 28, 36)), "the red seconds in the tray",
             timeout=5)
    wait_for(lambda: d.mapped(d.window), "the window back", timeout=8)
    time.sleep(0.3)
    check("_NET_WM_STATE_ABOVE" in d.state(d.window), "not on top")
    check(d.pointer() == d.at(210, 220), "pointer at %s" % (d.pointer(),))
    time.sleep(1.5)
    check(not silent(d), "nothing was heard")
    d.screenshot("ringing")
    d.keys("Return")
    time.sleep(0.5)
    check("_NET_WM_STATE_ABOVE" not in d.state(d.window), "still on top after Enter")
    d.click(*QUIT)
    d.quit_program()
    check(prefs_lines(d)[4] == b"00:00:05Tea", "slot 4 saved as %r" % prefs_lines(d)[4])


def settings_survive_restart(d):
    d.install_program()
    d.start_program()
    d.click(*slot_box(2), button=3)
    d.keys("Down", "Down", "Down", "Right", "Down", "Return")   # Seconds 2+, then 21
    d.click(*slot_button(2), button=3)
    d.keys("Down", "Return")
    d.type("Bread")
    d.keys("Return")
    d.click(30, 223)            # Sound off
    d.click(*ALARM_HALF)
    d.click(304 + 201 + 20, 98 + 61 + 8)   # 9 min
    d.click(*QUIT)
    d.quit_program()
    saved = d.read("prefs.qbx")
    lines = saved.split(b"\r\n")
    check(lines[0][:9] == b"010141010", "options saved as %r" % lines[0])
    check(lines[2] == b"00:00:21Bread", "slot 2 saved as %r" % lines[2])

    d.start_program()
    check(d.geometry(d.window)[2] == 596, "the alarm half is closed")
    d.screenshot("restored")
    d.click(*QUIT)
    d.quit_program()
    check(d.read("prefs.qbx") == saved, "a second run changed the settings")


def drag_and_pin(d):
    d.install_program()
    window = d.start_program()
    x0, y0, _, _ = d.geometry(window)
    sx, sy = d.at(*TITLE)
    d.run(["xdotool", "mousemove", str(sx), str(sy), "mousedown", "1"])
    for step in range(1, 6):
        d.run(["xdotool", "mousemove", str(sx + 20 * step), str(sy + 10 * step)])
        time.sleep(0.05)
    d.run(["xdotool", "mouseup", "1"])
    time.sleep(0.3)
    x1, y1, _, _ = d.geometry(window)
    check(x1 - x0 >= 60 and y1 - y0 >= 30, "moved only %d,%d" % (x1 - x0, y1 - y0))

    d.click(*PIN)
    check("_NET_WM_STATE_ABOVE" in d.state(window), "the pin did not put it on top")
    d.spawn(["xmessage", "-geometry", "500x300+%d+%d" % (x1 - 50, y1 - 50), "over"])
    time.sleep(0.8)
    found = wait_for(lambda: d.run(["xdotool", "search", "--onlyvisible", "--name", "^xmessage$"],
                                   check=False).split(), "the other window")
    d.run(["xdotool", "windowraise", found[-1]])
    time.sleep(0.5)
    stack = d.stacking()
    check(stack.index(int(window)) > max(stack.index(int(w)) for w in found if int(w) in stack),
          "the other window is above the pinned one")
    d.screenshot("pinned")
    d.click(*PIN)
    check("_NET_WM_STATE_ABOVE" not in d.state(window), "the pin did not let go")
    # Pinned, hidden and shown again (a new native window): the pin still
    # lets go.
    d.click(*PIN)
    d.click(*HIDE)
    wait_for(lambda: not d.mapped(window), "the window hidden")
    d.run([os.path.join(d.folder, "quorbel"), "--show"])
    window = d.window = wait_for(d._main_window, "the window back")
    time.sleep(0.5)
    check("_NET_WM_STATE_ABOVE" in d.state(window), "shown again, no longer pinned")
    d.click(*PIN)
    time.sleep(0.3)
    check("_NET_WM_STATE_ABOVE" not in d.state(window), "the pin did not let go after hide")


def quick_timer(d):
    d.install_program({"pprefs.qbx": b"2\r\n"})
    d.start_program()
    d.start_recording()
    d.click(*quick_button(23))
    d.click(*HIDE)
    wait_for(lambda: d.mapped(d.window), "the window back", timeout=6)
    time.sleep(0.3)
    check(d.pointer() == d.at(210, 190), "pointer at %s" % (d.pointer(),))
    time.sleep(1.5)
    check(not silent(d), "nothing was heard")
    d.keys("Return")


def alarm(d):
    now = datetime.datetime.now()
    if now.second > 50:
        time.sleep(61 - now.second)
        now = datetime.datetime.now()
    hour12 = now.hour % 12 or 12
    alarm_text = "%d:%02d:00 %s" % (hour12, now.minute, "AM" if now.hour < 12 else "PM")
    # Options: alarm 1 rings once (Recur off), both alarms on at start.
    lines = [b"110021100" + b"0" * 21] + [b"00:00:00Message"] * 10 + [
        alarm_text.encode(), b"3:00:00 AM", alarm_text[-2:].encode(), b"AM"]
    d.install_program({"prefs.qbx": b"\r\n".join(lines) + b"\r\n"})
    d.start_recording()
    d.start_program()
    time.sleep(2.5)
    check(not silent(d), "the alarm was not heard")
    # Alarm 1's button panel: the colour of OFF again.
    x, y = d.at(304 + 19 + 3, 98 + 44 + 3)
    check(d.colour_at(x, y) == (0xDE, 0xCF, 0xA5), "alarm 1 is still ON: %s" % (d.colour_at(x, y),))
    d.screenshot("rang")


def schedule(d):
    """A running script is ended and started again at its minute, one copy
    left, and the window answers the user all the while."""
    script = os.path.join(d.folder, "qscript-%d.sh" % os.getpid())
    d.install_program({os.path.basename(script): b"#!/bin/sh\nwhile :; do sleep 1; done\n"})
    os.chmod(script, 0o755)
    first = d.spawn([script])

    def copies():
        return [int(pid) for pid in d.run(["pgrep", "-f", script], check=False).split()]
    wait_for(copies, "the script running")
    now = datetime.datetime.now()
    if now.second > 54:
        time.sleep(61 - now.second)
        now = datetime.datetime.now()
    # Three records for it in one minute: three seconds of pauses.
    record = "[%02d%02d][%s]\r\n" % (now.hour, now.minute, script)
    with open(os.path.join(d.folder, "proc.qbx"), "w") as f:
        f.write(record * 3)
    d.start_program()
    first.wait(timeout=5)
    d.click(*ALARM_HALF)
    wait_for(lambda: d.geometry(d.window)[2] == 596, "the window to answer a click",
             timeout=0.8)
    time.sleep(3)
    left = wait_for(copies, "the script started again")
    check(len(left) == 1 and left[0] != first.pid, "copies running: %s" % left)
    os.kill(left[0], signal.SIGKILL)


def schedule_names_itself(d):
    """A record naming the program's own file ends nothing and starts
    nothing: the program runs on with what the user set."""
    now = datetime.datetime.now()
    if now.second > 54:
        time.sleep(61 - now.second)
        now = datetime.datetime.now()
    d.install_program()
    program = os.path.join(d.folder, "quorbel")
    with open(os.path.join(d.folder, "proc.qbx"), "w") as f:
        f.write("[%02d%02d][%s]\r\n" % (now.hour, now.minute, program))
    d.start_program()
    d.click(30, 223)                # Sound
    time.sleep(2.5)
    check(d.program.poll() is None, "the program ended")
    copies = d.run(["pgrep", "-f", "^" + program], check=False).split()
    check(copies == [str(d.program.pid)], "copies running: %s" % copies)
    d.click(*QUIT)
    d.quit_program()
    check(prefs_lines(d)[0][:1] == b"0", "options saved as %r" % prefs_lines(d)[0])


def installed_package(d):
    """The program as the Debian package unpacks it, in a tree it may not
    write: a slot set and quit lands in the user's settings folder."""
    tree = os.environ["QUORBEL_TREE"]
    d.env["XDG_CONFIG_HOME"] = os.path.join(d.root, "config")
    before = sorted(os.walk(tree))
    d.start_program(program=os.path.join(tree, "usr/bin/quorbel"))
    d.click(*slot_box(1), button=3)
    d.keys("Down", "Right", "Down", "Down", "Down", "Down", "Down", "Return")   # 05
    d.click(*QUIT)
    d.quit_program()
    with open(os.path.join(d.root, "config/quorbel/prefs.qbx"), "rb") as f:
        lines = f.read().split(b"\r\n")
    check(lines[1] == b"00:00:05Message", "slot 1 saved as %r" % lines[1])
    check(sorted(os.walk(tree)) == before, "the program wrote in its own tree")


def program_files(d):
    """The program's files, their bytes and times, and its sockets."""
    state = {}
    for name in os.listdir(d.folder):
        with open(os.path.join(d.folder, name), "rb") as f:
            state[name] = (f.read(), os.stat(f.fileno()).st_mtime_ns)
    runtime = d.env["XDG_RUNTIME_DIR"]
    return state, sorted(n for n in os.listdir(runtime) if n.startswith("quorbel"))


def second_start(d):
    """A second start hands its command line to the running copy and ends:
    the window comes back, and --quick starts a quick timer there. A
    --quit with no copy running starts none and touches nothing; starts
    toward a stopped copy each give up within 3 s."""
    journal = b"quorbel journal 1\nboot 0\nrunning 4 1765189500000 8640000\n"
    d.install_program({"journal.qbx": journal})
    program = os.path.join(d.folder, "quorbel")
    before = program_files(d)
    started = time.monotonic()
    quit_alone = d.spawn([program, "--background", "--quit"], stderr=subprocess.PIPE)
    try:
        said = quit_alone.communicate(timeout=3)[1]
    except subprocess.TimeoutExpired:
        raise Failure("--quit alone left a copy running")
    took = time.monotonic() - started
    check(quit_alone.returncode == 0 and not said and took < 1,
          "--quit alone: %d %r after %.2f s" % (quit_alone.returncode, said, took))
    check(not d.run(["pgrep", "-f", "^" + program], check=False).split(), "a copy was left")
    check(not d._main_window() and not d.tray_icons(), "--quit alone showed something")
    check(program_files(d) == before, "--quit alone changed files")
    os.remove(os.path.join(d.folder, "journal.qbx"))
    window = d.start_program()
    d.click(*HIDE)
    check(not d.mapped(window), "the window did not hide")
    second = subprocess.run([program], env=d.env, timeout=15)
    check(second.returncode == 0, "the second start ended with %d" % second.returncode)
    wait_for(lambda: d.mapped(window), "the window back")
    copies = d.run(["pgrep", "-f", "^" + program], check=False).split()
    check(copies == [str(d.program.pid)], "copies running: %s" % copies)
    check(subprocess.run([program, "--quick", "3"], env=d.env, timeout=15).returncode == 0,
          "--quick failed")
    x, y = d.at(*quick_button(25))
    wait_for(lambda: d.region_has(x - 8, y - 6, 16, 12, (255, 0, 0), tolerance=8),
             "quick timer 3 running")
    wrong = subprocess.run([program, "--start", "11"], env=d.env, capture_output=True, text=True,
                           timeout=15)
    check(wrong.returncode == 2 and "--start takes a number" in wrong.stderr,
          "a wrong start gave %d: %s" % (wrong.returncode, wrong.stderr))
    # Without a display, as from cron or ssh, the command still arrives;
    # a line break inside an argument stays inside it.
    bare = {k: v for k, v in d.env.items() if k != "DISPLAY"}
    check(subprocess.run([program, "--quick", "4"], env=bare, timeout=15).returncode == 0,
          "--quick without a display failed")
    x, y = d.at(*quick_button(26))
    wait_for(lambda: d.region_has(x - 8, y - 6, 16, 12, (255, 0, 0), tolerance=8),
             "quick timer 4 running")
    subprocess.run([program, "-title", "x\n--quit"], env=d.env, timeout=15)
    time.sleep(1)
    check(d.program.poll() is None, "an argument's line break made the program quit")
    # A stopped copy takes no one: each start says so within 3 s, however
    # many come, and none is acted on once it wakes.
    os.kill(d.program.pid, signal.SIGSTOP)
    starts = [(time.monotonic(), subprocess.Popen([program, "--quick", "5"], env=d.env,
                                                  stderr=subprocess.PIPE, text=True))
              for _ in range(12)]
    ended = []
    for began, start in starts:
        try:
            said = start.communicate(timeout=max(0.1, began + 3 - time.monotonic()))[1]
        except subprocess.TimeoutExpired:
            start.kill()
            start.wait()
            os.kill(d.program.pid, signal.SIGCONT)
            raise Failure("a start toward a stopped copy did not end within 3 s")
        ended.append((start.returncode, said, round(time.monotonic() - began, 1)))
    os.kill(d.program.pid, signal.SIGCONT)
    check(all(code == 1 and "does not answer" in said for code, said, _ in ended),
          "starts toward a stopped copy: %s" % ended)
    time.sleep(1)
    x, y = d.at(*quick_button(27))
    check(not d.region_has(x - 8, y - 6, 16, 12, (255, 0, 0), tolerance=8),
          "a start that gave up was acted on")
    # A copy that crashed leaves its lock behind, here with garbage in it;
    # it never blocks a start, nor lets a second copy run.
    d.program.kill()
    d.program.wait()
    runtime = d.env["XDG_RUNTIME_DIR"]
    for name in os.listdir(runtime):
        if name.startswith("quorbel-") and name.endswith(".lock"):
            with open(os.path.join(runtime, name), "w") as f:
                f.write("garbage")
    d.start_program()
    check(subprocess.run([program, "--show"], env=d.env, timeout=15).returncode == 0,
          "a later start did not hand over")
    copies = d.run(["pgrep", "-f", "^" + program], check=False).split()
    check(copies == [str(d.program.pid)], "copies running: %s" % copies)
    # What ran at the crash runs on, so Quit asks about it.
    x, y = d.at(*quick_button(25))
    wait_for(lambda: d.region_has(x - 8, y - 6, 16, 12, (255, 0, 0), tolerance=8),
             "quick timer 3 running again")
    quit_answering_yes(d)
    # No copy, no display: one clear line.
    alone = subprocess.run([program], env=bare, capture_output=True, text=True, timeout=15)
    check(alone.returncode == 1 and "cannot open the display" in alone.stderr,
          "without a display: %d %r" % (alone.returncode, alone.stderr))


def wall_clock(d):
    """A quick timer of 6 seconds across a 4-second stop of the program, as
    a suspend makes one: it rings 6 seconds after its start, not 10."""
    d.install_program({"pprefs.qbx": b"6\r\n"})
    window = d.start_program()
    d.click(*quick_button(23))
    started = time.monotonic()
    d.click(*HIDE)
    os.kill(d.program.pid, signal.SIGSTOP)
    time.sleep(4)
    os.kill(d.program.pid, signal.SIGCONT)
    wait_for(lambda: d.mapped(window), "the window back for the expiry", timeout=10)
    rang = time.monotonic() - started
    check(rang < 8.5, "rang after %.1f s" % rang)


def start_bus_peers(d):
    """A session bus with the desktop's peers on it (bus_peers.py): what
    they heard, by call (every call without a name), and the file that
    gives them commands."""
    # Debian's own Python, which python3-dbus and python3-gi are for.
    python = "/usr/bin/python3"
    if subprocess.run([python, "-c", "import dbus, gi"], stderr=subprocess.DEVNULL).returncode:
        raise Skip("python3-dbus and python3-gi are not installed")
    d.start_session_bus()
    log, commands = os.path.join(d.root, "bus.log"), os.path.join(d.root, "bus.commands")
    d.spawn([python, os.path.join(os.path.dirname(os.path.abspath(__file__)), "bus_peers.py"),
             log, commands])

    def calls(name=None):
        if not os.path.exists(log):
            return []
        with open(log) as f:
            return [e for e in map(json.loads, f) if name is None or e["call"] == name]
    wait_for(lambda: calls("ready"), "the bus peers")
    return calls, commands


def desktop_bus(d):
    """On a session bus with a notification service and a StatusNotifierItem
    host: the tray item's tip and menu, a notification at the expiry, and
    its Stop acknowledging the alert."""
    calls, commands = start_bus_peers(d)
    d.install_program({"pprefs.qbx": b"3\r\n"})
    window = d.start_program()
    item = wait_for(lambda: calls("RegisterStatusNotifierItem"), "the tray item")[0]["service"]

    def item_property(name):
        return d.run(["dbus-send", "--session", "--print-reply", "--dest=" + item,
                      "/StatusNotifierItem", "org.freedesktop.DBus.Properties.Get",
                      "string:org.kde.StatusNotifierItem", "string:" + name], check=False)
    check("Quorbel" in item_property("ToolTip"), "the idle tip: " + item_property("ToolTip"))
    menu = item_property("Menu").split("object path")[-1].split('"')[1]
    # As a panel opens it: told first, then asked for its entries.
    d.run(["dbus-send", "--session", "--print-reply", "--dest=" + item, menu,
           "com.canonical.dbusmenu.AboutToShow", "int32:0"])
    layout = d.run(["dbus-send", "--session", "--print-reply", "--dest=" + item, menu,
                    "com.canonical.dbusmenu.GetLayout", "int32:0", "int32:-1", "array:string:"])
    check('"Show"' in layout and '"Quit"' in layout, "the menu: " + layout)
    d.run(["dbus-send", "--session", "--print-reply", "--dest=" + item, menu,
           "com.canonical.dbusmenu.Event", "int32:0", "string:closed", "variant:int32:0",
           "uint32:0"])

    d.click(*quick_button(23))
    wait_for(lambda: "Quick timer 0 min 0:0" in item_property("ToolTip"), "the running tip")
    shown = wait_for(lambda: calls("Notify"), "the notification", timeout=8)[0]
    check(shown["summary"] == "Quick timer 0 min" and shown["body"] == "Set for 0:03",
          "notified %r" % shown)
    check(shown["actions"] == ["stop", "Stop", "snooze", "Snooze 5 min", "again", "Again",
                               "default", "Show"]
          and shown["urgency"] == 2 and shown["timeout"] == 0
          and shown["entry"] == "org.quorbel.Quorbel", "notified %r" % shown)
    check("_NET_WM_STATE_ABOVE" in d.state(window), "not on top")
    time.sleep(1.5)                 # the alert has sounded once
    with open(commands, "a") as f:
        f.write("stop %d\n" % shown["id"])
    wait_for(lambda: "_NET_WM_STATE_ABOVE" not in d.state(window), "the alert acknowledged")
    wait_for(lambda: calls("CloseNotification"), "the notification withdrawn")
    # One left ringing is withdrawn when the program ends.
    d.click(*quick_button(23))
    second = wait_for(lambda: calls("Notify")[1:], "the second notification", timeout=8)[0]
    d.click(*QUIT)
    d.quit_program()
    check(second["id"] in [c["id"] for c in calls("CloseNotification")],
          "a notification outlived the program")


def journal_due(d, slot):
    """When the journal says a running timer rings, in ms since the epoch."""
    if not os.path.exists(os.path.join(d.folder, "journal.qbx")):
        return None
    for line in d.read("journal.qbx").decode().splitlines():
        words = line.split()
        if words[:2] == ["running", str(slot)]:
            return int(words[2])
    return None


def rings_on_time(d):
    """Timers started from a later start at random moments of the second
    ring at the moment the journal names, never before it and at most
    100 ms after: their notification, sent after the flash and the sound,
    reaches the desktop by then."""
    calls, _ = start_bus_peers(d)
    d.install_program({"pprefs.qbx": b"2\r\n" * 12,
                       "prefs.qbx": b"\r\n".join([b"110120010"] + [b"00:00:02Tea"] * 10) + b"\r\n"})
    d.start_program()
    quorbel = os.path.join(d.folder, "quorbel")
    for option, slot in (("--quick", 23), ("--start", 1), ("--quick", 23)):
        time.sleep(random.uniform(0.2, 1.2))
        before = len(calls("Notify"))
        d.run([quorbel, option, "1"])
        due = wait_for(lambda: journal_due(d, slot), "the timer in the journal")
        shown = wait_for(lambda: calls("Notify")[before:], "the ring", timeout=8)[0]
        late = shown["at"] * 1000 - due
        check(0 <= late <= 100, "%s 1 rang %.0f ms after its moment" % (option, late))
        d.run([quorbel, "--stop"])
        wait_for(lambda: journal_due(d, slot) is None or None, "the timer acknowledged")


def tray_menu_on_panel(d):
    """Under a real StatusNotifierItem host, xfce4-panel's status tray, the
    tray menu opens whole with three timers running."""
    if not shutil.which("xfce4-panel"):
        raise Skip("xfce4-panel is not installed")
    d.start_session_bus()
    settings = os.path.join(d.root, ".config/xfce4/xfconf/xfce-perchannel-xml")
    os.makedirs(settings)
    shutil.copy(os.path.join(os.path.dirname(os.path.abspath(__file__)), "data/xfce4-panel.xml"),
                settings)
    d.spawn(["xfce4-panel"])
    time.sleep(3)
    d.install_program({"prefs.qbx": b"\r\n".join([DEFAULT_FLAGS, b"00:10:00Tea", b"00:20:00Bread",
                                                   b"00:30:00Eggs"]) + b"\r\n"})
    d.start_program()
    for n in (1, 2, 3):
        d.click(*slot_button(n))
    time.sleep(1.5)

    def menus():
        tree = d.run(["xwininfo", "-root", "-children"])
        found = []
        for line in tree.splitlines():
            if '"wrapper-2.0": ("wrapper-2.0"' in line:
                window = line.split()[0]
                if d.mapped(window):
                    found.append(d.geometry(window))
        return found
    # The panel's only item, at its left end: a right click opens the menu.
    d.run(["xdotool", "mousemove", "12", "14"])
    time.sleep(0.5)
    d.run(["xdotool", "click", "3"])
    shown = wait_for(menus, "the tray menu", timeout=5)
    time.sleep(2)
    d.screenshot("menu")
    check(menus() == shown, "the menu changed while it showed: %s, then %s" % (shown, menus()))
    _, _, width, height = shown[0]
    # Show, three timers, Quit and two separators, each row in full.
    check(height >= 5 * 20 and width >= 100, "the menu is %dx%d" % (width, height))
    d.run(["xdotool", "key", "Escape"])


def keyboard_only(d):
    """A timer set and started, a quick timer started and the program quit,
    all from the keyboard."""
    d.install_program()
    d.start_program()
    # From the first slot's panel: its time box, then its button.
    d.keys("Tab", "Tab", "Menu", "Return")
    d.type("Tea")
    # Hours and minutes as a user types them, a Tab after each: the hours
    # move on to the minutes by themselves, and that Tab stays there. The
    # keypad's Enter stores them.
    d.keys("Tab")
    d.type("00")
    d.keys("Tab")
    d.type("03")
    d.keys("KP_Enter")
    d.keys("space")
    x, y = d.at(*slot_box(1))
    wait_for(lambda: d.region_has(x - 25, y - 10, 50, 20, (255, 0, 0), tolerance=8),
             "slot 1 running")
    # Past the other nine slots to the first quick timer.
    d.keys(*["Tab"] * 19, "space")
    x, y = d.at(*quick_button(23))
    wait_for(lambda: d.region_has(x - 8, y - 6, 16, 12, (255, 0, 0), tolerance=8),
             "quick timer 1 running")
    d.screenshot("running")
    # Past the other quick timers and Sound to Quit; Enter says Yes.
    d.keys(*["Tab"] * 13, "space")
    box = question(d)
    d.run(["xdotool", "windowactivate", "--sync", box[0]], check=False)
    d.keys("Return")
    d.quit_program()
    check(prefs_lines(d)[1] == b"00:03:00Tea", "slot 1 saved as %r" % prefs_lines(d)[1])


def alert_options_keyboard(d):
    """The alert options from the keyboard on a real display: Enter in the
    open sound list closes the list only, stepping down the closed list
    opens no file chooser, Enter elsewhere takes the options."""
    d.install_program()
    d.start_program()

    def dialog(title="^Alert options"):
        return d.run(["xdotool", "search", "--onlyvisible", "--name", title],
                     check=False).split()
    # Countdown 2's menu, its second item.
    d.click(*slot_button(2), button=3)
    time.sleep(0.3)
    d.keys("Down", "Down", "Return")
    wait_for(dialog, "the alert options")
    d.keys("alt+Down")
    time.sleep(0.5)
    d.keys("Down", "Return")
    time.sleep(0.5)
    check(dialog(), "Enter in the open sound list closed the dialog")
    d.keys("Return")
    wait_for(lambda: not dialog(), "the options taken")
    wait_for(lambda: os.path.exists(os.path.join(d.folder, "alerts.ini")), "alerts.ini")
    check(b"[timer 2]\nsound=none\n" in d.read("alerts.ini"), "kept %r" % d.read("alerts.ini"))
    d.click(*slot_button(2), button=3)
    time.sleep(0.3)
    d.keys("Down", "Down", "Return")
    wait_for(dialog, "the alert options again")
    for _ in range(10):
        d.keys("Down")
    time.sleep(0.5)
    check(not dialog("A sound for the alert"), "the file chooser opened")
    d.keys("Escape")
    wait_for(lambda: not dialog(), "the alert options closed")
    d.click(*QUIT)
    d.quit_program()


def screen_reader(d):
    """The accessibility bus names every control in sight, and tells of a
    timer that rings."""
    if subprocess.run(["/usr/bin/python3", "-c", "import pyatspi"],
                      stderr=subprocess.DEVNULL).returncode:
        raise Skip("python3-pyatspi is not installed")
    d.start_session_bus()
    d.env["QT_LINUX_ACCESSIBILITY_ALWAYS_ON"] = "1"
    d.install_program({"prefs.qbx": b"\r\n".join([DEFAULT_FLAGS, b"00:00:03Tea"]) + b"\r\n"})
    d.start_program()
    reader = [os.path.join(os.path.dirname(os.path.abspath(__file__)), "atspi_reader.py")]

    def objects():
        found = json.loads(d.run(["/usr/bin/python3"] + reader + ["tree"]) or "[]")
        return found if any(o["role"] == "frame" for o in found) else None

    found = wait_for(objects, "the program on the accessibility bus")
    frames = [o["name"] for o in found if o["role"] == "frame"]
    check(frames == ["Quorbel"], "frames %s" % frames)
    controls = {"push button", "toggle button", "check box", "radio button", "text", "entry",
                "spin button", "label"}
    nameless = [o["role"] for o in found
                if o["showing"] and o["role"] in controls and not o["name"]]
    check(not nameless, "nameless: %s" % nameless)
    showing = {o["name"] for o in found if o["showing"]}
    for name in ("Timer 1: Tea, 00:00:03", "Timer 2: Message, 00:00:00", "Quick timer 5 minutes",
                 "Hide window", "Keep on top (off)", "Quit", "Sound"):
        check(name in showing, "%r not found among %s" % (name, sorted(showing)))
    hidden = {o["name"] for o in found if not o["showing"]}
    check("Clock" in hidden and "Alarm 1: OFF" in hidden, "the closed half shows")
    listener = d.spawn(["/usr/bin/python3"] + reader + ["hear", "ringing", "15"],
                       stdout=subprocess.PIPE)
    check(listener.stdout.readline().strip() == b"listening", "the reader did not listen")
    d.click(*slot_button(1))
    heard = json.loads(listener.stdout.readline() or b"[]")
    check(heard == ["Timer 1: Tea, 00:00:03, ringing"], "heard %s" % heard)


def orca_speaks(d):
    """Orca, speaking through speech-dispatcher into the recorded sink,
    says when a timer starts and when it rings, and reads a time box as
    the time it shows."""
    if not shutil.which("orca") or subprocess.run(
            ["/usr/bin/python3", "-c", "import pyatspi"], stderr=subprocess.DEVNULL).returncode:
        raise Skip("orca is not installed")
    d.start_session_bus()
    d.env["QT_LINUX_ACCESSIBILITY_ALWAYS_ON"] = "1"
    d.install_program({"prefs.qbx": b"\r\n".join([DEFAULT_FLAGS, b"00:00:03Tea",
                                                   b"00:05:08Bread"]) + b"\r\n"})
    log = os.path.join(d.root, "orca.log")
    orca = d.spawn(["orca", "--debug-file=" + log])
    time.sleep(3)
    d.start_program()
    d.click(*slot_button(1))
    time.sleep(4.5)
    d.keys("Return", "Tab", "Tab", "Tab")
    time.sleep(1.5)
    # Orca writes its log out as it ends.
    os.kill(orca.pid, signal.SIGINT)
    orca.wait(timeout=10)
    with open(log, errors="replace") as f:
        spoken = [line.split("SPEECH OUTPUT: ", 1)[1] for line in f if "SPEECH OUTPUT: " in line]
    for said in ("Timer 1: Tea, 00:00:03, running", "Timer 1: Tea, 00:00:03, ringing",
                 "Timer 2 time left: 5 minutes, 8 seconds"):
        check(any(said in line for line in spoken), "Orca did not say %r: %s" % (said, spoken))


def caption_shape(d, left, top, width, height, scale):
    """The width of the ink in a part of the window, and the widest gap
    between its columns of ink."""
    x, y = d.at(left * scale, top * scale)
    w, h = width * scale, height * scale
    data = subprocess.run(["import", "-window", "root", "-crop", "%dx%d+%d+%d" % (w, h, x, y),
                           "-depth", "8", "gray:-"], env=d.env, capture_output=True).stdout
    inked = [any(data[row * w + col] < 110 for row in range(h)) for col in range(w)]
    columns = [col for col, ink in enumerate(inked) if ink]
    check(columns, "no caption at %d, %d" % (left, top))
    gaps = [b - a - 1 for a, b in zip(columns, columns[1:])]
    return columns[-1] - columns[0] + 1, max(gaps)


def sharp_at_2x(d):
    """At twice the scale a caption is twice as wide, and its letters no
    further apart than the scale makes them."""
    d.install_program()
    d.start_program()
    # Slot 1's "Message" and the title's bold "Quorbel".
    places = [(72, 38, 71, 19), (13, 9, 57, 12)]
    plain = [caption_shape(d, *place, 1) for place in places]
    subprocess.run([os.path.join(d.folder, "quorbel"), "--quit"], env=d.env, timeout=15)
    d.quit_program()
    d.env["QT_SCALE_FACTOR"] = "2"
    d.start_program()
    d.screenshot("scaled")
    for place, (width, gap) in zip(places, plain):
        width2, gap2 = caption_shape(d, *place, 2)
        check(1.7 * width <= width2 <= 2.3 * width,
              "a caption %d wide at 1x is %d wide at 2x" % (width, width2))
        check(gap2 <= 2 * gap + 1, "letters %d apart at 1x are %d apart at 2x" % (gap, gap2))


def quit_with_running_slot(d):
    d.install_program({"prefs.qbx": b"\r\n".join([DEFAULT_FLAGS, b"00:10:00Test"]) + b"\r\n"})
    d.start_program()
    d.click(*slot_button(1))
    d.click(*QUIT)
    box = wait_for(lambda: d.run(["xdotool", "search", "--onlyvisible", "--name", "^Warning$"],
                                 check=False).split(), "the question")
    check(not d.mapped(d.window), "the window stayed up behind the question")
    d.screenshot("question")
    d.run(["xdotool", "windowactivate", "--sync", box[0]], check=False)
    d.keys("Escape")
    wait_for(lambda: d.mapped(d.window), "the window back")
    time.sleep(1.2)
    x, y = d.at(*slot_box(1))
    check(d.region_has(x - 25, y - 10, 50, 20, (255, 0, 0), tolerance=8), "slot 1 no longer runs")
    check(d.program.poll() is None, "the program ended")


def question(d, title="Warning"):
    return wait_for(lambda: d.run(["xdotool", "search", "--onlyvisible", "--name",
                                   "^%s$" % title], check=False).split(), "the question")


def quit_answering_yes(d):
    """Quit, and Yes to the question about the running timers."""
    d.click(*QUIT)
    box = question(d)
    d.run(["xdotool", "windowactivate", "--sync", box[0]], check=False)
    d.keys("Return")
    d.quit_program()


def ended_from_outside(d):
    """A signal to end, the terminal gone, the display gone: each keeps
    what the user set, without a question."""
    d.install_program({"prefs.qbx": DEFAULT_FLAGS + b"\r\n"})
    for number, sound in ((signal.SIGTERM, b"0"), (signal.SIGHUP, b"1")):
        d.start_program()
        d.click(30, 223)            # Sound
        os.kill(d.program.pid, number)
        d.quit_program()
        check(d.program.returncode == 0, "ended with %d" % d.program.returncode)
        check(prefs_lines(d)[0][:1] == sound, "options saved as %r" % prefs_lines(d)[0])
    # Under the alarm question, a signal answers it as its default does and
    # ends the program with the save; a second signal never skips that save.
    d.start_program()
    d.click(*ALARM_HALF)
    d.click(304 + 53 - 1 + 11, 98 + 20 + 3 + 8)      # alarm 1's AM/PM
    d.click(30, 223)                                 # Sound
    d.click(*QUIT)
    question(d, "Confirm")
    os.kill(d.program.pid, signal.SIGTERM)
    os.kill(d.program.pid, signal.SIGTERM)
    d.quit_program()
    lines = prefs_lines(d)
    check(lines[0][:1] == b"0" and lines[13] == b"PM", "saved as %r" % lines)
    d.start_program()
    d.click(30, 223)
    d.stop_x()
    d.quit_program()
    check(prefs_lines(d)[0][:1] == b"1", "options saved as %r" % prefs_lines(d)[0])


def journal_entries(d, kind):
    try:
        lines = d.read("journal.qbx").decode().splitlines()
    except FileNotFoundError:
        return {}
    return {int(w[1]): [int(x) for x in w[2:]] for w in (line.split() for line in lines)
            if w and w[0] == kind}


def stopwatch_entry(d):
    try:
        lines = d.read("journal.qbx").decode().splitlines()
    except FileNotFoundError:
        return None
    found = [line.split()[1:] for line in lines if line.startswith("stopwatch ")]
    return found[0] if found else None


FAKETIME = "/usr/lib/x86_64-linux-gnu/faketime/libfaketime.so.1"


def faked(minutes):
    """The environment that starts the program with its clocks moved on."""
    return {"LD_PRELOAD": FAKETIME, "FAKETIME": "+%dm" % minutes}


def survives_a_kill(d):
    """Running timers outlive a killed program, a timer that ran out while
    it was away rings at once at the next start, and a deliberate quit ends
    what runs."""
    # Both alarms on at start, alarm 2 in this very minute: it rings and
    # snoozes.
    while datetime.datetime.now().second > 40:
        time.sleep(1)
    now = datetime.datetime.now()
    later = now + datetime.timedelta(hours=6)

    def alarm_text(t):
        return ("%d:%02d:00 %s" % (t.hour % 12 or 12, t.minute, "AM" if t.hour < 12 else "PM"))

    if not os.path.exists(FAKETIME):
        raise Skip("libfaketime is not installed")
    calls, _ = start_bus_peers(d)
    lines = [b"110120110" + b"0" * 21, b"00:10:00Tea", b"00:05:00Egg"] + \
        [b"00:00:00Message"] * 8 + [alarm_text(later).encode(), alarm_text(now).encode(),
                                    alarm_text(later)[-2:].encode(), alarm_text(now)[-2:].encode()]
    d.install_program({"prefs.qbx": b"\r\n".join(lines) + b"\r\n"})
    # libfaketime moves the clock since boot with the wall clock, from
    # the wall clock's reading: every start before the clock moves on runs
    # under it too, so that the two clocks agree from one start to the next.
    d.start_program(env=faked(0))
    wait_for(lambda: "snooze" in d.read("journal.qbx").decode() if os.path.exists(
        os.path.join(d.folder, "journal.qbx")) else False, "alarm 2 snoozing", timeout=4)
    d.click(*slot_button(1))
    d.click(*quick_button(27))
    d.click(*STOPWATCH)
    before = wait_for(lambda: journal_entries(d, "running") or None, "the journal")
    watch = wait_for(lambda: stopwatch_entry(d), "the stopwatch in the journal")
    check(sorted(before) == [1, 27], "journaled %s" % before)
    os.kill(d.program.pid, signal.SIGKILL)
    d.program.wait()
    time.sleep(1)
    d.start_program(env=faked(0))
    x, y = d.at(*slot_box(1))
    wait_for(lambda: d.region_has(x - 25, y - 10, 50, 20, (255, 0, 0), tolerance=8),
             "countdown 1 running again", timeout=4)
    qx, qy = d.at(*quick_button(27))
    check(d.region_has(qx - 10, qy - 7, 20, 14, (255, 0, 0), tolerance=8),
          "quick timer 5 running again")
    after = journal_entries(d, "running")
    # The moment each was first due, kept to the millisecond.
    for n in (1, 27):
        check(after[n] == before[n], "timer %d rings at %s, was %s" % (n, after[n], before[n]))
    again = stopwatch_entry(d)
    check(again and again[0] == "running" and abs(int(again[1]) - int(watch[1])) <= 1500,
          "the stopwatch came back as %s, was %s" % (again, watch))
    # Ended from outside; started again with the clock seven minutes on
    # (libfaketime): quick timer 5 ran out meanwhile and rings at once,
    # saying when; countdown 1 runs on with three minutes left.
    os.kill(d.program.pid, signal.SIGTERM)
    d.quit_program()
    d.start_program(env=faked(7))
    wait_for(lambda: "_NET_WM_STATE_ABOVE" in d.state(d.window), "quick timer 5 ringing",
             timeout=4)
    wait_for(lambda: 27 in journal_entries(d, "ringing") and
             sorted(journal_entries(d, "running")) == [1], "quick timer 5 journaled as ringing")
    told = wait_for(lambda: [c for c in calls("Notify") if "ran out" in c["body"]],
                    "the notification of the timer that ran out")[0]
    ran_out = {datetime.datetime.fromtimestamp(before[27][0] / 1000 + s).strftime("%H:%M")
               for s in (-2, 0, 2)}
    check(told["summary"] == "Quick timer 5 min" and
          told["body"] in {"Set for 5:00, ran out at " + t for t in ran_out}, "told %r" % told)
    kept = d.read("journal.qbx").decode()
    check("\nsnooze " in kept and "\nalarm 2 " in kept, "alarm 2 no longer snoozes: %r" % kept)
    # Quit, and Yes to the question about the running timers: nothing
    # comes back.
    d.keys("Return")
    quit_answering_yes(d)
    check(not journal_entries(d, "running") and not journal_entries(d, "ringing"),
          "still journaled: %r" % d.read("journal.qbx"))
    # A journal that is none of the program's is set aside, never trusted,
    # and never over a file that has the name; the user's files beside the
    # settings stay, whatever their names, and only a killed save's part goes.
    planted = {"journal.qbx.foreign": b"the user's own\n",
               "prefs.qbx.new-2024-05-01": b"the user's own\n",
               ".prefs.qbx.quorbel-save-999999999-0": b"a killed save's\n"}
    for name, content in planted.items():
        with open(os.path.join(d.folder, name), "wb") as f:
            f.write(content)
    with open(os.path.join(d.folder, "journal.qbx"), "wb") as f:
        f.write(b"running 1 0 0\n\x00garbage")
    d.start_program()
    time.sleep(1.5)
    check(not d.region_has(x - 25, y - 10, 50, 20, (255, 0, 0), tolerance=8),
          "countdown 1 came back after Quit")
    wait_for(lambda: os.path.exists(os.path.join(d.folder, "journal.qbx.foreign.1")),
             "the foreign journal set aside")
    check(d.read("journal.qbx.foreign.1") == b"running 1 0 0\n\x00garbage",
          "set aside: %r" % d.read("journal.qbx.foreign.1"))
    wait_for(lambda: d.read("journal.qbx").startswith(b"quorbel journal 1\n"),
             "a journal of the program's own")
    d.click(*QUIT)
    d.quit_program()
    for name in ("journal.qbx.foreign", "prefs.qbx.new-2024-05-01"):
        check(d.read(name) == planted[name], "%s now %r" % (name, d.read(name)))
    check(not os.path.exists(os.path.join(d.folder, ".prefs.qbx.quorbel-save-999999999-0")),
          "the killed save's part is still there")


def sleep_and_wake(d):
    """Through logind: a sleep waits for the journal, and while a timer
    rings the machine stays awake."""
    if subprocess.run(["/usr/bin/python3", "-c", "import dbusmock"],
                      stderr=subprocess.DEVNULL).returncode:
        raise Skip("python3-dbusmock is not installed")
    d.start_logind()
    d.install_program({"prefs.qbx": b"\r\n".join([DEFAULT_FLAGS, b"00:10:00Tea",
                                                   b"00:00:02Egg"]) + b"\r\n"})
    d.start_program()

    def inhibitors():
        return d.logind("org.freedesktop.login1.Manager.ListInhibitors") or ""

    wait_for(lambda: "'sleep', 'Quorbel'" in inhibitors(), "the sleep delay", timeout=5)
    check("'delay'" in inhibitors(), "not a delay: %s" % inhibitors())
    d.click(*slot_button(1))
    if os.geteuid() == 0:
        # With the wake-alarm capability: a timer on the real-time alarm
        # clock (8) that wakes the machine when countdown 1 rings.
        def wake_timer():
            fds = os.path.join("/proc", str(d.program.pid), "fdinfo")
            for fd in os.listdir(fds):
                with open(os.path.join(fds, fd)) as f:
                    info = f.read()
                if "clockid: 8" in info and "it_value: (0, 0)" not in info:
                    return info
            return None
        wait_for(wake_timer, "the wake alarm", timeout=4)
    sleep = ["org.freedesktop.DBus.Mock.EmitSignal", "org.freedesktop.login1.Manager",
             "PrepareForSleep", "b"]
    d.logind(*sleep, "[<true>]")
    # Heard: the journal is on disk and the sleep may go on.
    wait_for(lambda: "'sleep', 'Quorbel'" not in inhibitors(), "the delay let go", timeout=5)
    check(1 in journal_entries(d, "running"), "countdown 1 not journaled before the sleep")
    d.logind(*sleep, "[<false>]")
    wait_for(lambda: "'sleep', 'Quorbel'" in inhibitors(), "the delay taken again", timeout=5)
    # A timer rings: the idle is held off until it is acknowledged.
    d.click(*slot_button(2))
    wait_for(lambda: "'idle', 'Quorbel'" in inhibitors(), "the idle held off", timeout=8)
    time.sleep(1.5)     # Enter acknowledges once the alert has flashed
    d.keys("Return")
    wait_for(lambda: "'idle', 'Quorbel'" not in inhibitors(), "the idle let go", timeout=5)
    quit_answering_yes(d)


def woken_by_the_power_daemon(d):
    """Without the wake-alarm capability, the desktop's power daemon is asked
    to wake the machine for the next timer, and its call at the wake is
    heard."""
    calls, commands = start_bus_peers(d)
    d.install_program({"prefs.qbx": b"\r\n".join([DEFAULT_FLAGS, b"00:10:00Tea"]) + b"\r\n"})
    # Root has the capability; the program is started without it.
    d.start_program(prefix=["setpriv", "--inh-caps=-wake_alarm", "--bounding-set=-wake_alarm"])
    d.click(*slot_button(1))
    asked = wait_for(lambda: calls("scheduleWakeup"), "the wake asked for", timeout=5)[0]
    check(abs(asked["timestamp"] - (time.time() + 601)) <= 3, "asked for %r" % asked)
    check(asked["path"] == "/org/quorbel/Wake" and asked["service"].startswith(":"),
          "asked for %r" % asked)
    # Stopped, the timer needs no wake.
    d.click(*slot_button(1))
    wait_for(lambda: calls("clearWakeup"), "the wake withdrawn")
    check(calls("clearWakeup")[0]["cookie"] == asked["cookie"], "cleared %r" % calls("clearWakeup"))
    d.click(*slot_button(1))
    again = wait_for(lambda: calls("scheduleWakeup")[1:], "the wake asked for again")[0]
    with open(commands, "a") as f:
        f.write("wake %d\n" % again["cookie"])
    wait_for(lambda: calls("wakeupCallback"), "the call at the wake heard")
    quit_answering_yes(d)


def tuned_alert_sound(d):
    """A countdown warned of five minutes before its end: a short soft
    sound and a notification. One tuned to the sound theme's bell, rising
    softly: the bell looped and growing louder until Enter. One tuned to a
    7.1 file is heard; with the sound server stopped while it plays, the
    program still answers, rings the design's sound, and Quit ends it at
    once."""
    calls, commands = start_bus_peers(d)
    surround = os.path.join(d.root, "surround.wav")
    d.run(["sox", "-n", "-r", "22050", "-c", "8", surround, "synth", "3", "sine", "1000"])
    slots = [b"00:05:02Tea", b"00:00:02Egg", b"00:00:01Film", b"00:00:01Toast"] + \
        [b"00:00:00Message"] * 6
    d.install_program({"prefs.qbx": b"\r\n".join([DEFAULT_FLAGS] + slots) + b"\r\n",
                       "alerts.ini": b"[timer 1]\nwarn=5\n\n[timer 2]\nsound=theme:bell\n"
                                     b"soft=true\n\n[timer 3]\nsound=file:" +
                                     surround.encode() + b"\n"})
    d.start_recording()
    d.start_program()
    d.click(*slot_button(1))
    told = wait_for(lambda: [c for c in calls("Notify") if c["summary"] == "Tea: 5 minutes left"],
                    "the warning", timeout=6)[0]
    warned = d.heard_since()
    check(told["urgency"] == 1 and told["actions"] == [], "warned %r" % told)
    time.sleep(2)
    check(d.loudness(warned - 1, 2.5) > 0.003, "the warning's sound was not heard")
    check(d.loudness(d.heard_since() - 0.6, 0.5) < 0.001, "the warning's sound goes on")
    d.click(*slot_button(1))
    d.click(*slot_button(2))
    wait_for(lambda: "_NET_WM_STATE_ABOVE" in d.state(d.window), "countdown 2 ringing", timeout=6)
    rang = d.heard_since()
    time.sleep(9)
    early, late = d.loudness(rang + 0.3, 2), d.loudness(rang + 6.5, 2)
    check(early > 0.0003 and late > 3 * early,
          "not rising: %.4f over the first seconds, %.4f later" % (early, late))
    check(d.loudness(rang + 3, 5) > 0.003, "the bell did not go on")
    d.keys("Return")
    time.sleep(1.5)
    check(d.loudness(d.heard_since() - 1.0, 0.8) < 0.001, "the bell still sounds after Enter")
    d.click(*slot_button(3))
    wait_for(lambda: "_NET_WM_STATE_ABOVE" in d.state(d.window), "countdown 3 ringing", timeout=6)
    rang = d.heard_since()
    time.sleep(1.5)
    # Its own tone, not the sound an unplayable file falls back to.
    check(d.loudness(rang + 0.2, 1) > 0.003 and 900 < d.pitch(rang + 0.2, 1) < 1100,
          "the 7.1 file was not heard")
    # The sound server stops answering: the program still does, the
    # design's sound of a timer that rings meanwhile included.
    os.kill(d.pulse.pid, signal.SIGSTOP)
    try:
        time.sleep(0.5)
        d.run([os.path.join(d.folder, "quorbel"), "--stop", "3"])
        wait_for(lambda: 3 not in journal_entries(d, "ringing"), "countdown 3 stopped")
        d.click(*slot_button(4))
        wait_for(lambda: 4 in journal_entries(d, "ringing"), "countdown 4 ringing", timeout=6)
        time.sleep(1)
        d.click(*slot_button(4))
        wait_for(lambda: 4 not in journal_entries(d, "ringing"), "countdown 4 acknowledged")
        d.click(*QUIT)
        quit_at = time.time()
        d.quit_program()
        check(time.time() - quit_at < 2, "Quit took %.1f s" % (time.time() - quit_at))
    finally:
        os.kill(d.pulse.pid, signal.SIGCONT)


def sound_server_comes_back(d):
    """The sound server killed and started again while an alert rings: a
    theme bell looping through the program's own player, then the standard
    sound through the desktop's; each is heard again within two seconds of
    the server's return. The standard sound tuned to 20 % is far quieter
    than untouched."""
    slots = [b"00:00:01Bell", b"00:00:01Full", b"00:00:01Soft"] + [b"00:00:00Message"] * 7
    d.install_program({"prefs.qbx": b"\r\n".join([DEFAULT_FLAGS] + slots) + b"\r\n",
                       "alerts.ini": b"[timer 1]\nsound=theme:bell\n\n[timer 3]\nvolume=20\n"})
    d.start_recording()
    d.start_program()

    def ring(n):
        """Its loudness over two seconds of its alert."""
        d.click(*slot_button(n))
        wait_for(lambda: n in journal_entries(d, "ringing"), "countdown %d ringing" % n, timeout=6)
        time.sleep(2.5)
        return d.loudness(d.heard_since() - 2, 2)

    def heard_again(what):
        d.stop_sound()
        time.sleep(0.5)
        check(d.program.poll() is None, "the program ended with the sound server")
        back = d.start_sound()
        after = wait_for(lambda: d.first_loud(back), what + " heard again", timeout=4) - back
        print("%s heard again %.2f s after the server's return" % (what, after))
        check(after < 2, "%s came back only after %.2f s" % (what, after))

    check(ring(1) > 0.003, "the bell was not heard")
    heard_again("the looping bell")
    d.click(*slot_button(1))
    full = ring(2)
    heard_again("the standard sound")
    d.click(*slot_button(2))
    soft = ring(3)
    print("the standard sound: %.4f untouched, %.4f at 20 %%" % (full, soft))
    check(0.0001 < soft < full / 10, "at 20 %% %.4f, untouched %.4f" % (soft, full))
    d.click(*QUIT)
    d.quit_program()


def alert_actions(d):
    """Snooze 5 min and Again chosen on a notification, a countdown with
    Repeat acknowledged, --again from a second start, and an options file
    of garbage leaving the alert as it always was."""
    calls, commands = start_bus_peers(d)
    slots = [b"00:00:02One", b"00:00:02Two", b"00:00:02Three"] + [b"00:00:00Message"] * 7
    prefs = b"\r\n".join([DEFAULT_FLAGS] + slots) + b"\r\n"
    d.install_program({"prefs.qbx": prefs, "alerts.ini": b"[timer 3]\nrepeat=true\n"})
    d.start_program()

    def rings_in(n):
        entry = journal_entries(d, "running").get(n)
        return entry and (entry[0] / 1000 - time.time())

    def act(n, action):
        d.click(*slot_button(n))
        shown = wait_for(lambda: [c for c in calls("Notify") if c["body"] == "Set for 00:00:02"
                                  and c["summary"] == ["One", "Two", "Three"][n - 1]],
                         "timer %d's notification" % n, timeout=6)[-1]
        with open(commands, "a") as f:
            f.write("act %d %s\n" % (shown["id"], action))
    act(1, "snooze")
    wait_for(lambda: (rings_in(1) or 0) > 290, "timer 1 snoozing five minutes")
    act(2, "again")
    wait_for(lambda: 0 < (rings_in(2) or 0) <= 3.5, "timer 2 again from its set time")
    d.click(*slot_button(2))
    # Repeat: acknowledged, it starts again.
    d.click(*slot_button(3))
    wait_for(lambda: "_NET_WM_STATE_ABOVE" in d.state(d.window), "timer 3 ringing", timeout=6)
    time.sleep(1.5)
    d.keys("Return")
    wait_for(lambda: 0 < (rings_in(3) or 0) <= 3.5, "timer 3 started again")
    d.click(*slot_button(3))
    # From a second start: timer 1 from its set time again.
    again = d.spawn([os.path.join(d.folder, "quorbel"), "--again", "1"])
    again.wait(timeout=10)
    wait_for(lambda: 0 < (rings_in(1) or 0) <= 3.5, "timer 1 again from the command line")
    d.click(*slot_button(1))
    d.click(*QUIT)
    d.quit_program()
    # Garbage for options: the design's sound, the file left as it is.
    garbage = b"\x00\xff[timer 3\nsound=theme:\x01\nrepeat=maybe\n"
    with open(os.path.join(d.folder, "alerts.ini"), "wb") as f:
        f.write(garbage)
    d.start_recording()
    d.start_program()
    d.click(*slot_button(3))
    wait_for(lambda: "_NET_WM_STATE_ABOVE" in d.state(d.window), "timer 3 ringing", timeout=6)
    time.sleep(2)
    check(not silent(d), "the design's sound was not heard")
    d.keys("Return")
    time.sleep(1.5)
    check(not journal_entries(d, "running"), "timer 3 repeated with a garbled file")
    check(d.read("alerts.ini") == garbage, "the options file was rewritten")
    d.click(*QUIT)
    d.quit_program()


def starts_with_the_desktop(d):
    """--autostart writes the desktop's autostart entry, which starts the
    program in the background: the tray icon, no window until asked for."""
    d.install_program()
    d.start_program()
    program = os.path.join(d.folder, "quorbel")
    entry = os.path.join(d.env.get("XDG_CONFIG_HOME", os.path.join(d.env["HOME"], ".config")),
                         "autostart", "quorbel.desktop")
    check(subprocess.run([program, "--autostart", "on"], env=d.env, timeout=15).returncode == 0,
          "--autostart on failed")
    wait_for(lambda: os.path.exists(entry), "the autostart entry")
    with open(entry) as f:
        text = f.read()
    check('Exec="%s" --background' % program in text, "the entry runs %r" % text)
    d.click(*QUIT)
    d.quit_program()
    # As the session starts it.
    d.program = d.spawn([program, "--background"])
    wait_for(d.tray_icons, "the tray icon")
    time.sleep(1)
    check(not d._main_window(), "the window showed at a start in the background")
    check(subprocess.run([program], env=d.env, timeout=15).returncode == 0, "no hand-over")
    d.window = wait_for(d._main_window, "the window, asked for")
    x, y, w, h = d.geometry(d.window)
    check(abs(x + w // 2 - 640) <= 20 and abs(y + h // 2 - 512) <= 20,
          "first shown at %d,%d, not centred" % (x, y))
    check(subprocess.run([program, "--autostart", "off"], env=d.env, timeout=15).returncode == 0,
          "--autostart off failed")
    wait_for(lambda: not os.path.exists(entry), "the entry gone")
    d.click(*QUIT)
    d.quit_program()
    # From a folder whose name needs every quoting rule of an entry that
    # systemd's generator reads as GLib does: the entry is valid, and a
    # launcher starts the program from it.
    odd = d.folder + ' "it\'s" 100%off'
    shutil.copytree(d.folder, odd)
    program = os.path.join(odd, "quorbel")
    d.start_program(program=program)
    check(subprocess.run([program, "--autostart", "on"], env=d.env, timeout=15).returncode == 0,
          "--autostart on failed")
    wait_for(lambda: os.path.exists(entry), "the autostart entry")
    d.run(["desktop-file-validate", entry])
    d.click(*QUIT)
    d.quit_program()
    launcher = d.spawn(["gio", "launch", entry])
    wait_for(d.tray_icons, "the tray icon of the program the launcher started")
    check(subprocess.run([program, "--quit"], env=d.env, timeout=15).returncode == 0, "no quit")
    launcher.wait(timeout=10)
    # From a folder whose $ systemd's generator would pass on escaped: the
    # program says so, and the entry stays as it was.
    with open(entry) as f:
        before = f.read()
    dollar = d.folder + " $HOME"
    shutil.copytree(d.folder, dollar)
    window = d.start_program(program=os.path.join(dollar, "quorbel"))
    d.spawn([os.path.join(dollar, "quorbel"), "--autostart", "on"])
    box = wait_for(lambda: [w for w in question(d, "Quorbel") if w != window], "the refusal")[0]
    d.screenshot("refused")
    d.run(["xdotool", "windowactivate", "--sync", box], check=False)
    d.keys("Return")
    wait_for(lambda: question(d, "Quorbel") == [window], "the refusal read", timeout=5)
    with open(entry) as f:
        check(f.read() == before, "the entry changed for a folder with $")
    d.click(*QUIT)
    d.quit_program()
    # The user's own entry, which says not to start: left alone either way,
    # and not shown ticked.
    mine = "[Desktop Entry]\nType=Application\nName=Mine\nExec=%s --start 3\nHidden=true\n" % \
        program.replace(" ", "\\s")
    with open(entry, "w") as f:
        f.write(mine)
    d.start_program(program=program)
    for word in ("on", "off"):
        d.spawn([program, "--autostart", word])
        # The notice, not the main window of the same name.
        box = wait_for(lambda: [w for w in d.run(["xdotool", "search", "--onlyvisible", "--name",
                                                  "^Quorbel$"], check=False).split()
                                if w != d.window], "the notice")
        d.run(["xdotool", "windowactivate", "--sync", box[0]], check=False)
        d.keys("Return")
        wait_for(lambda: not d.run(["xdotool", "search", "--onlyvisible", "--name", "^Quorbel$"],
                                   check=False).split()[1:], "the box read", timeout=5)
        with open(entry) as f:
            check(f.read() == mine, "the user's entry changed at --autostart %s" % word)
    d.click(*QUIT)
    d.quit_program()


def full_disk(d):
    """The program's folder on a full file system: Quit asks, No keeps it
    running, Yes ends it, and the file is whole all along."""
    saved = b"\r\n".join([DEFAULT_FLAGS, b"00:10:00Tea"]) + b"\r\n"
    d.install_program({"prefs.qbx": saved})
    if subprocess.run(["unshare", "-m", "true"], stderr=subprocess.DEVNULL).returncode != 0:
        raise Skip("no mount namespace here for a small file system")
    stage = d.folder + "-stage"
    os.rename(d.folder, stage)
    os.makedirs(d.folder)
    # A file system just big enough for the program, then filled up.
    size = sum(os.path.getsize(os.path.join(stage, f)) for f in os.listdir(stage)) + (1 << 20)
    script = ('mount -t tmpfs -o size=%d tmpfs "$1" && cp -a "$2"/. "$1"/ && '
              '{ cat /dev/zero > "$1/filler" 2>/dev/null; "$1/quorbel"; echo $? > "$2/ended"; '
              'sleep 30; }' % size)
    shell = d.spawn(["unshare", "-m", "sh", "-c", script, "sh", d.folder, stage])
    d.window = wait_for(d._main_window, "the main window")
    inside = "/proc/%d/root%s/prefs.qbx" % (shell.pid, d.folder)
    d.click(30, 223)                # Sound
    d.click(*QUIT)
    question(d)
    check(open(inside, "rb").read() == saved, "prefs.qbx changed on a full disk")
    d.keys("Escape")
    time.sleep(0.5)
    check(d.mapped(d.window), "the window is gone after No")
    check(not os.path.exists(os.path.join(stage, "ended")), "the program ended after No")
    d.click(*QUIT)
    question(d)
    d.run(["xdotool", "click", "1"])    # where the program put the pointer: Yes
    wait_for(lambda: os.path.exists(os.path.join(stage, "ended")), "the program's end")
    check(open(inside, "rb").read() == saved, "prefs.qbx changed on a full disk")


def folder_renamed(d):
    """The program's folder renamed under it: Quit cannot save there, asks,
    and writes nowhere else, least of all the current folder."""
    d.install_program()
    here = os.path.join(d.root, "current")
    os.makedirs(here)
    d.start_program(cwd=here)
    d.click(30, 223)                # Sound
    moved = d.folder + "-moved"
    os.rename(d.folder, moved)
    d.click(*QUIT)
    question(d)
    d.keys("Return")                # Yes: quit without saving
    d.quit_program()
    check(os.listdir(here) == [], "written in the current folder: %s" % os.listdir(here))
    check(not os.path.exists(os.path.join(moved, "prefs.qbx")), "written in the moved folder")


def minimised(d):
    """Minimised from the task bar, the window still comes back for an
    expiry and for a click on the tray icon."""
    d.install_program({"pprefs.qbx": b"3\r\n"})
    window = d.start_program()
    d.click(*quick_button(23))
    d.run(["xdotool", "windowminimize", window])
    wait_for(lambda: not d.mapped(window), "the window minimised")
    wait_for(lambda: d.mapped(window), "the window back for the expiry", timeout=6)
    check("_NET_WM_STATE_HIDDEN" not in d.state(window), "still minimised")
    check("_NET_WM_STATE_ABOVE" in d.state(window), "not on top")
    d.keys("Return")
    d.run(["xdotool", "windowminimize", window])
    wait_for(lambda: not d.mapped(window), "the window minimised")
    tx, ty, tw, th = d.geometry(wait_for(d.tray_icons, "the tray icon")[0])
    d.run(["xdotool", "mousemove", str(tx + tw // 2), str(ty + th // 2), "click", "1"])
    wait_for(lambda: d.mapped(window), "the window back for the tray icon")


def sound_from_a_pipe(d):
    """A pipe named as the sound never holds the window: the alert rings
    with the desktop's sound and the window answers a click."""
    d.install_program({"pprefs.qbx": b"2\r\n", "prefs.qbx": b"100120010\r\n"})
    os.remove(os.path.join(d.folder, "Alarm2.wav"))
    os.mkfifo(os.path.join(d.folder, "Alarm2.wav"))
    window = d.start_program()
    d.click(*quick_button(23))
    wait_for(lambda: "_NET_WM_STATE_ABOVE" in d.state(window), "the expiry", timeout=6)
    time.sleep(1.5)
    d.click(*ALARM_HALF)
    wait_for(lambda: d.geometry(window)[2] == 596, "the window to answer a click", timeout=2)
    d.click(*QUIT)
    d.quit_program()


def question_above_alert(d):
    """A timer that runs out while the quit question is open brings the
    window up on top, and the question stays above it."""
    d.install_program({"pprefs.qbx": b"2\r\n"})
    window = d.start_program()
    d.click(*quick_button(23))
    d.click(*QUIT)
    box = question(d)
    wait_for(lambda: d.mapped(window), "the window back for the expiry", timeout=6)
    time.sleep(0.5)
    stack = d.stacking()
    check(stack.index(int(box[0])) > stack.index(int(window)), "the question is under the window")
    d.screenshot("question")
    d.keys("Escape")
    time.sleep(0.3)
    check(d.program.poll() is None, "the program ended")


def alerts_once(d):
    """A timer that ran out while the program was away gives one
    notification; a restarted notification service is shown it again and
    its Stop acknowledges it. A timer started by the first start's command
    line is journaled at once, and a start from a cron-like environment
    reaches the running copy."""
    calls, commands = start_bus_peers(d)
    slots = [b"00:00:05Egg", b"00:10:00Tea", b"00:20:00Rice"] + [b"00:00:00Message"] * 7
    away = int(time.time() * 1000) - 60000
    d.install_program({"prefs.qbx": b"\r\n".join([DEFAULT_FLAGS] + slots) + b"\r\n",
                       "journal.qbx": b"quorbel journal 1\nboot another\nrunning 1 %d 5\n" % away})
    d.start_program(args=["--start", "2"])
    wait_for(lambda: 2 in journal_entries(d, "running"), "timer 2 journaled", timeout=3)
    wait_for(lambda: [c for c in calls("Notify") if "ran out at" in c["body"]],
             "the notification that timer 1 ran out")
    time.sleep(1)
    eggs = [c for c in calls("Notify") if c["summary"] == "Egg"]
    check(len(eggs) == 1, "timer 1 shown as %s" % eggs)
    # The service restarts: timer 1 is shown again, under the new id, and
    # the new service's Stop for it acknowledges it.
    with open(commands, "a") as f:
        f.write("restart\n")
    wait_for(lambda: calls("restarted"), "the service restarted")
    shown = wait_for(lambda: [c for c in calls("Notify")[len(eggs):] if c["summary"] == "Egg"],
                     "timer 1 shown again")[-1]
    with open(commands, "a") as f:
        f.write("stop %d\n" % shown["id"])
    wait_for(lambda: 1 not in journal_entries(d, "ringing"), "timer 1 acknowledged")
    # From cron: no runtime folder, no display, no session bus.
    cron = subprocess.run(["env", "-i", "HOME=" + d.env.get("HOME", "/root"),
                           "PATH=/usr/bin:/bin", os.path.join(d.folder, "quorbel"), "--start",
                           "3"], capture_output=True, text=True, timeout=10)
    check(cron.returncode == 0, "the start from cron said %r" % cron.stderr)
    wait_for(lambda: 3 in journal_entries(d, "running"), "timer 3 started from cron", timeout=3)
    os.kill(d.program.pid, signal.SIGKILL)
    d.program.wait()
    check(sorted(journal_entries(d, "running")) == [2, 3], "journaled %s" % d.read("journal.qbx"))


def faulty_notification_service(d):
    """A notification service that gives one id to two alerts, lets its
    name go and takes it back a hundred times, and answers after the bus's
    time-out: each ringing alert keeps one notification, and one whose
    alert ended meanwhile is closed as soon as its id comes."""
    calls, commands = start_bus_peers(d)
    slots = [b"00:00:01One", b"00:00:01Two", b"00:00:01Three"] + [b"00:00:00Message"] * 7
    d.install_program({"prefs.qbx": b"\r\n".join([DEFAULT_FLAGS] + slots) + b"\r\n"})
    d.start_program()

    def showing():
        told = [c for c in calls() if "shown" in c]
        return sorted(summary for _, summary in told[-1]["shown"]) if told else []

    def tell(command):
        with open(commands, "a") as f:
            f.write(command + "\n")
    d.click(*slot_button(1))
    wait_for(lambda: showing() == ["One"], "timer 1's notification", timeout=6)
    tell("same")
    d.click(*slot_button(2))
    wait_for(lambda: [c for c in calls("Notify") if c["summary"] == "Two"], "timer 2's notification",
             timeout=6)
    wait_for(lambda: showing() == ["One", "Two"], "each timer shown, the id given twice")
    tell("flap 100")
    wait_for(lambda: calls("flapped"), "the name let go and taken back")
    time.sleep(2)
    check(showing() == ["One", "Two"], "after the name came back: %s" % showing())
    d.click(*slot_button(1))
    wait_for(lambda: showing() == ["Two"], "timer 1's notification withdrawn, timer 2's kept")
    # Answered after the bus's time-out, 25 seconds, its alert acknowledged
    # before: closed at once.
    tell("slow 30")
    d.click(*slot_button(3))
    wait_for(lambda: 3 in journal_entries(d, "ringing"), "timer 3 ringing", timeout=6)
    time.sleep(1)
    d.click(*slot_button(3))
    late = wait_for(lambda: [c for c in calls("Notify") if c["summary"] == "Three"],
                    "the late answer", timeout=40)[0]
    wait_for(lambda: late["id"] in [c["id"] for c in calls("CloseNotification")],
             "the late notification closed", timeout=3)
    check(showing() == ["Two"], "at the end: %s" % showing())
    d.click(*slot_button(2))
    wait_for(lambda: showing() == [], "timer 2's notification withdrawn")
    d.click(*QUIT)
    d.quit_program()



def quorbel(d, *arguments, timeout=15):
    """A later start or a probe, as a script runs it: what it printed."""
    return subprocess.run([os.path.join(d.folder, "quorbel")] + list(arguments), env=d.env,
                          capture_output=True, text=True, timeout=timeout)


def status(d):
    """--status and --status --json, each checked to have answered."""
    plain, document = quorbel(d, "--status"), quorbel(d, "--status", "--json")
    check(plain.returncode == 0 and document.returncode == 0 and not plain.stderr,
          "--status: %d %r, --json: %d %r" % (plain.returncode, plain.stderr,
                                              document.returncode, document.stderr))
    return plain.stdout, json.loads(document.stdout)


def answers_at_once(d, when):
    """--status is answered within 100 ms, as the median of five, the
    probe's own start included."""
    timings = []
    for _ in range(5):
        began = time.monotonic()
        quorbel(d, "--status")
        timings.append(time.monotonic() - began)
    check(sorted(timings)[2] < 0.1, "--status %s took %s s" % (when, timings))


# Each wrong command line, and the first words of the one line it gets.
BAD_INPUT = [(["--set", "0", "5m"], "--set takes a number from 1 to 10, not '0'"),
             (["--set", "11", "5m"], "--set takes a number from 1 to 10, not '11'"),
             (["--set", "3"], "--set takes a countdown timer"),
             (["--set", "3", "25"], "'25' is no length a countdown takes: write H:MM:SS"),
             (["--set", "3", "25:00"], "'25:00' is no length"),
             (["--set", "3", "0:99:00"], "'0:99:00' is no length"),
             (["--set", "3", "-5m"], "'-5m' is no length"),
             (["--set", "3", "5x"], "'5x' is no length"),
             (["--alarm", "3", "on"], "--alarm takes a number from 1 to 2, not '3'"),
             (["--alarm", "1", "25:00"], "'25:00' is no time of day: write 7:30"),
             (["--set", "\uff13", "5m"], "--set takes a number from 1 to 10"),
             (["--start", "\u0663"], "--start takes a number from 1 to 10"),
             (["--status", "--start", "3"], "--status takes no other option"),
             (["--json"], "--json goes with --status")]


def bad_input(d, running):
    for arguments, said in BAD_INPUT:
        wrong = quorbel(d, *arguments)
        check(wrong.returncode == 2 and wrong.stderr == "quorbel: " + wrong.stderr[9:] and
              wrong.stderr[9:].startswith(said) and wrong.stderr.count("\n") == 1 and
              not wrong.stdout, "%s (%s): %d %r %r" % (arguments, running, wrong.returncode,
                                                     wrong.stdout, wrong.stderr))


def from_scripts(d):
    """A script sets a countdown's length and message and starts it in the
    start that starts the program, reads what runs with --status (plain and
    JSON) while it counts, rings and is snoozed from its notification; the
    bad input of scripts is refused in one line each, with 2, changing
    nothing; a probe to a stopped copy is told it does not answer."""
    calls, commands = start_bus_peers(d)
    saved = b"\r\n".join([DEFAULT_FLAGS] + [b"00:10:00Soup"] * 10 +
                          [b"12:00:00 PM", b"12:00:00 PM", b"AM", b"AM"]) + b"\r\n"
    d.install_program({"prefs.qbx": saved})
    before = program_files(d)
    bad_input(d, "no copy running")
    check(program_files(d) == before, "a wrong command line with no copy changed files")
    gone = quorbel(d, "--status")
    check(gone.returncode == 3 and gone.stderr == "Quorbel is not running.\n" and not gone.stdout,
          "--status with no copy: %d %r" % (gone.returncode, gone.stderr))
    d.start_program()
    bad_input(d, "a copy running")
    quorbel(d, "--quit")
    d.quit_program()
    check(d.read("prefs.qbx") == saved, "wrong command lines changed prefs.qbx")

    # The start that starts the program carries out its command line and
    # says so at once, through a pipe.
    first = d.spawn([os.path.join(d.folder, "quorbel"), "--set", "3", "0:00:05", "Pasta",
                     "--start", "3"], stdout=subprocess.PIPE)
    d.program = first
    said = select.select([first.stdout], [], [], 5)[0] and first.stdout.readline()
    check(said == b"Timer 3: Pasta, 0:00:05\n", "the first start said %r" % said)
    d.window = wait_for(d._main_window, "the main window")
    plain, state = status(d)
    check(plain.startswith("Pasta: 0:0") and plain.endswith(" left\n"), "running: %r" % plain)
    timer = state["timers"][0]
    due = datetime.datetime.fromisoformat(timer["due"].replace("Z", "+00:00"))
    check(len(state["timers"]) == 1 and state["version"] == 1 and due.utcoffset() is not None and
          {k: timer[k] for k in ("number", "kind", "message", "state", "length")} ==
          {"number": 3, "kind": "countdown", "message": "Pasta", "state": "running", "length": 5}
          and 0 < timer["left_ms"] <= 6000 and state["stopwatch"]["state"] == "idle" and
          state["alarms"] == [], "running: %r" % state)
    journaled = journal_entries(d, "running")[3][0]
    check(abs(due.timestamp() * 1000 - journaled) <= 50,
          "due %s, the journal %d" % (timer["due"], journaled))
    refused = quorbel(d, "--set", "3", "1m", "Soup")
    check(refused.returncode == 1 and refused.stderr == "Timer 3 is running, and was not changed.\n",
          "--set on a running timer: %d %r" % (refused.returncode, refused.stderr))
    answers_at_once(d, "while it runs")

    shown = wait_for(lambda: calls("Notify"), "the ring's notification", timeout=8)[0]
    check(shown["summary"] == "Pasta", "notified %r" % shown)
    wait_for(lambda: "_NET_WM_STATE_ABOVE" in d.state(d.window), "the window on top")
    plain, state = status(d)
    check(plain.startswith("Pasta: ringing since ") and state["timers"][0]["state"] == "ringing"
          and state["timers"][0]["left_ms"] == 0, "ringing: %r %r" % (plain, state))
    with open(commands, "a") as f:
        f.write("act %d snooze\n" % shown["id"])
    wait_for(lambda: 3 in journal_entries(d, "running"), "the snooze")
    plain, state = status(d)
    check(plain in ("Pasta: snoozed, 5:00 left\n", "Pasta: snoozed, 4:59 left\n") and
          state["timers"][0]["state"] == "snoozed" and
          290000 < state["timers"][0]["left_ms"] <= 301000, "snoozed: %r %r" % (plain, state))

    # A copy that holds the settings and does not answer is not said to be
    # gone.
    os.kill(d.program.pid, signal.SIGSTOP)
    try:
        stopped = quorbel(d, "--status")
    finally:
        os.kill(d.program.pid, signal.SIGCONT)
    check(stopped.returncode == 1 and "does not answer" in stopped.stderr,
          "a stopped copy: %d %r" % (stopped.returncode, stopped.stderr))
    # The length and message set are kept at the close, as an edit's are.
    check(quorbel(d, "--stop", "3").returncode == 0, "--stop 3 failed")
    quorbel(d, "--quit")
    d.quit_program()
    check(prefs_lines(d)[3] == b"00:00:05Pasta", "slot 3 saved as %r" % prefs_lines(d)[3])


class Lines:
    """What a process prints, line by line as it comes, read on a thread of
    its own: a panel bar's reading end."""

    def __init__(self, process):
        self.lines = []
        self.thread = threading.Thread(target=self._read, args=(process.stdout,), daemon=True)
        self.thread.start()

    def _read(self, stream):
        for line in stream:
            self.lines.append(line.decode().rstrip("\n"))

    def since(self, count):
        return self.lines[count:]


def unread_pipe():
    """The writing end of a pipe that is full and that no one reads: a
    process that writes there blocks for good. The reading end is kept
    open, so that nothing tells it that no one will."""
    read, write = os.pipe()
    fcntl.fcntl(write, 1031, 4096)          # F_SETPIPE_SZ: the smallest pipe
    os.set_blocking(write, False)
    try:
        while True:
            os.write(write, b"x" * 4096)
    except BlockingIOError:
        pass
    os.set_blocking(write, True)
    return read, write


def panel_feed(d):
    """--watch, for a panel bar: an idle line where no copy runs (and a
    watcher that ends with its reader), the countdown each second and its
    ring, an idle line again at the Quit and
    the new copy followed; watchers that never read (one whose pipe is
    full, and bare sockets) cost the program nothing across a burst of
    changes: --status answers at once and a timer rings on time, and the
    reader that comes back is sent the newest state, not all it missed."""
    calls, _ = start_bus_peers(d)
    d.install_program()
    program = os.path.join(d.folder, "quorbel")
    feed = Lines(d.spawn([program, "--watch"], stdout=subprocess.PIPE))
    text = Lines(d.spawn([program, "--watch", "--plain"], stdout=subprocess.PIPE))
    first = json.loads(wait_for(lambda: feed.lines, "the first line", timeout=3)[0])
    check(first == {"text": "", "tooltip": "Quorbel is not running.", "class": "idle",
                    "percentage": 0}, "with no copy: %r" % first)
    # A panel bar that ends: its watcher goes too, though it had nothing
    # more to write.
    orphan = d.spawn([program, "--watch"], stdout=subprocess.PIPE)
    orphan.stdout.readline()
    orphan.stdout.close()
    try:
        orphan.wait(timeout=3)
    except subprocess.TimeoutExpired:
        raise Failure("a watcher whose reader ended is still running")
    d.start_program(args=["--set", "1", "0:00:03", "Tea", "--start", "1"])
    wait_for(lambda: "Tea ringing" in text.lines, "the ring in the plain feed", timeout=8)
    counted = [line for line in text.lines if line.startswith("Tea 0:0")]
    check(counted[0] in ("Tea 0:03", "Tea 0:02") and counted[-1] == "Tea 0:00" and
          len(counted) == len(set(counted)), "the plain feed: %r" % text.lines)
    lines = [json.loads(line) for line in feed.lines]
    check(lines[-1]["class"] == "ringing" and lines[-1]["text"] == "Tea ringing" and
          "Tea: ringing since" in lines[-1]["tooltip"] and
          [line["class"] for line in lines[1:-1]] == ["last-minute"] * len(counted),
          "the feed: %r" % lines)
    check(quorbel(d, "--stop").returncode == 0, "--stop failed")
    wait_for(lambda: json.loads(feed.lines[-1])["tooltip"] == "Nothing is running.",
             "the idle line once it is silenced")

    # A watcher whose pipe is full, a bare socket that watches and never
    # reads, and one that never asks.
    read, write = unread_pipe()
    stuck = d.spawn([program, "--watch"], stdout=write)
    os.close(write)
    with open(os.path.join(d.folder, "quorbel.lock")) as f:
        socket_path = f.read()
    silent_watch = socket.socket(socket.AF_UNIX)
    silent_watch.connect(socket_path)
    silent_watch.sendall(b"quorbel/2 watch\n")
    silent_watch.shutdown(socket.SHUT_WR)
    mute = socket.socket(socket.AF_UNIX)
    mute.connect(socket_path)
    time.sleep(0.5)
    began = time.monotonic()
    burst = quorbel(d, *(["--start", "1", "--stop", "1"] * 300), timeout=60)
    took = time.monotonic() - began
    check(burst.returncode == 0, "the burst: %r" % burst.stderr)
    answers_at_once(d, "after the burst")
    # The reader that comes back: what was in the socket, then the newest.
    silent_watch.settimeout(0.5)
    got = b""
    try:
        while True:
            chunk = silent_watch.recv(65536)
            if not chunk:
                break
            got += chunk
    except socket.timeout:
        pass
    states = [json.loads(line) for line in got.split(b"\n") if line]
    print("a burst of 600 changes took %.1f s; the reader that came back had %d lines"
          % (took, len(states)))
    check(stuck.poll() is None, "the watcher whose pipe is full ended")
    check(1 < len(states) < 600 and states[-1]["timers"] == [],
          "the reader that came back: %d lines, the last %r" % (len(states), states[-1:]))
    before = len(calls("Notify"))
    quorbel(d, "--start", "1")
    due = wait_for(lambda: journal_due(d, 1), "timer 1 in the journal")
    shown = wait_for(lambda: calls("Notify")[before:], "the ring", timeout=8)[0]
    late = shown["at"] * 1000 - due
    check(0 <= late <= 100, "timer 1 rang %.0f ms after its moment" % late)
    quorbel(d, "--stop")

    # Across a Quit and a new start.
    count = len(text.lines)
    quorbel(d, "--quit")
    d.quit_program()
    wait_for(lambda: json.loads(feed.lines[-1])["tooltip"] == "Quorbel is not running.",
             "the idle line at the Quit")
    d.start_program(args=["--start", "1"])
    wait_for(lambda: [line for line in text.since(count) if line.startswith("Tea 0:0")],
             "the new copy's countdown in the feed", timeout=7)
    wait_for(lambda: json.loads(feed.lines[-1])["text"].startswith("Tea "),
             "the new copy's countdown in the JSON feed", timeout=3)
    quorbel(d, "--stop", "1")
    quorbel(d, "--quit")
    d.quit_program()
    silent_watch.close()
    mute.close()
    os.close(read)


def probe_races_start(d):
    """Panels polling --status many times a second while the program starts
    and quits, as at a login: each start becomes the running copy, each
    probe is answered or told that none runs, and no probe ever holds the
    lock or becomes a copy."""
    d.install_program()
    program = os.path.join(d.folder, "quorbel")
    lock = os.path.join(d.folder, "quorbel.lock")
    heard = []
    polling = [True]

    def poll():
        while polling[0]:
            done = quorbel(d, "--status")
            heard.append((done.returncode, done.stderr.strip()))
    pollers = [threading.Thread(target=poll, daemon=True) for _ in range(2)]
    for poller in pollers:
        poller.start()
    try:
        for start in range(4):
            time.sleep(random.uniform(0, 0.3))
            d.program = d.spawn([program], stderr=subprocess.PIPE)
            d.window = wait_for(d._main_window, "start %d's window" % start)
            copies = d.run(["pgrep", "-fx", program], check=False).split()
            check(copies == [str(d.program.pid)], "copies running: %s" % copies)
            count = len(heard)
            wait_for(lambda: [code for code, _ in heard[count:] if code == 0],
                     "a probe answered by start %d" % start)
            quorbel(d, "--quit")
            said = d.program.communicate(timeout=5)[1]
            check(d.program.returncode == 0 and not said,
                  "start %d ended with %d: %r" % (start, d.program.returncode, said))
            # No copy runs: however the probes come, the lock is free.
            for _ in range(20):
                check(subprocess.run(["flock", "-n", lock, "true"]).returncode == 0,
                      "the lock held with no copy running")
                time.sleep(0.01)
    finally:
        polling[0] = False
        for poller in pollers:
            poller.join(timeout=20)
    codes = {code for code, _ in heard}
    print("%d probes: %s" % (len(heard), {c: sum(1 for h in heard if h[0] == c) for c in codes}))
    check(codes <= {0, 3} and 3 in codes and 0 in codes,
          "probes ended with %s" % sorted({h for h in heard if h[0] not in (0, 3)}))
    check(not d.run(["pgrep", "-fx", program], check=False).split(), "a copy was left")

def global_shortcuts(d):
    """Keys of the desktop's, through a stand-in portal on the test's bus: the
    program, started from a terminal, asks the user's service manager for a
    scope of its own and reads to the portal as org.quorbel.Quorbel; it
    offers silence, snooze and show in CreateSession and binds them once.
    silence while two countdowns and alarm 2 ring silences all three, snooze
    snoozes, show brings the minimised window; a press for another session
    or of an id never offered changes nothing. Restarted, the program finds
    its shortcuts held and binds nothing. A session the portal closes, a
    portal that restarts (one new session), refuses or never answers: the
    program goes on answering."""
    from portal_rig import start_portal_peer
    if os.getuid() != 0:
        raise Skip("a scope's cgroup can be made only as root")
    start_bus_peers(d)
    here = os.path.dirname(os.path.abspath(__file__))
    units = os.path.join(d.root, "units.log")
    d.spawn(["/usr/bin/python3", os.path.join(here, "unit_manager.py"), units, str(os.getuid())])
    wait_for(lambda: os.path.exists(units), "the stand-in service manager")
    portal, tell = start_portal_peer(d.spawn, d.root)
    now = datetime.datetime.now()
    if now.second > 45:
        time.sleep(61 - now.second)
        now = datetime.datetime.now()
    # Alarm 2 rings at start; alarm 1 twelve hours away; both on at start.
    hour12 = now.hour % 12 or 12
    day_half = "AM" if now.hour < 12 else "PM"
    other_half = "PM" if day_half == "AM" else "AM"
    lines = [b"110120110" + b"0" * 21] + [b"00:00:02Message"] * 10 + [
        b"%d:%02d:00 %s" % (hour12, now.minute, other_half.encode()),
        b"%d:%02d:00 %s" % (hour12, now.minute, day_half.encode()), other_half.encode(),
        day_half.encode()]
    d.install_program({"prefs.qbx": b"\r\n".join(lines) + b"\r\n"})
    d.start_program()

    created = wait_for(lambda: portal("CreateSession"), "the portal's session")[0]
    offered = [(s[0], s[1]["description"]) for s in created["options"]["shortcuts"]]
    check(offered == [("silence", "Silence ringing timers and alarms"),
                      ("snooze", "Snooze ringing timers and alarms for 5 minutes"),
                      ("show", "Show Quorbel")], "offered %r" % offered)
    moved = [json.loads(line) for line in open(units)]
    check(created["app_id"] == "org.quorbel.Quorbel" and created["token"] == "quorbel" and
          created["unit"] == "app-org.quorbel.Quorbel-%d.scope" % d.program.pid and
          [m["call"] for m in moved].count("StartTransientUnit") == 1,
          "the session came from %r, the manager heard %r" % (created, moved))
    bound = wait_for(lambda: portal("BindShortcuts"), "the binding")[0]
    check(sorted(s[0] for s in bound["shortcuts"]) == ["show", "silence", "snooze"],
          "bound %r" % bound)

    def ringing():
        _, state = status(d)
        return sorted(["%s %d" % (t["kind"], t["number"]) for t in state["timers"]
                       if t["state"] == "ringing"] +
                      ["alarm %d" % a["number"] for a in state["alarms"]
                       if a["state"] in ("ringing", "snoozing")])

    quorbel(d, "--start", "1", "--start", "2")
    everything = ["alarm 2", "countdown 1", "countdown 2"]
    wait_for(lambda: ringing() == everything, "two countdowns and alarm 2 ringing", timeout=6)
    # Neither another session's press nor an id never offered does a thing.
    tell("press-other-session silence")
    tell("press frobnicate")
    wait_for(lambda: len(portal("Activated")) == 2, "the two presses")
    time.sleep(0.3)
    check(ringing() == everything, "a stray press changed %r" % ringing())
    tell("press silence")
    wait_for(lambda: not ringing(), "all three silenced")

    quorbel(d, "--start", "1", "--start", "2")
    wait_for(lambda: ringing() == everything[1:], "the countdowns ringing again", timeout=6)
    tell("press snooze")
    wait_for(lambda: sorted(t["state"] for t in status(d)[1]["timers"]) == ["snoozed"] * 2,
             "both snoozed")

    d.run(["xdotool", "windowminimize", "--sync", d.window])
    tell("press show a-token")
    wait_for(lambda: d.mapped(d.window), "the window shown")

    # Restarted, the program is the same application to the portal, and
    # its shortcuts are held: nothing to bind.
    quorbel(d, "--stop", "1", "--stop", "2")
    quorbel(d, "--quit")
    d.quit_program()
    d.start_program()
    wait_for(lambda: len(portal("ListShortcuts")) == 2, "the second run's look at its shortcuts")
    again = portal("CreateSession")[-1]
    check(again["app_id"] == "org.quorbel.Quorbel" and again["unit"] != created["unit"],
          "the second run came from %r" % again)
    time.sleep(0.3)
    check(len(portal("BindShortcuts")) == 1, "bound again: %r" % portal("BindShortcuts"))

    # The portal closes the session: a press meets none. It restarts: one
    # new session. It refuses, or never answers: the program goes on.
    tell("close-session")
    wait_for(lambda: portal("Closed"), "the session closed")
    tell("restart")
    wait_for(lambda: len(portal("CreateSession")) == 3, "a new session after the restart")
    d.run(["xdotool", "windowminimize", "--sync", d.window])
    tell("press show")
    wait_for(lambda: d.mapped(d.window), "the window shown by the new session")
    time.sleep(0.5)
    check(len(portal("CreateSession")) == 3, "more than one new session")
    for mode in ("refuse", "silent"):
        tell(mode)
        tell("restart")
        wait_for(lambda: len(portal("CreateSession")) == (4 if mode == "refuse" else 5),
                 "a session asked of a portal that does not answer (%s)" % mode)
        answers_at_once(d, "beside a portal that will not answer (%s)" % mode)
    quorbel(d, "--quit")
    d.quit_program()


BUS_NAME, BUS_PATH, BUS_INTERFACE = "org.quorbel.Quorbel", "/org/quorbel/Quorbel", "org.quorbel.Quorbel1"


def bus_call(d, method, *arguments):
    """A call on the program's interface as gdbus makes it: the exit code,
    and the answer or the error."""
    done = subprocess.run(["gdbus", "call", "--session", "--dest", BUS_NAME, "--object-path",
                           BUS_PATH, "--method", BUS_INTERFACE + "." + method] + list(arguments),
                          env=d.env, capture_output=True, text=True, timeout=30)
    return done.returncode, (done.stdout if done.returncode == 0 else done.stderr).strip()


def dbus_interface(d):
    """On a session bus of the test's own: a call while no copy runs starts
    the program in the background through a service file; busctl and qdbus
    read the interface; the methods act, Changed comes at each change and
    not each second, a wrong argument gets the command line's words,
    Status is --status --json, Show with a token brings the window, a
    second copy on other settings runs without the name and says so, and
    Quit ends the program, whose name then passes to the second copy."""
    if not (shutil.which("gdbus") and shutil.which("busctl")):
        raise Skip("gdbus (libglib2.0-bin) and busctl (systemd) are not installed")
    d.install_program()
    program = os.path.join(d.folder, "quorbel")
    # The user's own services folder, as an install to ~/.local fills it,
    # here with the portable copy. The bus finds it through XDG_DATA_HOME,
    # not HOME.
    d.env["XDG_DATA_HOME"] = os.path.join(d.root, ".local/share")
    services = os.path.join(d.env["XDG_DATA_HOME"], "dbus-1/services")
    os.makedirs(services)
    with open(os.path.join(services, BUS_NAME + ".service"), "w") as f:
        f.write("[D-BUS Service]\nName=%s\nExec=%s --background\n" % (BUS_NAME, program))
    d.start_session_bus()

    def status():
        out = d.run(["busctl", "--user", "--json=short", "call", BUS_NAME, BUS_PATH,
                     BUS_INTERFACE, "Status"])
        return json.loads(json.loads(out)["data"][0])
    check(status()["timers"] == [], "the first Status")
    copies = d.run(["pgrep", "-f", "^" + program], check=False).split()
    check(len(copies) == 1, "copies running: %s" % copies)
    check(not d._main_window(), "the activated copy showed its window")
    wait_for(d.tray_icons, "the tray icon")
    shown = d.run(["busctl", "--user", "introspect", BUS_NAME, BUS_PATH, BUS_INTERFACE])
    check(".SetTimer" in shown and "uus" in shown and ".Changed" in shown, shown)
    qdbus = shutil.which("qdbus") or shutil.which("/usr/lib/qt6/bin/qdbus")
    if qdbus:
        listed = d.run([qdbus, BUS_NAME, BUS_PATH])
        check("method void %s.SetTimer(uint number, uint seconds, QString message)"
              % BUS_INTERFACE in listed, listed)

    log = os.path.join(d.root, "monitor.log")
    with open(log, "w") as out:
        d.spawn(["gdbus", "monitor", "--session", "--dest", BUS_NAME], stdout=out)

    def changed():
        with open(log) as f:
            return f.read().count(BUS_INTERFACE + ".Changed")
    wait_for(lambda: "is owned by" in open(log).read(), "the monitor")
    check(bus_call(d, "SetTimer", "3", "60", "Pasta") == (0, "()"), "SetTimer failed")
    check(bus_call(d, "StartTimer", "3") == (0, "()"), "StartTimer failed")
    counting = time.monotonic()
    wait_for(lambda: changed() == 2, "Changed at the set and the start", timeout=3)
    timers = status()["timers"]
    check([(t["number"], t["message"], t["state"]) for t in timers] == [(3, "Pasta", "running")],
          "Status: %s" % timers)
    code, said = bus_call(d, "SetTimer", "3", "5", "''")
    check(code and said.endswith(".Error.Refused: Timer 3 is running, and was not changed."),
          said)
    # A wrong argument: the command line's words, the method in place of
    # the option.
    for call, options in ((("SetTimer", "0", "300", "''"), ("--set", "0", "5m")),
                          (("SetTimer", "11", "300", "''"), ("--set", "11", "5m")),
                          (("SetTimer", "3", "0", "''"), ("--set", "3", "0s")),
                          (("SetTimer", "3", "216000", "''"), ("--set", "3", "216000s")),
                          (("SetAlarm", "3", "'7:30'", "true"), ("--alarm", "3", "on")),
                          (("SetAlarm", "1", "'25:00'", "true"), ("--alarm", "1", "25:00"))):
        code, said = bus_call(d, *call)
        line = subprocess.run([program] + list(options), env=d.env, capture_output=True,
                              text=True, timeout=15)
        words = line.stderr.strip()[len("quorbel: "):].replace(options[0], call[0])
        check(code and line.returncode == 2 and
              said.endswith(".Error.InvalidArgument: " + words), "%s: %s" % (call, said))
    # Nothing changed meanwhile, nor with the seconds counted.
    time.sleep(max(0, counting + 2.5 - time.monotonic()))
    check(changed() == 2, "Changed %d times while the timer counts" % changed())
    bus_call(d, "StopTimer", "3")
    bus_call(d, "SetTimer", "3", "2", "''")
    bus_call(d, "StartTimer", "3")
    d.window = wait_for(d._main_window, "the window at the ring", timeout=5)
    wait_for(lambda: changed() == 6, "Changed at the stop, set, start and ring", timeout=3)
    # The same document as --status --json, but for the moment it was made
    # (and the due moment, reckoned from the clock since boot each time).
    ringing = status()
    by_line = json.loads(d.run([program, "--status", "--json"]))

    def due(state):
        return [datetime.datetime.fromisoformat(t.pop("due")).timestamp()
                for t in state["timers"]]
    apart = [abs(a - b) for a, b in zip(due(ringing), due(by_line))]
    check(len(apart) == 1 and apart[0] < 0.05 and ringing["timers"][0]["state"] == "ringing"
          and {**ringing, "time": 0} == {**by_line, "time": 0},
          "Status %s, --status --json %s" % (ringing, by_line))
    bus_call(d, "SilenceAll")
    d.click(*HIDE)
    check(not d.mapped(d.window), "the window did not hide")
    check(bus_call(d, "Show", "{'activation-token': <'e2e-token'>}") == (0, "()"), "Show failed")
    # Shown again, the window has another X id.
    wait_for(d._main_window, "the window back")

    # Another copy, on settings of its own, has no name to take.
    other = os.path.join(d.root, "other")
    os.makedirs(other)
    for name in ("quorbel", "pprefs.qbx"):
        shutil.copy2(os.path.join(d.folder, name), other)
    said = os.path.join(d.root, "other.log")
    with open(said, "w") as out:
        second = d.spawn([os.path.join(other, "quorbel"), "--background"], stderr=out)
    wait_for(lambda: "belongs to another copy" in open(said).read(), "the second copy's line")

    def owner():
        return d.run(["busctl", "--user", "call", "org.freedesktop.DBus", "/org/freedesktop/DBus",
                      "org.freedesktop.DBus", "GetConnectionUnixProcessID", "s", BUS_NAME],
                     check=False).split()[1:]
    check(owner() == copies[0:1], "the name's owner: %s" % owner())
    check(bus_call(d, "Quit") == (0, "()"), "Quit failed")
    wait_for(lambda: not os.path.exists("/proc/" + copies[0]), "the program's end")
    # The other copy had waited for the name, and answers now.
    wait_for(lambda: owner() == [str(second.pid)], "the name passed on")
    check(bus_call(d, "Quit") == (0, "()"), "Quit of the second copy failed")
    second.wait(timeout=5)


SCENARIOS = {f.__name__: f for f in [global_shortcuts, from_scripts, panel_feed, probe_races_start, alerts_once, rings_on_time, faulty_notification_service, alert_options_keyboard, first_run, countdown, settings_survive_restart,
                                      drag_and_pin, quick_timer, alarm, schedule,
                                      schedule_names_itself, quit_with_running_slot,
                                      ended_from_outside, survives_a_kill, sleep_and_wake, tuned_alert_sound,
                                      sound_server_comes_back, alert_actions,
                                      woken_by_the_power_daemon,
                                      starts_with_the_desktop,
                                      full_disk,
                                      folder_renamed,
                                      minimised, question_above_alert, installed_package,
                                      sound_from_a_pipe,
                                      second_start, wall_clock, desktop_bus, tray_menu_on_panel,
                                      keyboard_only,
                                      screen_reader, orca_speaks, sharp_at_2x,
                                      dbus_interface]}


def main():
    build_dir, name = sys.argv[1], sys.argv[2]
    shots = os.path.join(build_dir, "e2e-screenshots")
    try:
        with Desktop(build_dir, shots, name) as desktop:
            SCENARIOS[name](desktop)
            desktop.screenshot("done")
    except Skip as reason:
        print("SKIP %s: %s" % (name, reason))
        return 77
    except Failure as failure:
        print("FAIL %s: %s" % (name, failure))
        return 1
    print("PASS %s" % name)
    return 0


if __name__ == "__main__":
    sys.exit(main())
