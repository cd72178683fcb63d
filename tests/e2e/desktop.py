# SPDX-License-Identifier: GPL-3.0-or-later
"""A throwaway X desktop for the end-to-end scenarios: Xvfb on a free
display, icewm with its notification area, a PulseAudio of its own whose
null sink is recorded, and the built program copied into a fresh folder.
Everything started here is ended here, by its process id, also when a
check fails."""

import os
import shutil
import signal
import struct
import subprocess
import tempfile
import time


class Failure(Exception):
    pass


class Skip(Exception):
    """What the scenario needs is not on this machine."""


def check(condition, what):
    if not condition:
        raise Failure(what)


def wait_for(probe, what, timeout=10.0, step=0.1):
    """Polls probe until it returns something true; fails after timeout."""
    end = time.monotonic() + timeout
    while True:
        value = probe()
        if value:
            return value
        if time.monotonic() > end:
            raise Failure("timed out waiting for " + what)
        time.sleep(step)


class Desktop:
    def __init__(self, build_dir, shots_dir, name):
        self.build_dir = build_dir
        self.shots_dir = shots_dir
        self.name = name
        self.processes = []
        self.root = tempfile.mkdtemp(prefix="quorbel-e2e-")
        self.folder = os.path.join(self.root, "app")
        os.makedirs(self.folder)
        runtime = os.path.join(self.root, "runtime")
        os.makedirs(runtime, mode=0o700)
        self.env = dict(os.environ)
        for name in ("WAYLAND_DISPLAY", "XDG_SESSION_TYPE", "XDG_CURRENT_DESKTOP"):
            self.env.pop(name, None)
        self.env.update({"XDG_RUNTIME_DIR": runtime, "HOME": self.root,
                         "QT_QPA_PLATFORM": "xcb", "LC_ALL": "C.UTF-8"})
        self.recording = None

    # ------------------------------------------------------------ set-up

    def __enter__(self):
        try:
            self._start_x()
            self._start_sound()
        except BaseException:
            self.close()
            raise
        return self

    def __exit__(self, *exc):
        if exc[0] is not None:
            try:
                self.screenshot("failed")
            except Exception:
                pass
        self.close()
        return False

    def spawn(self, argv, **kw):
        p = subprocess.Popen(argv, env=kw.pop("env", self.env), stdin=subprocess.DEVNULL,
                             stdout=kw.pop("stdout", subprocess.DEVNULL),
                             stderr=kw.pop("stderr", subprocess.DEVNULL),
                             start_new_session=True, **kw)
        self.processes.append(p)
        return p

    def _start_x(self):
        read, write = os.pipe()
        self.spawn(["Xvfb", "-displayfd", str(write), "-screen", "0", "1280x1024x24",
                    "-nolisten", "tcp"], pass_fds=(write,))
        os.close(write)
        number = b""
        while not number.endswith(b"\n"):
            chunk = os.read(read, 16)
            if not chunk:
                raise Failure("Xvfb did not start")
            number += chunk
        os.close(read)
        self.env["DISPLAY"] = ":" + number.decode().strip()
        self._start_window_manager()

    def _start_window_manager(self):
        # The notification area is there once icewm owns the tray selection.
        # On a loaded machine icewm now and then ends while it starts; it is
        # started again, and what it said is kept for the failure.
        log_path = os.path.join(self.root, "icewm.log")
        for attempt in range(3):
            with open(log_path, "ab") as log:
                icewm = self.spawn(["icewm"], stdout=log, stderr=log)
            try:
                wait_for(lambda: icewm.poll() is not None or
                         self.run(["xwininfo", "-root", "-tree"],
                                  check=False).count('"SystemTray"'),
                         "icewm's notification area", timeout=30)
            except Failure:
                break
            if icewm.poll() is None:
                return
        with open(log_path, "rb") as log:
            said = log.read().decode(errors="replace").strip()[-600:]
        raise Failure("icewm's notification area did not appear" +
                      (": icewm said " + said if said else ""))

    def _start_sound(self):
        # No client may start a server of its own: the one that comes back
        # after stop_sound() is the desktop's.
        client_conf = os.path.join(self.root, "client.conf")
        with open(client_conf, "w") as f:
            f.write("autospawn = no\n")
        self.env["PULSE_CLIENTCONFIG"] = client_conf
        self.env["PULSE_SERVER"] = "unix:" + os.path.join(self.root, "pulse.sock")
        # The test's own tools reach the server through a socket of their
        # own, there before the program's.
        self.rig_env = dict(self.env, PULSE_SERVER="unix:" + os.path.join(self.root, "rig.sock"))
        self.start_sound()

    def start_sound(self):
        """The PulseAudio of the desktop, started (again); where the
        recording, if one runs, stands when the program can reach it."""
        self.pulse = self.spawn(["pulseaudio", "-n", "--daemonize=no", "--exit-idle-time=-1",
                    "--disable-shm=yes", "--load=module-null-sink sink_name=rec",
                    "--load=module-native-protocol-unix auth-anonymous=1 socket=" +
                    self.rig_env["PULSE_SERVER"][len("unix:"):]])
        wait_for(lambda: subprocess.run(["pactl", "info"], env=self.rig_env,
                                        stdout=subprocess.DEVNULL,
                                        stderr=subprocess.DEVNULL).returncode == 0,
                 "PulseAudio", step=0.02)
        # A null sink's monitor gives nothing while the sink is idle: keep a
        # silent stream playing into it.
        self.spawn(["pacat", "--device=rec", "--raw", "/dev/zero"], env=self.rig_env)
        if self.recording:
            # A new null sink holds back what it is given for its first two
            # seconds or so, which no sound card does: the program meets the
            # server once the recording flows.
            self.start_recording()
            wait_for(lambda: os.path.exists(self.recording) and os.path.getsize(self.recording),
                     "the recording", step=0.02)
        back = os.path.getsize(self.recording) / (2 * 22050) if self.recording else 0
        self.run(["pactl", "load-module", "module-native-protocol-unix", "auth-anonymous=1",
                  "socket=" + self.env["PULSE_SERVER"][len("unix:"):]], env=self.rig_env)
        return back

    def stop_sound(self):
        """The sound server killed, as a crash or a restart by the session
        ends it; the recording ends with it."""
        self.pulse.kill()
        self.pulse.wait()

    def start_session_bus(self):
        """A session bus of the desktop's own, which the program then uses."""
        bus = self.spawn(["dbus-daemon", "--session", "--nofork", "--print-address=1"],
                         stdout=subprocess.PIPE)
        self.env["DBUS_SESSION_BUS_ADDRESS"] = bus.stdout.readline().decode().strip()

    def start_logind(self):
        """A stand-in logind (python3-dbusmock's template) on a system bus of
        the desktop's own; its inhibitors and signals are the test's."""
        bus = self.spawn(["dbus-daemon", "--session", "--nofork", "--print-address=1"],
                         stdout=subprocess.PIPE)
        self.env["DBUS_SYSTEM_BUS_ADDRESS"] = bus.stdout.readline().decode().strip()
        self.spawn(["/usr/bin/python3", "-m", "dbusmock", "--system", "--template", "logind"])
        wait_for(lambda: self.logind("org.freedesktop.DBus.Peer.Ping") is not None,
                 "the stand-in logind")

    def logind(self, method, *arguments):
        """A call to the stand-in logind; its answer as gdbus prints it."""
        done = subprocess.run(["gdbus", "call", "--system", "--dest", "org.freedesktop.login1",
                               "--object-path", "/org/freedesktop/login1", "--method", method]
                              + list(arguments), env=self.env, capture_output=True, text=True)
        return done.stdout if done.returncode == 0 else None

    def close(self):
        for p in reversed(self.processes):
            if p.poll() is None:
                try:
                    os.killpg(p.pid, signal.SIGTERM)
                except ProcessLookupError:
                    pass
        for p in reversed(self.processes):
            try:
                p.wait(timeout=3)
            except subprocess.TimeoutExpired:
                os.killpg(p.pid, signal.SIGKILL)
                p.wait()
        self.processes.clear()
        shutil.rmtree(self.root, ignore_errors=True)

    # ------------------------------------------------------------ program

    def install_program(self, files=None):
        """Copies the program and its default files into the folder, then
        the given files (name -> bytes)."""
        for name in ("quorbel", "pprefs.qbx", "Alarm1.wav", "Alarm2.wav"):
            shutil.copy2(os.path.join(self.build_dir, name), self.folder)
        for name, data in (files or {}).items():
            with open(os.path.join(self.folder, name), "wb") as f:
                f.write(data)

    def start_program(self, cwd=None, program=None, prefix=(), env=None, args=()):
        self.program = self.spawn(list(prefix) + [program or os.path.join(self.folder, "quorbel")] +
                                  list(args), cwd=cwd, env=dict(self.env, **(env or {})))
        self.window = wait_for(self._main_window, "the main window")
        # The pointer moves onto Quit once the settings are loaded.
        wait_for(lambda: self.pointer() != (0, 0) and self.pointer() != (640, 512),
                 "the first activation", timeout=5)
        return self.window

    def _main_window(self):
        found = self.run(["xdotool", "search", "--onlyvisible", "--name", "^Quorbel$"],
                         check=False).split()
        for window in found:
            if self.geometry(window)[2] in (298, 596):
                return window
        return None

    def quit_program(self, timeout=5):
        try:
            self.program.wait(timeout=timeout)
        except subprocess.TimeoutExpired:
            raise Failure("the program did not end")

    def read(self, name):
        with open(os.path.join(self.folder, name), "rb") as f:
            return f.read()

    # ------------------------------------------------------------ X

    def run(self, argv, check=True, env=None):
        result = subprocess.run(argv, env=env or self.env, capture_output=True, text=True)
        if check and result.returncode != 0:
            raise Failure("%s failed: %s" % (argv[0], result.stderr.strip()))
        return result.stdout

    def geometry(self, window):
        values = {}
        for line in self.run(["xdotool", "getwindowgeometry", "--shell", window]).split():
            key, _, value = line.partition("=")
            values[key] = int(value) if value.lstrip("-").isdigit() else value
        return values["X"], values["Y"], values["WIDTH"], values["HEIGHT"]

    def mapped(self, window):
        return "IsViewable" in self.run(["xwininfo", "-id", window], check=False)

    def state(self, window):
        return self.run(["xprop", "-id", window, "_NET_WM_STATE"], check=False)

    def pointer(self):
        out = self.run(["xdotool", "getmouselocation", "--shell"])
        values = dict(line.split("=") for line in out.split())
        return int(values["X"]), int(values["Y"])

    def at(self, dx, dy):
        """A point of the main window, in screen coordinates."""
        x, y, _, _ = self.geometry(self.window)
        return x + dx, y + dy

    def click(self, dx, dy, button=1):
        x, y = self.at(dx, dy)
        self.run(["xdotool", "mousemove", str(x), str(y)])
        time.sleep(0.15)
        self.run(["xdotool", "click", str(button)])
        time.sleep(0.25)

    def keys(self, *names):
        for name in names:
            self.run(["xdotool", "key", name])
            time.sleep(0.12)

    def type(self, text):
        self.run(["xdotool", "type", "--delay", "40", text])

    def tray_icons(self):
        """The windows docked in icewm's notification area."""
        tree = self.run(["xwininfo", "-root", "-tree"])
        tray = [line.split()[0] for line in tree.splitlines() if '"SystemTray"' in line]
        if not tray:
            return []
        children = self.run(["xwininfo", "-id", tray[0], "-children"])
        return [line.split()[0] for line in children.splitlines()
                if line.strip().startswith("0x")]

    def stacking(self):
        out = self.run(["xprop", "-root", "_NET_CLIENT_LIST_STACKING"])
        return [int(w, 16) for w in out.split("#")[-1].replace(",", " ").split()]

    # ------------------------------------------------------------ pictures

    def stop_x(self):
        """The display goes away under the program, as a crashed server's."""
        self.processes[0].kill()
        self.processes[0].wait()
        self.x_gone = True

    def screenshot(self, label):
        if getattr(self, "x_gone", False):
            return None
        os.makedirs(self.shots_dir, exist_ok=True)
        path = os.path.join(self.shots_dir, "%s-%s.png" % (self.name, label))
        self.run(["import", "-window", "root", path])
        return path

    def colour_at(self, x, y):
        data = subprocess.run(["import", "-window", "root", "-crop", "1x1+%d+%d" % (x, y),
                               "-depth", "8", "rgb:-"], env=self.env,
                              capture_output=True).stdout
        return tuple(data[:3])

    def region_has(self, x, y, w, h, colour, tolerance=24):
        data = subprocess.run(["import", "-window", "root", "-crop", "%dx%d+%d+%d" % (w, h, x, y),
                               "-depth", "8", "rgb:-"], env=self.env,
                              capture_output=True).stdout
        for i in range(0, len(data) - 2, 3):
            if all(abs(data[i + k] - colour[k]) <= tolerance for k in range(3)):
                return True
        return False

    # ------------------------------------------------------------ sound

    def start_recording(self):
        """Records the null sink from now on, into a new file."""
        self.recording = os.path.join(self.root, "heard%d.raw" % len(self.processes))
        self.recorder = self.spawn(["parec", "--device=rec.monitor", "--latency-msec=20",
                                    "--format=s16le", "--rate=22050", "--channels=1",
                                    self.recording], env=self.rig_env)

    def heard_since(self):
        """Seconds recorded so far: where the recording stands now."""
        time.sleep(0.1)
        return os.path.getsize(self.recording) / (2 * 22050)

    def _stat(self, start, length, name):
        """One figure sox's stat gives for that stretch of the recording, in
        seconds from its start."""
        out = subprocess.run(["sox", "-t", "raw", "-r", "22050", "-e", "signed", "-b", "16",
                              "-c", "1", self.recording, "-n", "trim", "%.2f" % max(0, start),
                              "%.2f" % length, "stat"], capture_output=True, text=True).stderr
        for line in out.splitlines():
            if line.startswith(name):
                return float(line.split()[-1])
        raise Failure("sox measured nothing: " + out.strip()[-300:])

    def pitch(self, start, length):
        """The rough frequency in Hz of that stretch of the recording."""
        return self._stat(start, length, "Rough   frequency")

    def loudness(self, start, length):
        """The RMS level (0 to 1) of that stretch of the recording."""
        return self._stat(start, length, "RMS     amplitude")

    def first_loud(self, since):
        """Where in the recording, from since (seconds) on, the first sample
        louder than a fiftieth of full scale is; None before there is one."""
        with open(self.recording, "rb") as f:
            f.seek(int(since * 22050) * 2)
            data = f.read()
        count = len(data) // 2
        for i, sample in enumerate(struct.unpack("<%dh" % count, data[:count * 2])):
            if abs(sample) > 655:
                return since + i / 22050
        return None

    def loudest(self):
        """The peak level recorded so far, 0 to 1."""
        time.sleep(0.3)
        with open(self.recording, "rb") as f:
            data = f.read()
        count = len(data) // 2
        if count == 0:
            return 0.0
        samples = struct.unpack("<%dh" % count, data[:count * 2])
        return max(abs(s) for s in samples) / 32768.0
