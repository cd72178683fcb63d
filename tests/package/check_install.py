#!/usr/bin/env python3
# SPDX-License-Identifier: GPL-3.0-or-later
"""The install as a packager makes it: into DESTDIR with the prefix /usr,
the files where Debian wants them and nothing anywhere else, valid menu
and AppStream entries, --help and --version without a display, and an
uninstall that takes back what it put there.

    check_install.py BUILD_DIR
"""
import os
import shutil
import subprocess
import sys
import tempfile

EXPECTED = """
usr/bin/quorbel
usr/share/applications/org.quorbel.Quorbel.desktop
usr/share/dbus-1/services/org.quorbel.Quorbel.service
usr/share/doc/quorbel/changelog.gz
usr/share/doc/quorbel/copyright
usr/share/icons/hicolor/128x128/apps/org.quorbel.Quorbel.png
usr/share/icons/hicolor/16x16/apps/org.quorbel.Quorbel.png
usr/share/icons/hicolor/22x22/apps/org.quorbel.Quorbel.png
usr/share/icons/hicolor/24x24/apps/org.quorbel.Quorbel.png
usr/share/icons/hicolor/256x256/apps/org.quorbel.Quorbel.png
usr/share/icons/hicolor/32x32/apps/org.quorbel.Quorbel.png
usr/share/icons/hicolor/48x48/apps/org.quorbel.Quorbel.png
usr/share/icons/hicolor/64x64/apps/org.quorbel.Quorbel.png
usr/share/icons/hicolor/scalable/apps/org.quorbel.Quorbel.svg
usr/share/man/man1/quorbel.1.gz
usr/share/metainfo/org.quorbel.Quorbel.metainfo.xml
usr/share/quorbel/Alarm1.wav
usr/share/quorbel/Alarm2.wav
usr/share/quorbel/pprefs.qbx
""".split()

failures = []


def check(condition, what):
    if not condition:
        failures.append(what)


def files_under(root):
    found = []
    for folder, _, names in os.walk(root):
        for name in names:
            found.append(os.path.relpath(os.path.join(folder, name), root))
    return sorted(found)


def main():
    build = os.path.abspath(sys.argv[1])
    work = tempfile.mkdtemp(prefix="quorbel-install-")
    try:
        dest, home = os.path.join(work, "dest"), os.path.join(work, "home")
        os.makedirs(home)
        env = dict(os.environ, DESTDIR=dest, HOME=home)
        for var in ("DISPLAY", "WAYLAND_DISPLAY", "QT_QPA_PLATFORM", "XDG_CONFIG_HOME"):
            env.pop(var, None)
        subprocess.run(["cmake", "--install", build, "--prefix", "/usr"], env=env, check=True,
                       stdout=subprocess.DEVNULL)
        check(files_under(dest) == sorted(EXPECTED),
              "installed %s" % sorted(set(files_under(dest)) ^ set(EXPECTED)))
        check(os.listdir(home) == [], "the install wrote in HOME: %s" % os.listdir(home))

        share = os.path.join(dest, "usr/share")
        if shutil.which("desktop-file-validate"):
            result = subprocess.run(["desktop-file-validate", os.path.join(
                share, "applications/org.quorbel.Quorbel.desktop")], capture_output=True, text=True)
            check(result.returncode == 0 and not result.stdout.strip(),
                  "desktop entry: " + result.stdout)
        if shutil.which("appstreamcli"):
            result = subprocess.run(["appstreamcli", "validate", "--no-net", os.path.join(
                share, "metainfo/org.quorbel.Quorbel.metainfo.xml")], capture_output=True,
                text=True)
            check(result.returncode == 0, "metainfo: " + result.stdout)

        # D-Bus activation starts the installed program, in the background.
        with open(os.path.join(share, "dbus-1/services/org.quorbel.Quorbel.service")) as f:
            service = f.read().split("\n")
        check("Exec=/usr/bin/quorbel --background" in service
              and "Name=org.quorbel.Quorbel" in service, "the service file: %r" % service)

        program = os.path.join(dest, "usr/bin/quorbel")
        for argument, code, text in (("--help", 0, "Usage: quorbel"), ("--version", 0, "quorbel "),
                                     ("--bogus", 2, "Unknown option")):
            result = subprocess.run([program, argument], env=env, capture_output=True, text=True,
                                    timeout=20)
            check(result.returncode == code and text in result.stdout + result.stderr,
                  "%s gave %d: %s%s" % (argument, result.returncode, result.stdout,
                                        result.stderr))

        # The user's settings are no part of the install and stay.
        settings = os.path.join(home, ".config/quorbel/prefs.qbx")
        os.makedirs(os.path.dirname(settings))
        open(settings, "w").close()
        subprocess.run(["cmake", "--build", build, "--target", "uninstall"], env=env, check=True,
                       stdout=subprocess.DEVNULL)
        check(files_under(dest) == [], "left after the uninstall: %s" % files_under(dest))
        check(os.path.exists(settings), "the uninstall removed the user's settings")
    finally:
        shutil.rmtree(work, ignore_errors=True)
    for failure in failures:
        print("FAIL:", failure)
    return 1 if failures else 0


if __name__ == "__main__":
    sys.exit(main())
