#!/usr/bin/env python3
# SPDX-License-Identifier: GPL-3.0-or-later
"""What the scenarios need to run a client of the desktop portal's global
shortcuts against the stand-in portal (portal_peer.py): the portal started
on the bus a scenario already has, what it heard, commands to it, a client
started in a cgroup named like a launcher's scope, and the lines the
stand-in client (portal_client.py) prints.

Run by itself it proves the stand-in portal with the stand-in client, each
case on a session bus of its own:

    portal_rig.py
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
from wayland import end  # noqa: E402

HERE = os.path.dirname(os.path.abspath(__file__))
# Debian's own Python, which python3-dbus and python3-gi are for.
PYTHON = "/usr/bin/python3"
# The unified hierarchy first: where a machine has both, that is the one
# the portal reads a unit from.
CGROUP_ROOTS = ("/sys/fs/cgroup/unified", "/sys/fs/cgroup")
IDS = ["show", "silence", "snooze"]


def start_portal_peer(spawn, folder, *flags):
    """Starts the stand-in portal through spawn(argv) on the session bus
    the environment names, its log and commands in folder. Gives back
    calls(name=None), what it heard (every call without a name), and
    tell(line), which hands it a command."""
    if subprocess.run([PYTHON, "-c", "import dbus, gi"], stderr=subprocess.DEVNULL).returncode:
        raise Skip("python3-dbus and python3-gi are not installed")
    log = os.path.join(folder, "portal.log")
    commands = os.path.join(folder, "portal.commands")
    # Copied beside its log, where a session run as nobody may read it,
    # whoever owns the checkout.
    for name in ("portal_peer.py", "portal_client.py"):
        shutil.copy(os.path.join(HERE, name), folder)
    spawn([PYTHON, os.path.join(folder, "portal_peer.py"), log, commands] + list(flags))

    def calls(name=None):
        if not os.path.exists(log):
            return []
        with open(log) as f:
            return [e for e in map(json.loads, f) if name is None or e["call"] == name]

    def tell(line):
        with open(commands, "a") as f:
            f.write(line + "\n")
    wait_for(lambda: calls("ready"), "the stand-in portal")
    return calls, tell


def client_events(path, name=None):
    """The stand-in client's lines from its output in path."""
    if not os.path.exists(path):
        return []
    with open(path, errors="replace") as f:
        found = [json.loads(line) for line in f if line.startswith("{")]
    return [e for e in found if name is None or e["event"] == name]


class Units:
    """Cgroups named like the units a user's systemd manager makes, for a
    machine without one: a process put there before it runs reads to the
    portal as started by a launcher. Needs the right to make cgroups (root
    in a container); removes what it made."""

    def __init__(self, uid):
        self.uid = uid
        self.made = []
        self.count = 0

    def scope_for(self, app_id):
        """A fresh unit name of the kind a launcher gives a program it
        starts: app-APP_ID-N.scope."""
        self.count += 1
        return "app-%s-%d.scope" % (app_id, 1000 + self.count)

    def argv(self, unit, argv, become=()):
        """argv run in unit, after become (a command that drops to the
        user) when given."""
        relative = "user.slice/user-%d.slice/user@%d.service/app.slice/%s" % (
            self.uid, self.uid, unit)
        for root in CGROUP_ROOTS:
            if os.path.exists(os.path.join(root, "cgroup.procs")):
                break
        else:
            raise Skip("no cgroup hierarchy to make a unit in")
        path = root
        for part in relative.split("/"):
            path = os.path.join(path, part)
            if not os.path.isdir(path):
                try:
                    os.mkdir(path)
                except OSError as error:
                    raise Skip("cannot make a cgroup: %s" % error)
                self.made.append(path)
        # The shell moves itself in, then becomes the program.
        script = 'echo $$ > "$0" && exec "$@"'
        return ["/bin/sh", "-c", script, os.path.join(path, "cgroup.procs")] + list(become) \
            + list(argv)

    def remove(self):
        """After every process in them has ended."""
        for path in reversed(self.made):
            try:
                os.rmdir(path)
            except OSError:
                pass
        self.made = []


# ---------------------------------------------------------------- the check


class Bus:
    """A session bus with the stand-in portal on it, in a folder of its own."""

    def __init__(self, *flags):
        self.root = tempfile.mkdtemp(prefix="quorbel-portal-")
        self.processes = []
        self.units = Units(os.getuid())
        self.clients = 0
        self.env = dict(os.environ, HOME=self.root, LC_ALL="C.UTF-8")
        bus = self.spawn(["dbus-daemon", "--session", "--nofork", "--print-address=1"],
                         stdout=subprocess.PIPE)
        self.env["DBUS_SESSION_BUS_ADDRESS"] = bus.stdout.readline().decode().strip()
        self.calls, self.tell = start_portal_peer(self.spawn, self.root, *flags)

    def __enter__(self):
        return self

    def __exit__(self, *exc):
        end(self.processes)
        self.units.remove()
        if exc[0] is not None:
            said = self.log("portal.log")
            print("--- portal.log (end)\n" + said[-2000:])
        shutil.rmtree(self.root, ignore_errors=True)
        return False

    def spawn(self, argv, **kw):
        kw.setdefault("stdin", subprocess.DEVNULL)
        p = subprocess.Popen(argv, env=self.env, **kw)
        self.processes.append(p)
        return p

    def log(self, name):
        path = os.path.join(self.root, name)
        return open(path, errors="replace").read() if os.path.exists(path) else ""

    def client(self, *flags, unit=None):
        """The stand-in client; gives back its process and events(name)."""
        self.clients += 1
        path = os.path.join(self.root, "client%d.log" % self.clients)
        argv = [PYTHON, "-u", os.path.join(HERE, "portal_client.py")] + list(flags)
        if unit:
            argv = self.units.argv(unit, argv)
        out = open(path, "ab")
        p = self.spawn(argv, stdout=out, stderr=out)
        p.events = lambda name=None: client_events(path, name)
        return p

    def settled(self, client, event):
        return wait_for(lambda: client.events(event), "the client's " + event)[-1]


def quiet(client, event, seconds=0.5):
    """Nothing of event from the client for a while."""
    before = len(client.events(event))
    time.sleep(seconds)
    return len(client.events(event)) == before


def as_documented():
    """The interface as written: a first session binds its three shortcuts
    through BindShortcuts, a later one holds them and binds nothing; a press
    reaches the client with its token and its release; a press for an
    unknown id or another session reaches it as such; a changed key says
    so; the portal's closing of the session ends it."""
    with Bus() as b:
        first = b.client()
        bound = b.settled(first, "bound")
        check(bound["ids"] == IDS, "bound %r" % bound)
        created = b.calls("CreateSession")[0]
        check([s[0] for s in created["options"]["shortcuts"]] == ["silence", "snooze", "show"],
              "offered %r" % created["options"])
        check(created["token"] == "quorbel" and created["app_id"] == "", "created %r" % created)
        b.tell("press silence a-token")
        pressed = b.settled(first, "Activated")
        check((pressed["id"], pressed["token"]) == ("silence", "a-token"), "got %r" % pressed)
        b.settled(first, "Deactivated")
        b.tell("press frobnicate")
        wait_for(lambda: [e for e in first.events("Activated") if not e["known"]],
                 "the unknown id")
        b.tell("press-other-session silence")
        other = b.settled(first, "ignored")
        check(other["id"] == "silence" and other["session"] != pressed["session"],
              "other session: %r" % other)
        b.tell("change silence Ctrl+Alt+S")
        changed = b.settled(first, "ShortcutsChanged")
        triggers = {s[0]: s[1]["trigger_description"] for s in changed["shortcuts"]}
        check(changed["ours"] and triggers["silence"] == "Ctrl+Alt+S", "changed %r" % changed)
        end([first])
        wait_for(lambda: b.calls("caller-gone"), "the session ended with its caller")

        again = b.client()
        held = b.settled(again, "held")
        check(held["ids"] == IDS, "held %r" % held)
        check(len(b.calls("BindShortcuts")) == 1, "bound again: %r" % b.calls("BindShortcuts"))
        b.tell("close-session")
        b.settled(again, "closed")
        b.tell("press silence")
        wait_for(lambda: [e for e in b.calls("press") if e.get("error")], "no session left")


def plasma():
    """As Plasma 5.27: the shortcuts come with CreateSession and the client
    never needs BindShortcuts; a BindShortcuts binds nothing, answers with
    what the session holds and would open System Settings."""
    with Bus("--plasma") as b:
        client = b.client()
        b.settled(client, "held")
        check(not b.calls("BindShortcuts"), "BindShortcuts called: %r" % b.calls("BindShortcuts"))
        end([client])
        forced = b.client("--bind")
        check(b.settled(forced, "bound")["ids"] == IDS, "not answered with what it holds")
        opened = wait_for(lambda: b.calls("BindShortcuts"), "BindShortcuts")[0]["opened"]
        check(opened == "systemsettings://kcm_keys/quorbel", "opened %r" % opened)
        bare = b.client("--bare", "--token", "bare")
        check(b.settled(bare, "bound")["ids"] == [], "a bare session bound something")


def faults():
    """A portal that refuses, never answers, vanishes or restarts: the
    client goes on, and after a restart it makes one new session."""
    with Bus() as b:
        b.tell("refuse")
        wait_for(lambda: b.calls("mode"), "refusing")
        refused = b.client()
        answer = wait_for(lambda: refused.events("response"), "the refusal")[0]
        check(answer["code"] == 2 and not refused.events("session"), "refused %r" % answer)
        b.tell("silent")
        wait_for(lambda: len(b.calls("mode")) == 2, "silent")
        unanswered = b.client("--token", "other")
        wait_for(lambda: unanswered.events("call"), "the call")
        check(quiet(unanswered, "response", 1.0), "a silent portal answered")
        b.tell("answer")
        wait_for(lambda: len(b.calls("mode")) == 3, "answering")
        for p in (refused, unanswered):
            check(p.poll() is None, "a client ended")
            end([p])

        client = b.client("--token", "third")
        b.settled(client, "bound")
        b.tell("vanish")
        wait_for(lambda: [e for e in client.events("owner") if not e["new"]], "the name gone")
        b.tell("restart")
        b.settled(client, "held")
        sessions = client.events("session")
        check(len(sessions) == 2, "sessions after the restart: %r" % sessions)
        check(quiet(client, "session"), "more than one new session")
        b.tell("press snooze")
        pressed = b.settled(client, "Activated")
        check(pressed["session"] == sessions[-1]["handle"], "pressed %r" % pressed)


def scoped():
    """A client in a cgroup named like a launcher's scope reads to the
    portal as that application; the same id in scopes of other numbers
    makes the same component."""
    with Bus() as b:
        ids = []
        for n in range(2):
            client = b.client(unit=b.units.scope_for("org.quorbel.Quorbel"))
            b.settled(client, "held" if n else "bound")
            ids.append(b.calls("CreateSession")[-1])
            end([client])
        check([e["app_id"] for e in ids] == ["org.quorbel.Quorbel"] * 2, "ids %r" % ids)
        check(ids[0]["component"] == "org.quorbel.Quorbelquorbel", "made %r" % ids[0])
        check(ids[0]["unit"] != ids[1]["unit"], "the same scope twice")


CASES = [as_documented, plasma, faults, scoped]


def main():
    passed = failed = skipped = 0
    for case in CASES:
        began = time.monotonic()
        try:
            case()
        except Skip as reason:
            print("SKIP %s: %s" % (case.__name__, reason))
            skipped += 1
            continue
        except Failure as failure:
            print("FAIL %s: %s" % (case.__name__, failure))
            failed += 1
            continue
        print("PASS %s (%.1f s)" % (case.__name__, time.monotonic() - began))
        passed += 1
    print("%d passed, %d failed, %d skipped" % (passed, failed, skipped))
    return 1 if failed else 0


if __name__ == "__main__":
    sys.exit(main())
