#!/usr/bin/env python3
# SPDX-License-Identifier: GPL-3.0-or-later
"""End-to-end scenarios on Wayland compositors, headless: sway, read through
swaymsg, and kwin_wayland, read through a KWin script. Each runs the
built program as the compositor's own client beside weston-terminal, the
other window that holds the keyboard, on a session bus with the stand-in
notification service, and reads what the compositor says of the windows.
On sway, a real waybar also shows the program's module, read from grim's
screenshots.

    wayland.py BUILD_DIR sway|kwin|waybar
"""
import json
import os
import shutil
import subprocess
import sys
import tempfile
import time

sys.path.insert(0, os.path.dirname(os.path.abspath(__file__)))
from desktop import Failure, Skip, check, wait_for  # noqa: E402

APP_ID = "org.quorbel.Quorbel"
TERMINAL = "org.freedesktop.weston.wayland-terminal"
HERE = os.path.dirname(os.path.abspath(__file__))
# Compositors will not run as root: as root, everything runs as nobody.
NOBODY = 65534


def end(processes):
    """Each process asked to end, the last started first, and killed when
    it has not within three seconds."""
    for p in reversed(processes):
        if p.poll() is None:
            p.terminate()
    for p in reversed(processes):
        try:
            p.wait(timeout=3)
        except subprocess.TimeoutExpired:
            p.kill()
            p.wait()


class Session:
    def __init__(self, build_dir, name):
        self.build_dir = build_dir
        self.name = name
        self.processes = []
        self.root = tempfile.mkdtemp(prefix="quorbel-wayland-")
        self.folder = os.path.join(self.root, "app")
        self.runtime = os.path.join(self.root, "runtime")
        os.makedirs(self.folder)
        os.makedirs(self.runtime, mode=0o700)
        self.as_user = {}
        if os.geteuid() == 0:
            os.chmod(self.root, 0o755)
            self.as_user = {"user": NOBODY, "group": NOBODY, "extra_groups": []}
        self.env = {"PATH": os.environ.get("PATH", "/usr/bin:/bin"), "HOME": self.root,
                    "XDG_RUNTIME_DIR": self.runtime, "LC_ALL": "C.UTF-8",
                    "XDG_SESSION_TYPE": "wayland"}

    def __enter__(self):
        return self

    def __exit__(self, *exc):
        end(self.processes)
        shutil.rmtree(self.root, ignore_errors=True)
        return False

    def own(self):
        if self.as_user:
            for folder, dirs, files in os.walk(self.root):
                for name in [folder] + [os.path.join(folder, n) for n in dirs + files]:
                    os.lchown(name, NOBODY, NOBODY)

    def spawn(self, argv, env=None, log=None):
        out = open(os.path.join(self.root, log), "ab") if log else subprocess.DEVNULL
        p = subprocess.Popen(argv, env=dict(self.env, **(env or {})), stdin=subprocess.DEVNULL,
                             stdout=out, stderr=out, **self.as_user)
        self.processes.append(p)
        return p

    def log(self, name):
        path = os.path.join(self.root, name)
        return open(path, errors="replace").read() if os.path.exists(path) else ""

    def start_bus(self):
        """A session bus with the stand-in notification service on it."""
        # Copied where nobody may read it, whoever owns the checkout.
        peers = shutil.copy(os.path.join(HERE, "bus_peers.py"), self.root)
        self.own()
        bus = subprocess.Popen(["dbus-daemon", "--session", "--nofork", "--print-address=1"],
                               env=self.env, stdout=subprocess.PIPE, **self.as_user)
        self.processes.append(bus)
        self.env["DBUS_SESSION_BUS_ADDRESS"] = bus.stdout.readline().decode().strip()
        self.bus_log = os.path.join(self.root, "bus.log")
        self.commands = os.path.join(self.root, "bus.commands")
        self.spawn(["/usr/bin/python3", peers, self.bus_log, self.commands])
        wait_for(lambda: self.calls("ready"), "the bus peers")

    def calls(self, name):
        if not os.path.exists(self.bus_log):
            return []
        with open(self.bus_log) as f:
            return [e for e in map(json.loads, f) if e["call"] == name]

    def tell_bus(self, line):
        with open(self.commands, "a") as f:
            f.write(line + "\n")

    # ------------------------------------------------------------ program

    def install_program(self, quick_seconds):
        for name in ("quorbel", "Alarm1.wav", "Alarm2.wav"):
            shutil.copy2(os.path.join(self.build_dir, name), self.folder)
        with open(os.path.join(self.folder, "pprefs.qbx"), "wb") as f:
            f.write(b"%d\r\n" % quick_seconds)
        self.own()

    def start_program(self, env):
        # Every request the program makes of the compositor, to read the
        # tokens it hands on.
        self.program_env = dict(env, WAYLAND_DEBUG="client")
        self.program = self.spawn([os.path.join(self.folder, "quorbel")], self.program_env,
                                  log="program.log")

    def later_start(self, *arguments, env=None):
        """A later start hands its command line to the running copy."""
        done = subprocess.run([os.path.join(self.folder, "quorbel")] + list(arguments),
                              env={**self.env, **self.program_env, **(env or {})},
                              capture_output=True, timeout=20, **self.as_user)
        check(done.returncode == 0, "quorbel %s: %s" % (" ".join(arguments), done.stderr))

    def activations(self):
        """The tokens the program handed the compositor to be activated."""
        return [line.split('activate("')[1].split('"')[0]
                for line in self.log("program.log").splitlines()
                if "xdg_activation_v1@" in line and 'activate("' in line]

    def ring(self):
        """Quick timer 1 started by a later start: it rings a moment on."""
        before = len(self.calls("Notify"))
        self.later_start("--quick", "1")
        return wait_for(lambda: self.calls("Notify")[before:], "the ring's notification",
                        timeout=8)[0]

    def acknowledge(self, notice):
        """--stop with no number silences every alert, as Enter does: once
        the alert has sounded its first beat, a second after the ring."""
        time.sleep(1.5)
        self.later_start("--stop")
        wait_for(lambda: notice["id"] in [c["id"] for c in self.calls("CloseNotification")],
                 "the alert acknowledged")

    def quit(self):
        self.later_start("--quit")
        try:
            self.program.wait(timeout=5)
        except subprocess.TimeoutExpired:
            raise Failure("the program did not end")


# ---------------------------------------------------------------- sway


class Sway(Session):
    def start(self):
        for tool in ("sway", "swaymsg", "weston-terminal", "dbus-daemon"):
            if not shutil.which(tool):
                raise Skip(tool + " is not installed")
        config = os.path.join(self.root, "sway.conf")
        with open(config, "w") as f:
            f.write("output HEADLESS-1 resolution 1280x800\nxwayland disable\n")
        self.start_bus()
        self.spawn(["sway", "-c", config], {"WLR_BACKENDS": "headless", "WLR_RENDERER": "pixman",
                                             "WLR_LIBINPUT_NO_DEVICES": "1"}, log="sway.log")
        socket = wait_for(lambda: [n for n in os.listdir(self.runtime)
                                   if n.startswith("sway-ipc.")], "sway", timeout=15)[0]
        self.env["SWAYSOCK"] = os.path.join(self.runtime, socket)
        self.env["WAYLAND_DISPLAY"] = wait_for(
            lambda: [n for n in os.listdir(self.runtime)
                     if n.startswith("wayland-") and not n.endswith(".lock")], "its socket")[0]

    def windows(self):
        """Each window by its app_id: what sway says of it."""
        out = subprocess.run(["swaymsg", "-t", "get_tree", "-r"], env=self.env,
                             capture_output=True, text=True).stdout
        found = {}

        def walk(node):
            if node.get("pid") and node.get("app_id"):
                found[node["app_id"]] = node
            for child in node.get("nodes", []) + node.get("floating_nodes", []):
                walk(child)
        walk(json.loads(out or "{}"))
        return found

    def focus(self, app_id):
        subprocess.run(["swaymsg", '[app_id="%s"] focus' % app_id], env=self.env,
                       capture_output=True)
        wait_for(lambda: self.windows().get(app_id, {}).get("focused"), app_id + " focused")

    def wants_user(self):
        """The program's window urgent or given the keyboard."""
        node = self.windows().get(APP_ID, {})
        return node.get("urgent") or node.get("focused")

    def settle(self):
        """The program's window seen, and the terminal given the keyboard back."""
        self.focus(APP_ID)
        self.focus(TERMINAL)
        check(not self.windows()[APP_ID]["urgent"], "still urgent with the keyboard elsewhere")


def sway(s):
    """The program as it chooses in a sway session: native, named by its
    desktop entry, floating at its own size. A ring, a notification's click
    and --show from a later start, each with the terminal holding the
    keyboard, mark it urgent or give it the keyboard; --stop silences. Show
    on D-Bus hands on its caller's token, and so does the show shortcut of a
    desktop portal that runs."""
    s.start()
    # A portal with global shortcuts already running, as a desktop that has
    # one keeps it: the program uses it though sway starts none.
    from portal_rig import start_portal_peer
    portal, tell = start_portal_peer(s.spawn, s.root)
    s.install_program(2)
    s.start_program({"XDG_CURRENT_DESKTOP": "sway"})
    wait_for(lambda: portal("BindShortcuts"), "the shortcuts bound")
    window = wait_for(lambda: s.windows().get(APP_ID), "the window named " + APP_ID)
    check(window["type"] == "floating_con", "not floating: %s" % window["type"])
    size = window["rect"]["width"], window["rect"]["height"]
    check(size == (298, 239), "the window is %dx%d" % size)
    check("Setting cursor position" not in s.log("program.log"), "the program moved the pointer")
    s.spawn(["weston-terminal"], log="terminal.log")
    wait_for(lambda: s.windows().get(TERMINAL, {}).get("focused"), "the terminal focused")

    notice = s.ring()
    check(["default", "Show"] == notice["actions"][-2:], "no click on %r" % notice)
    wait_for(s.wants_user, "the ringing window urgent or focused", timeout=4)
    s.acknowledge(notice)

    # A click on the notification brings the window with the service's token.
    s.settle()
    notice = s.ring()
    wait_for(s.wants_user, "the ringing window urgent or focused", timeout=4)
    s.settle()
    s.tell_bus("token %d from-the-service" % notice["id"])
    s.tell_bus("act %d default" % notice["id"])
    wait_for(lambda: "from-the-service" in s.activations(), "the service's token used")
    s.acknowledge(notice)

    # A later start's --show, the terminal holding the keyboard.
    s.settle()
    s.later_start("--show")
    wait_for(s.wants_user, "--show marks it urgent or focuses it", timeout=4)

    # Show on D-Bus hands the compositor the token its caller gave.
    if shutil.which("gdbus"):
        s.settle()
        done = subprocess.run(["gdbus", "call", "--session", "--dest", "org.quorbel.Quorbel",
                               "--object-path", "/org/quorbel/Quorbel", "--method",
                               "org.quorbel.Quorbel1.Show",
                               "{'activation-token': <'from-a-bus-caller'>}"],
                              env=s.env, capture_output=True, timeout=20, **s.as_user)
        check(done.returncode == 0, "Show: %s" % done.stderr)
        wait_for(lambda: "from-a-bus-caller" in s.activations(), "the bus caller's token used")
    # The desktop portal's show shortcut hands on the token of its press.
    s.settle()
    tell("press show from-a-shortcut")
    wait_for(lambda: "from-a-shortcut" in s.activations(), "the shortcut's token used")
    s.quit()



# The module as the README gives it, coloured by its class so that a
# screenshot tells the classes apart; the text white on that colour.
WAYBAR_CONFIG = {"layer": "top", "position": "top", "height": 30,
                 "modules-left": ["custom/quorbel"]}
WAYBAR_STYLE = """
* { font-family: "DejaVu Sans"; font-size: 16px; }
window#waybar { background: #000000; }
#custom-quorbel { color: #ffffff; padding: 0 8px; }
#custom-quorbel.running { background: #00a000; }
#custom-quorbel.last-minute { background: #e0a000; }
#custom-quorbel.ringing { background: #c00000; }
"""


def bar_screenshot(s, label):
    """grim's screenshot of the top of the output, as rows of RGB pixels;
    also kept as a PNG beside the X scenarios' screenshots."""
    shots = os.path.join(s.build_dir, "e2e-screenshots")
    os.makedirs(shots, exist_ok=True)
    path = os.path.join(s.root, label + ".ppm")
    subprocess.run(["grim", "-g", "0,0 1280x30", "-t", "ppm", path], env=s.env, check=True,
                   capture_output=True, **s.as_user)
    subprocess.run(["grim", "-g", "0,0 1280x30", os.path.join(s.root, label + ".png")],
                   env=s.env, capture_output=True, **s.as_user)
    if os.path.exists(os.path.join(s.root, label + ".png")):
        shutil.copy(os.path.join(s.root, label + ".png"),
                    os.path.join(shots, "wayland_waybar-%s.png" % label))
    with open(path, "rb") as f:
        data = f.read()
    # P6, width, height, 255, then the pixels.
    fields = data.split(maxsplit=4)
    width, height = int(fields[1]), int(fields[2])
    pixels = fields[4]
    return [[tuple(pixels[(y * width + x) * 3:(y * width + x) * 3 + 3]) for x in range(width)]
            for y in range(height)]


def module_span(rows, colour, tolerance=40):
    """Where in the bar the module shows in its class's colour: its first
    and last column, and the white of its text there; None where not."""
    columns = [x for x in range(len(rows[0]))
               if all(abs(rows[15][x][k] - colour[k]) <= tolerance for k in range(3))]
    if not columns:
        return None
    left, right = columns[0], columns[-1]
    text = sum(1 for row in rows for pixel in row[left:right + 1] if min(pixel) > 200)
    return left, right, text


def waybar(s):
    """A real waybar on sway, with the custom module the README gives
    ("exec": "quorbel --watch", "return-type": "json"): the countdown set
    from a script shows there in the running class with its text, turns
    to the last minute's and the ringing class, and the bar follows the
    program across a restart."""
    for tool in ("waybar", "grim"):
        if not shutil.which(tool):
            raise Skip(tool + " is not installed")
    s.start()
    s.install_program(2)
    program = os.path.join(s.folder, "quorbel")
    config = os.path.join(s.root, "waybar.json")
    style = os.path.join(s.root, "waybar.css")
    with open(config, "w") as f:
        json.dump(dict(WAYBAR_CONFIG, **{"custom/quorbel": {"exec": program + " --watch",
                                                          "return-type": "json"}}), f)
    with open(style, "w") as f:
        f.write(WAYBAR_STYLE)
    s.own()
    # Off the test's bus: waybar and GTK would start the desktop portals
    # and the accessibility bus there, which the module needs none of.
    s.spawn(["waybar", "-c", config, "-s", style],
            {"DBUS_SESSION_BUS_ADDRESS": "unix:path=" + os.path.join(s.root, "no-bus"),
             "NO_AT_BRIDGE": "1"}, log="waybar.log")
    s.start_program({"XDG_CURRENT_DESKTOP": "sway"})
    wait_for(lambda: s.windows().get(APP_ID), "the window named " + APP_ID)
    s.later_start("--set", "1", "0:03:00", "Tea", "--start", "1")
    running = wait_for(lambda: module_span(bar_screenshot(s, "running"), (0, 160, 0)),
                       "the module in the running class", timeout=10)
    check(running[1] - running[0] > 40 and running[2] > 20,
          "the module shows no text: %r" % (running,))
    s.later_start("--stop", "1")
    s.later_start("--set", "1", "0:00:03", "Tea", "--start", "1")
    wait_for(lambda: module_span(bar_screenshot(s, "last-minute"), (224, 160, 0)),
             "the module in the last minute's class", timeout=5)
    wait_for(lambda: module_span(bar_screenshot(s, "ringing"), (192, 0, 0)),
             "the module in the ringing class", timeout=8)
    s.later_start("--stop")
    s.quit()
    wait_for(lambda: not any(module_span(bar_screenshot(s, "idle"), colour)
                             for colour in ((0, 160, 0), (224, 160, 0), (192, 0, 0))),
             "the module idle with no copy running", timeout=5)
    s.start_program({"XDG_CURRENT_DESKTOP": "sway"})
    wait_for(lambda: s.windows().get(APP_ID), "the new copy's window")
    s.later_start("--set", "2", "0:05:00", "Bread", "--start", "2")
    wait_for(lambda: module_span(bar_screenshot(s, "restarted"), (0, 160, 0)),
             "the new copy's countdown in the bar", timeout=10)
    s.later_start("--stop", "2")
    s.quit()

# ---------------------------------------------------------------- KWin


STATE_SCRIPT = """
var all = workspace.clientList();
for (var i = 0; i < all.length; i++) {
    var c = all[i];
    %s
    print("QUORBEL-STATE " + JSON.stringify({app: String(c.resourceClass), active: c.active,
        demands: c.demandsAttention, minimized: c.minimized, width: c.width,
        height: c.height, stack: c.stackingOrder}));
}
print("QUORBEL-STATE-END");
"""


class KWin(Session):
    def start(self):
        kwin = shutil.which("kwin_wayland")
        for tool in ("weston-terminal", "dbus-daemon", "gdbus"):
            if not shutil.which(tool):
                raise Skip(tool + " is not installed")
        if not kwin:
            raise Skip("kwin_wayland is not installed")
        # Debian gives kwin_wayland a file capability that a container may
        # not grant: a copy runs without it.
        copy = os.path.join(self.root, "kwin_wayland")
        shutil.copy(kwin, copy)
        self.start_bus()
        self.spawn([copy, "--virtual", "--no-lockscreen", "--socket", "wayland-test",
                    "--width", "1280", "--height", "800"], {"KWIN_COMPOSE": "Q"},
                   log="kwin.log")
        self.env["WAYLAND_DISPLAY"] = "wayland-test"
        wait_for(lambda: os.path.exists(os.path.join(self.runtime, "wayland-test")), "KWin",
                 timeout=20)
        wait_for(lambda: self.kwin_call("org.kde.kwin.Scripting.isScriptLoaded", "none")
                 is not None, "KWin's scripting")
        self.scripts = 0

    def kwin_call(self, method, *arguments):
        done = subprocess.run(["gdbus", "call", "--session", "--dest", "org.kde.KWin",
                               "--object-path", "/Scripting", "--method", method]
                              + list(arguments), env=self.env, capture_output=True, text=True,
                              **self.as_user)
        return done.stdout if done.returncode == 0 else None

    def script(self, change=""):
        """Runs a KWin script over the windows, changing each as told, and
        reads back what KWin says of each."""
        self.scripts += 1
        name = "quorbel%d" % self.scripts
        path = os.path.join(self.root, name + ".js")
        with open(path, "w") as f:
            f.write(STATE_SCRIPT % change)
        self.own()
        mark = self.log("kwin.log").count("QUORBEL-STATE-END")
        self.kwin_call("org.kde.kwin.Scripting.loadScript", path, name)
        self.kwin_call("org.kde.kwin.Scripting.start")
        wait_for(lambda: self.log("kwin.log").count("QUORBEL-STATE-END") > mark, "the script")
        self.kwin_call("org.kde.kwin.Scripting.unloadScript", name)
        lines = self.log("kwin.log").split("QUORBEL-STATE-END")[mark].splitlines()
        return {e["app"]: e for e in (json.loads(line.split("QUORBEL-STATE ", 1)[1])
                                      for line in lines if "QUORBEL-STATE " in line)}

    def program_state(self):
        return self.script().get(APP_ID, {})

    def calm(self):
        """Attention taken back, as a user who looked at the task bar."""
        self.script('if (c.resourceClass == "%s") c.demandsAttention = false;' % APP_ID)


def kwin(s):
    """The program native on kwin_wayland: named by its desktop entry and at
    its own size; a ring, also while minimised, and --show from a later
    start that brings a launcher's token each make the window demand
    attention while the terminal keeps the keyboard."""
    s.start()
    s.install_program(3)
    s.start_program({"QT_QPA_PLATFORM": "wayland", "XDG_CURRENT_DESKTOP": "KDE"})
    state = wait_for(s.program_state, "the window named " + APP_ID, timeout=15)
    check((state["width"], state["height"]) == (298, 239), "the window is %r" % state)
    s.spawn(["weston-terminal"], log="terminal.log")
    wait_for(lambda: s.script().get(TERMINAL, {}).get("active"), "the terminal active")

    notice = s.ring()
    state = wait_for(lambda: s.program_state().get("demands") and s.program_state(),
                     "the ring demanding attention", timeout=4)
    check(not state["active"], "the ring took the keyboard: %r" % state)
    s.acknowledge(notice)

    s.calm()
    s.script('if (c.resourceClass == "%s") c.minimized = true;' % APP_ID)
    check(s.program_state()["minimized"], "not minimised")
    notice = s.ring()
    wait_for(lambda: s.program_state().get("demands"), "the minimised ring demanding attention",
             timeout=4)
    s.acknowledge(notice)

    s.calm()
    s.later_start("--show", env={"XDG_ACTIVATION_TOKEN": "from-a-launcher"})
    wait_for(lambda: "from-a-launcher" in s.activations(), "the launcher's token used")
    wait_for(lambda: s.program_state().get("demands") or s.program_state().get("active"),
             "--show demanding attention")
    s.quit()


SCENARIOS = {"sway": (Sway, sway), "kwin": (KWin, kwin), "waybar": (Sway, waybar)}


def main():
    build_dir, name = sys.argv[1], sys.argv[2]
    kind, scenario = SCENARIOS[name]
    try:
        with kind(build_dir, name) as session:
            try:
                scenario(session)
            except Failure:
                for log in ("program.log", "sway.log", "kwin.log", "waybar.log"):
                    said = session.log(log).strip()
                    if said:
                        print("--- %s (end)\n%s" % (log, said[-1500:]))
                raise
    except Skip as reason:
        print("SKIP wayland_%s: %s" % (name, reason))
        return 77
    except Failure as failure:
        print("FAIL wayland_%s: %s" % (name, failure))
        return 1
    print("PASS wayland_%s" % name)
    return 0


if __name__ == "__main__":
    sys.exit(main())
