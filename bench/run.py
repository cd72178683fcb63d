#!/usr/bin/env python3
# SPDX-License-Identifier: GPL-3.0-or-later
"""Measures the program against floors built beside it, on an Xvfb display
of its own without a window manager, and prints a table of medians.

    python3 bench/run.py [BUILD_DIR] [--quick]

Start-up (process start to the first mapped window, and to the first frame
drawn in it) and resident memory after five idle seconds are compared with
an empty Qt window, the first frame also with a window holding one label.
Idle and busy cost (CPU time and wake-ups a second) are compared with a Qt
window holding the two timers an idle timer program needs, one a second and
one a minute. Busy means all 22 timers running. Last, the Google Benchmarks
of one tick with every timer running and of one schedule run over a
1000-line list.
"""
import os
import shutil
import signal
import statistics
import subprocess
import sys
import tempfile
import time

HZ = os.sysconf("SC_CLK_TCK")


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
    """CPU seconds and context switches (wake-ups) of all a process's threads."""
    with open("/proc/%d/stat" % pid) as f:
        fields = f.read().rsplit(")", 1)[1].split()
    cpu = (int(fields[11]) + int(fields[12])) / HZ
    switches = 0
    for task in os.listdir("/proc/%d/task" % pid):
        with open("/proc/%d/task/%s/status" % (pid, task)) as f:
            for line in f:
                if "ctxt_switches" in line:
                    switches += int(line.split()[1])
    return cpu, switches


def cost(pid, seconds):
    cpu0, sw0 = counters(pid)
    time.sleep(seconds)
    cpu1, sw1 = counters(pid)
    return 100.0 * (cpu1 - cpu0) / seconds, (sw1 - sw0) / seconds


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


def click_all_slots(env):
    out = subprocess.run(["xdotool", "search", "--onlyvisible", "--name", "^Quorbel$"],
                         env=env, capture_output=True, text=True).stdout.split()
    geometry = subprocess.run(["xdotool", "getwindowgeometry", "--shell", out[0]], env=env,
                              capture_output=True, text=True).stdout
    values = dict(line.split("=") for line in geometry.split())
    x, y = int(values["X"]), int(values["Y"])
    points = [(x + (5 if n <= 5 else 148) + 102, y + 47 + 31 * ((n - 1) % 5))
              for n in range(1, 11)]
    points += [(x + 5 + 24 * i + 12, y + 199) for i in range(12)]
    for px, py in points:
        subprocess.run(["xdotool", "mousemove", str(px), str(py), "click", "1"], env=env)
        time.sleep(0.05)


def main():
    args = [a for a in sys.argv[1:] if not a.startswith("--")]
    quick = "--quick" in sys.argv
    build = os.path.abspath(args[0] if args else "build")
    bench = os.path.join(build, "bench")
    env = dict(os.environ, QT_QPA_PLATFORM="xcb")
    env.pop("WAYLAND_DISPLAY", None)
    runtime = tempfile.mkdtemp(prefix="quorbel-bench-runtime-")
    env["XDG_RUNTIME_DIR"] = runtime
    xvfb = start_x(env)
    rows = []
    try:
        runs = "3" if quick else "9"
        out = subprocess.run([os.path.join(bench, "quorbel_startup"), runs,
                              os.path.join(bench, "quorbel_floor"),
                              os.path.join(bench, "quorbel_floor_text"),
                              os.path.join(build, "quorbel")],
                             env=env, capture_output=True, text=True, check=True).stdout
        figures = [list(map(float, line.split()[-3:])) for line in out.splitlines()[1:]]
        floor_ms, floor_frame, floor_mib = figures[0]
        text_ms, text_frame, _ = figures[1]
        ms, frame, mib = figures[2]
        rows.append(("start-up to mapped window, ms", floor_ms, ms, ms / floor_ms, "1.3 x"))
        rows.append(("start-up to first frame drawn, ms", floor_frame, frame, frame / floor_frame,
                     ""))
        rows.append(("  the same against a window with text", text_frame, frame,
                     frame / text_frame, ""))
        rows.append(("resident memory after 5 s, MiB", floor_mib, mib, mib - floor_mib,
                     "+10 MiB"))

        window = 10 if quick else 60
        floor = run_program([os.path.join(bench, "quorbel_floor_idle")], env)
        time.sleep(3)
        floor_cpu, floor_wake = cost(floor.pid, window)
        stop(floor)
        folder = prepared_copy(build, busy=False)
        program = run_program([os.path.join(folder, "quorbel")], env, folder)
        time.sleep(3)
        idle_cpu, idle_wake = cost(program.pid, window)
        click_all_slots(env)
        time.sleep(2)
        busy_cpu, busy_wake = cost(program.pid, window)
        stop(program)
        shutil.rmtree(folder, ignore_errors=True)
        rows.append(("idle CPU, % of one core", floor_cpu, idle_cpu, idle_cpu - floor_cpu,
                     "< 0.05 %"))
        rows.append(("idle wake-ups a second", floor_wake, idle_wake,
                     idle_wake / max(floor_wake, 0.01), "1.0 x"))
        rows.append(("busy CPU, % of one core (22 timers)", floor_cpu, busy_cpu,
                     busy_cpu - floor_cpu, ""))
        rows.append(("busy wake-ups a second", floor_wake, busy_wake,
                     busy_wake / max(floor_wake, 0.01), ""))
    finally:
        stop(xvfb)
        shutil.rmtree(runtime, ignore_errors=True)

    print("%-38s %10s %10s %10s %9s" % ("measure (median)", "floor", "quorbel", "vs floor",
                                        "aim"))
    for name, floor_value, value, ratio, aim in rows:
        print("%-38s %10.2f %10.2f %10.2f %9s" % (name, floor_value, value, ratio, aim))

    tick = os.path.join(bench, "quorbel_tick_bench")
    if os.path.exists(tick):
        print()
        subprocess.run([tick, "--benchmark_repetitions=5", "--benchmark_report_aggregates_only"],
                       env=dict(env, QT_QPA_PLATFORM="offscreen"))


if __name__ == "__main__":
    main()
