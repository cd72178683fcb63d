#!/usr/bin/python3
# SPDX-License-Identifier: GPL-3.0-or-later
"""What a screen reader finds of the running program, over the desktop's
accessibility bus. Debian's own python3 runs it, which has python3-pyatspi.

    atspi_reader.py tree            the program's objects, one JSON line
    atspi_reader.py hear WORD SECS  the names that change to hold WORD
"""
import json
import sys

import pyatspi
from gi.repository import GLib


def program():
    desktop = pyatspi.Registry.getDesktop(0)
    for app in desktop:
        if app is not None and app.name == "quorbel":
            return app
    return None


def tree(node, found):
    try:
        states = node.getState()
        found.append({"role": node.getRoleName(), "name": node.name,
                      "showing": states.contains(pyatspi.STATE_SHOWING)})
        for child in node:
            if child is not None:
                tree(child, found)
    except Exception:  # an object gone while it was read
        pass


def hear(word, seconds):
    heard = []

    def changed(event):
        name = event.source.name if event.source is not None else ""
        if word in (name or ""):
            heard.append(name)
            pyatspi.Registry.stop()

    pyatspi.Registry.registerEventListener(changed, "object:property-change:accessible-name")
    GLib.timeout_add(int(seconds * 1000), pyatspi.Registry.stop)
    print("listening", flush=True)
    pyatspi.Registry.start()
    return heard


def main():
    if sys.argv[1] == "tree":
        app = program()
        found = []
        if app is not None:
            tree(app, found)
        print(json.dumps(found))
    else:
        print(json.dumps(hear(sys.argv[2], float(sys.argv[3]))))


if __name__ == "__main__":
    main()
