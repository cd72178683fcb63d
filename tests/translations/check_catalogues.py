#!/usr/bin/env python3
# SPDX-License-Identifier: GPL-3.0-or-later
"""Every catalogue in translations/ is whole and true to its sources:

- it holds exactly the texts lupdate finds in the sources today (none
  missing, none left over);
- no entry is unfinished, obsolete or vanished, and none is empty (each of
  a plural's forms included);
- each translation has the same %1..%99 and %n as its source (lrelease
  does not check them: a missing %2 would drop what the program says);
- the pseudo-language marks each text at both ends.

    check_catalogues.py SOURCE_DIR LUPDATE
"""
import os
import re
import subprocess
import sys
import tempfile
import xml.etree.ElementTree as ET

PSEUDO = "en_XA"
PLACEHOLDER = re.compile(r"%(?:n|L?[1-9][0-9]?)")
# The folders whose sources hold texts, as the build gives them to lupdate.
FOLDERS = ["access", "alarm", "alerts", "app", "cli", "clock", "core", "journal", "models",
           "notify", "platform", "scheduler", "settings", "stopwatch", "timers", "tray",
           "widgets", "window"]


def messages(path):
    """(context, source, comment) -> message element, for every entry."""
    found = {}
    for context in ET.parse(path).getroot().iter("context"):
        name = context.findtext("name")
        for message in context.iter("message"):
            key = (name, message.findtext("source"), message.findtext("comment") or "")
            found[key] = message
    return found


def placeholders(text):
    # %L1 is %1 in the locale's digits: the same argument.
    return sorted(p.replace("%L", "%") for p in PLACEHOLDER.findall(text or ""))


def problems(path, expected):
    language = re.match(r"quorbel_(.+)\.ts$", os.path.basename(path)).group(1)
    found = messages(path)
    said = ["missing: %r" % (k,) for k in sorted(set(expected) - set(found))]
    said += ["left over: %r" % (k,) for k in sorted(set(found) - set(expected))]
    for key, message in sorted(found.items()):
        translation = message.find("translation")
        kind = translation.get("type", "") if translation is not None else "missing"
        if kind:
            said.append("%s: %r" % (kind, key))
            continue
        forms = [f.text or "" for f in translation.iter("numerusform")] \
            if message.get("numerus") == "yes" else [translation.text or ""]
        for form in forms:
            if not form.strip():
                said.append("empty: %r" % (key,))
            elif placeholders(form) != placeholders(key[1]) and not (
                    message.get("numerus") == "yes" and
                    placeholders(form) == [p for p in placeholders(key[1]) if p != "%n"]):
                said.append("placeholders %s against %s: %r" % (
                    placeholders(form), placeholders(key[1]), key))
            elif language == PSEUDO and not (form.startswith("\u27ea") and
                                              form.endswith("\u27eb")):
                said.append("unmarked: %r" % (key,))
    return said


def main():
    source_dir, lupdate = sys.argv[1], sys.argv[2]
    folder = os.path.join(source_dir, "translations")
    with tempfile.TemporaryDirectory() as scratch:
        fresh = os.path.join(scratch, "fresh.ts")
        subprocess.run([lupdate, "-silent", "-no-obsolete", "-locations", "none"] +
                       [os.path.join(source_dir, f) for f in FOLDERS] + ["-ts", fresh],
                       check=True)
        expected = messages(fresh)
    failed = 0
    catalogues = sorted(n for n in os.listdir(folder) if n.endswith(".ts"))
    for name in catalogues:
        said = problems(os.path.join(folder, name), expected)
        for line in said[:20]:
            print("%s: %s" % (name, line))
        if len(said) > 20:
            print("%s: ... and %d more" % (name, len(said) - 20))
        failed += bool(said)
    print("%d catalogues, %d texts each, %d with faults" % (len(catalogues), len(expected),
                                                            failed))
    return 1 if failed else 0


if __name__ == "__main__":
    sys.exit(main())
