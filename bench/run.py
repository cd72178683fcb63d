#!/usr/bin/env python3
# SPDX-License-Identifier: GPL-3.0-or-later
"""Measures the program against floors built beside it, on an Xvfb display
of its own with icewm (when installed) as window manager and notification
area, and prints a table of medians.

    python3 bench/run.py [BUILD_DIR] [--quick]

Start-up, from exec to the window mapped and to visually complete (the
last change of the program's windows' pixels before 1.5 s of quiet, by the
X server's damage reports and timestamps), with a real user's settings, is
compared with an empty Qt window and with one holding a label (the floor),
interleaved, each program in each place of a round in turn; resident and
proportional memory after five idle seconds beside it. Idle, one-timer and
busy cost (CPU time and wake-ups a second) are compared with a Qt window
holding the two timers an idle timer program needs, one a second and one a
minute. Busy means all 22 timers running. A panel bar's watcher (--watch)
connected: the program's wake-ups at rest and with one timer running, and
the watcher's own; --status round trips against the running copy, each
from exec to its end. Ring lateness: ten timers started
from a later start at random moments, each ring's notification reaching a
stand-in notification service against the moment the journal names. Last,
the Google Benchmarks of one tick with every timer running and of one
schedule run over a 1000-line list.
"""
import json
import os
import random
import shutil
import signal
import statistics
import subprocess
import sys
import tempfile
import time



def start_x(env):
    read, write = os.pipe()
    xvfb = subprocess.Popen(["Xvfb", "-displayfd", str(write), "-screen", "0", "1280x1024x24",
                             "-nolisten", "tcp"], pass_fds=(write,), stderr=subprocess.DEVNULL)
    os.close(write)
    number = b""
    while not number.endswith(b"\n"):
        number += os.read(read, 16)
    os.close(read)
    env["DISPLAY"] = ":" + number.decode().strip()
    return xvfb


def counters(pid):
    """CPU seconds (the scheduler's own count, to the nanosecond: the
    clock-tick count in /proc/PID/stat charges a whole tick to whoever
    runs when it strikes) and wake-ups (the times a thread slept and was
    woken) of all a process's threads."""
    cpu = 0.0
    switches = 0
    for task in os.listdir("/proc/%d/task" % pid):
        with open("/proc/%d/task/%s/schedstat" % (pid, task)) as f:
            cpu += int(f.read().split()[0]) / 1e9
        with open("/proc/%d/task/%s/status" % (pid, task)) as f:
            for line in f:
                if line.startswith("voluntary_ctxt_switches"):
                    switches += int(line.split()[1])
    return cpu, switches


def cost(pid, seconds, beside=None):
    """CPU in % of one core and wake-ups a second of a process over so many
    seconds; and, over the same seconds, the wake-ups of another beside it."""
    cpu0, sw0 = counters(pid)
    other0 = counters(beside)[1] if beside else 0
    time.sleep(seconds)
    cpu1, sw1 = counters(pid)
    measured = 100.0 * (cpu1 - cpu0) / seconds, (sw1 - sw0) / seconds
    if beside:
        return measured + ((counters(beside)[1] - other0) / seconds,)
    return measured


def status_round_trips(program, env, count=20):
    """--status against the running copy, each from exec to its end, in ms."""
    taken = []
    for _ in range(count):
        began = time.perf_counter()
        subprocess.run([program, "--status"], env=env, stdout=subprocess.DEVNULL, check=True)
        taken.append((time.perf_counter() - began) * 1000)
    return taken


def run_program(argv, env, folder=None):
    return subprocess.Popen(argv, env=env, cwd=folder, stdout=subprocess.DEVNULL,
                            stderr=subprocess.DEVNULL)


def stop(p):
    p.send_signal(signal.SIGTERM)
    try:
        p.wait(timeout=5)
    except subprocess.TimeoutExpired:
        p.kill()
        p.wait()


def prepared_copy(build, busy):
    folder = tempfile.mkdtemp(prefix="quorbel-bench-")
    for name in ("quorbel", "Alarm1.wav", "Alarm2.wav"):
        shutil.copy2(os.path.join(build, name), folder)
    with open(os.path.join(folder, "pprefs.qbx"), "w") as f:
        f.write("86400\r\n" * 12)
    with open(os.path.join(folder, "prefs.qbx"), "w") as f:
        f.write("\r\n".join(["110120010" + "0" * 21] + ["23:00:00Bench"] * 10 +
                            ["3:00:00 AM", "3:00:00 AM", "AM", "AM"]) + "\r\n")
    return folder


def click_slots(env, count=22):
    out = subprocess.run(["xdotool", "search", "--onlyvisible", "--name", "^Quorbel$"],
                         env=env, capture_output=True, text=True).stdout.split()
    geometry = subprocess.run(["xdotool", "getwindowgeometry", "--shell", out[0]], env=env,
                              capture_output=True, text=True).stdout
    values = dict(line.split("=") for line in geometry.split())
    x, y = int(values["X"]), int(values["Y"])
    points = [(x + (5 if n <= 5 else 148) + 102, y + 47 + 31 * ((n - 1) % 5))
              for n in range(1, 11)]
    points += [(x + 5 + 24 * i + 12, y + 199) for i in range(12)]
    for px, py in points[:count]:
        subprocess.run(["xdotool", "mousemove", str(px), str(py), "click", "1"], env=env)
        time.sleep(0.05)


def real_user(build):
    """A copy of the program with the settings of a user who uses it: ten
    timers with messages, the alarms set, the alarm half closed."""
    folder = tempfile.mkdtemp(prefix="quorbel-bench-")
    for name in ("quorbel", "Alarm1.wav", "Alarm2.wav", "pprefs.qbx"):
        shutil.copy2(os.path.join(build, name), folder)
    messages = ["Tea", "Pasta", "Laundry", "Stand-up meeting", "Call Anna back", "Oven",
                "Parking meter", "Stretch", "Eggs", "Backup check"]
    with open(os.path.join(folder, "prefs.qbx"), "w", encoding="cp1252") as f:
        f.write("\r\n".join(["110120010" + "0" * 21] +
                            ["00:%02d:00%s" % (5 + 5 * i, m) for i, m in enumerate(messages)] +
                            ["7:30:00 AM", "1:15:00 PM", "AM", "PM"]) + "\r\n")
    return folder


def interleaved_starts(build, bench, env, runs):
    """Start-up of the empty window, the one-label floor and the program,
    one after the other, runs times; memory in the first five rounds. Each
    start of the program is a first start, from a fresh copy."""
    tool = os.path.join(bench, "quorbel_startup")
    programs = [("empty Qt 6 window", os.path.join(bench, "quorbel_floor")),
                ("Qt 6 window with one label (the floor)", os.path.join(bench, "quorbel_floor_text")),
                ("Quorbel, a real user's settings", None)]
    results = {name: [] for name, _ in programs}
    for run in range(runs):
        # Each program takes each place in the round in turn: a start just
        # after another program's finds less of its own files in the
        # machine's caches.
        for name, program in programs[run % 3:] + programs[:run % 3]:
            folder = None if program else real_user(build)
            argv = [tool, program or os.path.join(folder, "quorbel"), "1500",
                    "5" if run < 5 else "0"]
            out = subprocess.run(argv, env=env, capture_output=True, text=True, check=True)
            results[name].append([float(v) for v in out.stdout.split()])
            if folder:
                shutil.rmtree(folder, ignore_errors=True)
            # The window manager tidies up after the window that closed;
            # the next start does not share the machine with it.
            time.sleep(0.3)
    table = []
    for name, _ in programs:
        figures = results[name]
        column = lambda k, n=None: [f[k] for f in figures[:n] if f[k] >= 0]
        table.append((name, column(0), column(1), column(2, 5), column(3, 5)))
    return table


def journal_due(folder, slot):
    """The moment the journal says a running timer rings, in ms since the
    epoch; None until it says so."""
    try:
        with open(os.path.join(folder, "journal.qbx")) as f:
            for line in f:
                words = line.split()
                if words[:2] == ["running", str(slot)]:
                    return int(words[2])
    except OSError:
        pass
    return None


def notified(log, after):
    """The first notification the stand-in service was sent after that many
    records, and when it came (s since the epoch); None until one came."""
    with open(log) as f:
        entries = [json.loads(line) for line in f]
    for entry in entries[after:]:
        if entry["call"] == "Notify":
            return entry
    return None


def wait(probe, timeout=10):
    end = time.monotonic() + timeout
    while time.monotonic() < end:
        found = probe()
        if found is not None:
            return found
        time.sleep(0.005)
    raise RuntimeError("timed out")


def ring_lateness(build, env, starts):
    """Each of so many timers, a two-second quick timer or countdown started
    by a later start at a random moment: how long after the moment the
    journal names its ring's notification reached the desktop, in ms."""
    folder = tempfile.mkdtemp(prefix="quorbel-bench-")
    for name in ("quorbel", "Alarm1.wav", "Alarm2.wav"):
        shutil.copy2(os.path.join(build, name), folder)
    with open(os.path.join(folder, "pprefs.qbx"), "w") as f:
        f.write("2\r\n" * 12)
    with open(os.path.join(folder, "prefs.qbx"), "w") as f:
        f.write("\r\n".join(["110120010"] + ["00:00:02Ring"] * 10 +
                             ["3:00:00 AM", "3:00:00 AM", "AM", "AM"]) + "\r\n")
    bus = subprocess.Popen(["dbus-daemon", "--session", "--nofork", "--print-address=1"],
                           stdout=subprocess.PIPE)
    env = dict(env, DBUS_SESSION_BUS_ADDRESS=bus.stdout.readline().decode().strip())
    log = os.path.join(folder, "bus.log")
    # Debian's own Python, which python3-dbus is for.
    peers = subprocess.Popen(["/usr/bin/python3", os.path.join(os.path.dirname(__file__), "..",
                                                           "tests", "e2e", "bus_peers.py"),
                              log, os.path.join(folder, "bus.commands")], env=env)
    program = None
    late = []
    try:
        wait(lambda: os.path.exists(log) or None)
        program = run_program([os.path.join(folder, "quorbel")], env, folder)
        time.sleep(3)
        quorbel = os.path.join(folder, "quorbel")
        for start in range(starts):
            time.sleep(random.uniform(0.3, 1.3))
            option, slot = (("--quick", 23), ("--start", 1))[start % 2]
            with open(log) as f:
                before = len(f.readlines())
            subprocess.run([quorbel, option, "1"], env=env, check=True)
            due = wait(lambda: journal_due(folder, slot))
            rang = wait(lambda: notified(log, before))
            late.append(rang["at"] * 1000 - due)
            subprocess.run([quorbel, "--stop"], env=env, check=True)
            wait(lambda: None if journal_due(folder, slot) else True)
    finally:
        for p in (program, peers, bus):
            if p:
                stop(p)
        shutil.rmtree(folder, ignore_errors=True)
    return late


def spread(values, scale=1.0):
    return "%.1f (%.1f-%.1f)" % (statistics.median(values) * scale, min(values) * scale,
                                 max(values) * scale)


def main():
    args = [a for a in sys.argv[1:] if not a.startswith("--")]
    quick = "--quick" in sys.argv
    build = os.path.abspath(args[0] if args else "build")
    bench = os.path.join(build, "bench")
    env = dict(os.environ, QT_QPA_PLATFORM="xcb")
    env.pop("WAYLAND_DISPLAY", None)
    runtime = tempfile.mkdtemp(prefix="quorbel-bench-runtime-")
    env["XDG_RUNTIME_DIR"] = runtime
    env["HOME"] = runtime
    xvfb = start_x(env)
    # A window manager with a notification area, as on a desktop: the
    # window's frame and the tray icon are part of what a start shows.
    wm = None
    if shutil.which("icewm"):
        wm = subprocess.Popen(["icewm"], env=env, stdout=subprocess.DEVNULL,
                              stderr=subprocess.DEVNULL)
        time.sleep(2)
    rows = []
    starts = []
    try:
        starts = interleaved_starts(build, bench, env, 5 if quick else 21)
        window = 10 if quick else 60
        floor = run_program([os.path.join(bench, "quorbel_floor_idle")], env)
        time.sleep(3)
        floor_cpu, floor_wake = cost(floor.pid, window)
        stop(floor)
        folder = prepared_copy(build, busy=False)
        program = run_program([os.path.join(folder, "quorbel")], env, folder)
        time.sleep(3)
        idle_cpu, idle_wake = cost(program.pid, window)
        quorbel = os.path.join(folder, "quorbel")
        round_trips = status_round_trips(quorbel, env)
        # A panel bar's watcher, connected: what it costs the program at
        # rest and while one countdown runs, and what it costs itself.
        watcher = run_program([quorbel, "--watch"], env, folder)
        time.sleep(2)
        _, watched_idle_wake = cost(program.pid, window)
        # One countdown, as most of a day goes: the tray turns and the
        # window counts.
        click_slots(env, 1)
        time.sleep(2)
        _, watched_one_wake, watcher_wake = cost(program.pid, window, watcher.pid)
        stop(watcher)
        one_cpu, one_wake = cost(program.pid, window)
        click_slots(env)
        time.sleep(2)
        busy_cpu, busy_wake = cost(program.pid, window)
        stop(program)
        shutil.rmtree(folder, ignore_errors=True)
        late = ring_lateness(build, env, 10)
        rows.append(("idle CPU, % of one core", floor_cpu, idle_cpu, idle_cpu - floor_cpu,
                     "<= 0.1 %"))
        rows.append(("idle wake-ups a second", floor_wake, idle_wake,
                     idle_wake / max(floor_wake, 0.01), "<= 1 /s"))
        rows.append(("one timer CPU, % of one core", floor_cpu, one_cpu, one_cpu - floor_cpu,
                     ""))
        rows.append(("one timer wake-ups a second", floor_wake, one_wake,
                     one_wake / max(floor_wake, 0.01), "<= 4 /s"))
        rows.append(("busy CPU, % of one core (22 timers)", floor_cpu, busy_cpu,
                     busy_cpu - floor_cpu, ""))
        rows.append(("busy wake-ups a second", floor_wake, busy_wake,
                     busy_wake / max(floor_wake, 0.01), ""))
    finally:
        if wm:
            stop(wm)
        stop(xvfb)
        shutil.rmtree(runtime, ignore_errors=True)

    print("%-40s %22s %22s %12s %12s" % ("start-up, median (min-max)", "window mapped, ms",
                                         "visually complete, ms", "RSS, MiB", "PSS, MiB"))
    for name, mapped, complete, rss, pss in starts:
        print("%-40s %22s %22s %12s %12s" % (name, spread(mapped), spread(complete),
                                             spread(rss, 1 / 1024), spread(pss, 1 / 1024)))
    floor_complete = statistics.median(starts[1][2])
    print("visually complete: %.2f x the one-label floor (aim 1.2 x); RSS %+.1f MiB over it"
          " (aim +5.5 MiB)\n" % (statistics.median(starts[2][2]) / floor_complete,
                               (statistics.median(starts[2][3]) - statistics.median(starts[1][3]))
                               / 1024))
    print("%-38s %10s %10s %10s %9s" % ("measure (median)", "floor", "quorbel", "vs floor",
                                        "aim"))
    for name, floor_value, value, ratio, aim in rows:
        print("%-38s %10.2f %10.2f %10.2f %9s" % (name, floor_value, value, ratio, aim))
    print("\n--status round trip against the running copy (%d, from exec to its end): median %.1f"
          " ms, %.1f-%.1f (aim: within 100)" % (len(round_trips), statistics.median(round_trips),
                                                 min(round_trips), max(round_trips)))
    print("a connected watcher (--watch), the program's wake-ups a second: at rest %.2f against"
          " %.2f without (aim: no more), one timer running %.2f against %.2f without (aim: at"
          " most one more); the watcher itself %.2f while one timer runs"
          % (watched_idle_wake, idle_wake, watched_one_wake, one_wake, watcher_wake))
    print("\nring lateness, ms after the moment due (%d starts at random moments): median %.1f,"
          " worst %.1f, earliest %.1f (aim: 0 to 100)" % (len(late), statistics.median(late),
                                                       max(late), min(late)))

    tick = os.path.join(bench, "quorbel_tick_bench")
    if os.path.exists(tick):
        print()
        subprocess.run([tick, "--benchmark_repetitions=5", "--benchmark_report_aggregates_only"],
                       env=dict(env, QT_QPA_PLATFORM="offscreen"))


if __name__ == "__main__":
    main()
