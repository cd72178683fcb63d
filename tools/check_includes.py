#!/usr/bin/env python3
# SPDX-License-Identifier: GPL-3.0-or-later
"""Checks that the folders' includes point down the program's floors:
core/ uses nothing of the program's; models/, platform/ and widgets/ only
core/; window/ (the main window and its layout) only those; each feature
folder anything below it but app/, with no circle among the features; and
app/, the composition root, whatever it puts together. That a class's
member functions are defined in the folder of the header that declares the
class, so that no folder calls into another through a class it does not
own. That only platform/ includes a header of the system or of a C
library. That a QObject outside widgets/ keeps its data to itself. And
that no file of the program runs past 600 lines, nor a function past 60.

    check_includes.py SOURCE_DIR
"""
import os
import re
import sys

FOLDERS = ["core", "cli", "models", "platform", "widgets", "window", "app", "settings", "timers",
           "alarm", "alerts", "stopwatch", "clock", "tray", "scheduler", "notify", "access", "journal"]
BELOW_FEATURES = {"core", "models", "platform", "widgets", "window"}
ALLOWED = {"core": set(), "models": {"core"}, "platform": {"core"}, "widgets": {"core"},
           "window": {"core", "models", "platform", "widgets"}}
# Only the composition root includes it.
ROOT = "app"
INCLUDE = re.compile(r'#include "([a-z]+)/')
LONGEST_FILE = 600
LONGEST_FUNCTION = 60
CLASS = re.compile(r"^(?:class|struct) (\w+)(?: final)?(?: : [^{;]*)? \{", re.M)
# A definition at the start of a line: "Type Class::Member(", the
# constructor "Class::Class(", or an operator.
MEMBER = re.compile(r"^[^\s/#][^(=;]*?\b(\w+)::(~?\w+|operator\S+)\s*\(", re.M)
NOT_A_FUNCTION = re.compile(r"^(//|#|namespace|class |struct |enum |using |static_assert|"
                            r"template <[^>]*>\s*$|\}|extern )")


def edges(root):
    found = {}
    for folder in FOLDERS:
        for name in sorted(os.listdir(os.path.join(root, folder))):
            if not name.endswith((".cpp", ".h")):
                continue
            with open(os.path.join(root, folder, name), encoding="utf-8") as f:
                for target in INCLUDE.findall(f.read()):
                    if target != folder and target in FOLDERS:
                        found.setdefault((folder, target), "%s/%s" % (folder, name))
    return found


def circle(graph):
    """A circle of folders, or None."""
    state = {}

    def visit(node, path):
        state[node] = "open"
        for nxt in sorted(graph.get(node, ())):
            if state.get(nxt) == "open":
                return path[path.index(nxt):] + [nxt]
            if nxt not in state:
                found = visit(nxt, path + [nxt])
                if found:
                    return found
        state[node] = "done"
        return None

    for node in sorted(graph):
        if node not in state:
            found = visit(node, [node])
            if found:
                return found
    return None


def long_files(root):
    found = []
    for folder in FOLDERS:
        for name in sorted(os.listdir(os.path.join(root, folder))):
            if name.endswith((".cpp", ".h")):
                with open(os.path.join(root, folder, name), encoding="utf-8") as f:
                    count = sum(1 for _ in f)
                if count > LONGEST_FILE:
                    found.append("%s/%s has %d lines" % (folder, name, count))
    return found


def sources(root, suffixes):
    for folder in FOLDERS:
        for name in sorted(os.listdir(os.path.join(root, folder))):
            if name.endswith(suffixes):
                with open(os.path.join(root, folder, name), encoding="utf-8") as f:
                    yield folder, name, f.read()


def members_elsewhere(root):
    """Member functions defined outside the folder of their class's header."""
    home = {}
    for folder, _, text in sources(root, (".h",)):
        for name in CLASS.findall(text):
            home.setdefault(name, folder)
    found = []
    for folder, name, text in sources(root, (".cpp",)):
        for cls, member in MEMBER.findall(text):
            if cls in home and home[cls] != folder:
                found.append("%s/%s defines %s::%s, a class of %s/" %
                             (folder, name, cls, member, home[cls]))
    return found


def long_functions(root):
    """Functions whose definition runs past LONGEST_FUNCTION lines."""
    found = []
    for folder, name, text in sources(root, (".cpp",)):
        lines = text.split("\n")
        i = 0
        while i < len(lines):
            line = lines[i]
            if (line and not line[0].isspace() and "(" in line and not NOT_A_FUNCTION.match(line)
                    and not line.rstrip().endswith(";")):
                j = i
                while j < len(lines) and not lines[j].rstrip().endswith(("{", ";")):
                    j += 1
                if j < len(lines) and lines[j].rstrip().endswith("{"):
                    end = j + 1
                    while end < len(lines) and lines[end] != "}" and not lines[end].startswith("};"):
                        end += 1
                    if end - i + 1 > LONGEST_FUNCTION:
                        found.append("%s/%s:%d has a function of %d lines" %
                                     (folder, name, i + 1, end - i + 1))
                    i = end
            i += 1
    return found


SYSTEM_HEADER = re.compile(r"^#include <([^>]+\.h)>", re.M)


def system_headers(root):
    """Headers of the system or of a C library outside platform/."""
    found = []
    for folder, name, text in sources(root, (".cpp", ".h")):
        if folder != "platform":
            for header in SYSTEM_HEADER.findall(text):
                found.append("%s/%s includes <%s>, which only platform/ may" %
                             (folder, name, header))
    return found


TEMPLATE_ARGUMENTS = re.compile(r"<[^<>]*>")
NOT_DATA = re.compile(r"^\s*(using|enum|struct|class|friend|typedef|static|template|Q_|//|~|explicit)")


def public_data(root):
    """Data members in the public part of a QObject class outside widgets/."""
    found = []
    for folder, name, text in sources(root, (".h",)):
        if folder == "widgets":
            continue
        for match in CLASS.finditer(text):
            depth, public, body = 0, False, text[match.end():]
            if "Q_OBJECT" not in body.split("\n};")[0]:
                continue
            statement = ""
            for line in body.split("\n"):
                if depth == 0 and line.startswith("};"):
                    break
                if depth == 0 and re.match(r"^(public|protected|private|signals)( slots)?:", line):
                    public = line.startswith("public")
                elif depth == 0 and public and not line.strip().startswith("//"):
                    statement += line
                    if not line.rstrip().endswith((";", "{", "}")):
                        depth += line.count("{") - line.count("}")
                        continue
                    line, statement = statement, ""
                if depth == 0 and public and line.rstrip().endswith(";"):
                    plain = line
                    while TEMPLATE_ARGUMENTS.search(plain):
                        plain = TEMPLATE_ARGUMENTS.sub("", plain)
                    if "(" not in plain.split(" = ")[0] and not NOT_DATA.match(line):
                        found.append("%s/%s: %s keeps public data: %s" %
                                     (folder, name, match.group(1), line.strip()))
                depth += line.count("{") - line.count("}")
    return found


def main():
    found = edges(sys.argv[1])
    failures = long_files(sys.argv[1])
    failures += members_elsewhere(sys.argv[1])
    failures += long_functions(sys.argv[1])
    failures += system_headers(sys.argv[1])
    failures += public_data(sys.argv[1])
    for (source, target), example in sorted(found.items()):
        if source in ALLOWED and target not in ALLOWED[source]:
            failures.append("%s includes %s (%s)" % (source, target, example))
        if target == ROOT and source != ROOT:
            failures.append("%s includes the composition root (%s)" % (source, example))
    graph = {}
    for source, target in found:
        graph.setdefault(source, set()).add(target)
    loop = circle(graph)
    if loop:
        failures.append("the folders include each other: " + " -> ".join(loop))
    for failure in failures:
        print(failure)
    return 1 if failures else 0


if __name__ == "__main__":
    sys.exit(main())
