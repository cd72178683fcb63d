#!/usr/bin/env python3
# SPDX-License-Identifier: GPL-3.0-or-later
"""The Debian package: built by CPack, clean under lintian, and working
when unpacked into a tree the program may not write.

    check_package.py BUILD_DIR
"""
import glob
import os
import shutil
import stat
import subprocess
import sys
import tempfile

HERE = os.path.dirname(os.path.abspath(__file__))


def main():
    build = os.path.abspath(sys.argv[1])
    for old in glob.glob(os.path.join(build, "quorbel_*.deb")):
        os.remove(old)
    subprocess.run(["cpack", "-G", "DEB"], cwd=build, check=True, stdout=subprocess.DEVNULL)
    package = glob.glob(os.path.join(build, "quorbel_*.deb"))[0]

    # Errors and warnings fail; lintian's informations and its complaint
    # about running as root do not.
    result = subprocess.run(["lintian", "--tag-display-limit", "0", package],
                            capture_output=True, text=True)
    problems = [line for line in result.stdout.splitlines() if line[:2] in ("E:", "W:")]
    if problems:
        print("\n".join(["FAIL: lintian"] + problems))
        return 1

    tree = tempfile.mkdtemp(prefix="quorbel-package-")
    try:
        subprocess.run(["dpkg-deb", "-x", package, tree], check=True)
        for folder, dirs, files in os.walk(tree):
            for name in dirs + files:
                path = os.path.join(folder, name)
                os.chmod(path, os.stat(path).st_mode & ~(stat.S_IWUSR | stat.S_IWGRP | stat.S_IWOTH))
        env = dict(os.environ, QUORBEL_TREE=tree)
        return subprocess.run([sys.executable, os.path.join(HERE, "..", "e2e", "scenarios.py"),
                               build, "installed_package"], env=env).returncode
    finally:
        subprocess.run(["chmod", "-R", "u+w", tree])
        shutil.rmtree(tree, ignore_errors=True)


if __name__ == "__main__":
    sys.exit(main())
