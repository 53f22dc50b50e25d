#!/usr/bin/env python3
# SPDX-License-Identifier: GPL-3.0-or-later
"""Checks the Debian package that scripts/package.sh builds.

Unpacks it into a scratch root (dpkg-deb -x, nothing is installed on the machine) and checks
what it holds and declares and that its programs carry the hardening flags, runs the unpacked
gx508ctl with an empty home folder, runs its maintainer scripts with udevadm missing and
failing, validates the desktop files as installed, and runs lintian on it.

    tests/package/check_package.py PACKAGE.deb
"""

import argparse
import filecmp
import os
import shutil
import subprocess
import sys
import tempfile
import unittest

APP_ID = "example.velmora_gaming.GX508"
BASE_FILES = ("config.bin", "config0.bin", "config1.bin", "str.ini", "strGaming.ini", "str0.ini",
              "str1.ini", "record.ini")
WAIT = 120

ARGS = None


def run(*command, env=None, cwd=None):
    return subprocess.run(command, env=env, cwd=cwd, capture_output=True, encoding="utf-8",
                          errors="replace", timeout=WAIT)


def clean_env(**values):
    """The environment without anything that points at the user's own files or display."""
    env = {key: value for key, value in os.environ.items()
           if not key.startswith(("XDG_", "GX508_")) and key not in ("HOME", "DISPLAY",
                                                                      "WAYLAND_DISPLAY")}
    env.update(values)
    return env


class PackageTest(unittest.TestCase):
    @classmethod
    def setUpClass(cls):
        cls.scratch = tempfile.mkdtemp(prefix="gx508-package-")
        cls.root = os.path.join(cls.scratch, "root")
        cls.control = os.path.join(cls.scratch, "control")
        for command in (["dpkg-deb", "-x", ARGS.package, cls.root],
                        ["dpkg-deb", "-e", ARGS.package, cls.control]):
            subprocess.run(command, check=True, timeout=WAIT)
        fields = run("dpkg-deb", "-f", ARGS.package).stdout
        cls.fields = {}
        for line in fields.splitlines():
            if line and not line[0].isspace() and ":" in line:
                key, value = line.split(":", 1)
                cls.fields[key] = value.strip()

    @classmethod
    def tearDownClass(cls):
        shutil.rmtree(cls.scratch, ignore_errors=True)

    def path(self, *parts):
        return os.path.join(self.root, *parts)

    def test_holds_the_programs_and_everything_they_read(self):
        for program in ("gx508", "gx508ctl"):
            self.assertTrue(os.access(self.path("usr", "bin", program), os.X_OK), program)
        for name in BASE_FILES:
            self.assertTrue(os.path.isfile(self.path("usr", "share", "gx508", name)), name)
        self.assertTrue(os.path.isfile(self.path("usr", "share", "gx508", "Skins", "main.png")))
        expected = [
            ("usr", "lib", "udev", "rules.d", "70-gx508.rules"),
            ("usr", "share", "applications", APP_ID + ".desktop"),
            ("usr", "share", "metainfo", APP_ID + ".metainfo.xml"),
            ("usr", "share", "doc", "gx508", "copyright"),
            ("usr", "share", "doc", "gx508", "changelog.gz"),
        ] + [("usr", "share", "icons", "hicolor", "%dx%d" % (s, s), "apps", "gx508.png")
             for s in (16, 32, 48, 256)]
        for parts in expected:
            self.assertTrue(os.path.isfile(self.path(*parts)), "/".join(parts))
        self.assertFalse(os.path.exists(self.path("usr", "local")))

    def test_declares_what_it_needs(self):
        self.assertEqual(self.fields["Package"], "gx508")
        depends = self.fields.get("Depends", "")
        for library in ("libqt6widgets6", "libqt6gui6", "libhidapi-hidraw0", "libudev1",
                        "libstdc++6", "libc6"):
            self.assertIn(library, depends)
        self.assertIn("qt6-wayland", self.fields.get("Recommends", ""))
        self.assertIn("@", self.fields["Maintainer"])
        with open(self.path("usr", "share", "doc", "gx508", "copyright"), encoding="utf-8") as f:
            copyright_text = f.read()
        self.assertIn("License: GPL-3+", copyright_text)
        self.assertIn("/usr/share/common-licenses/GPL-3", copyright_text)

    def test_programs_are_built_with_the_hardening_flags(self):
        for program in ("gx508", "gx508ctl"):
            binary = self.path("usr", "bin", program)
            # (Which calls _FORTIFY_SOURCE turns into checked ones differs between compilers,
            # so it has no check here.)
            for option, what, marker in (
                    ("-hW", "a position-independent executable", "Position-Independent"),
                    ("-lW", "-z relro", "GNU_RELRO"),
                    ("-dW", "-z now", "BIND_NOW"),
                    ("--dyn-syms", "-fstack-protector-strong", "__stack_chk_fail")):
                shown = run("readelf", "-W", option, binary).stdout
                self.assertTrue(marker in shown, "%s is not built with %s" % (program, what))

    def test_unpacked_gx508ctl_shows_the_base_settings_from_an_empty_home(self):
        home = os.path.join(self.scratch, "home")
        os.mkdir(home)
        shown = run(self.path("usr", "bin", "gx508ctl"), "show", env=clean_env(HOME=home),
                    cwd=self.scratch)
        self.assertEqual(shown.returncode, 0, shown.stderr)
        self.assertIn("Stage 1: ", shown.stdout)

        # The first run seeded the user's folder with the installed base files ...
        files = os.path.join(home, ".config", "gx508")
        self.assertEqual(sorted(os.listdir(files)), sorted(BASE_FILES))
        for name in BASE_FILES:
            self.assertTrue(filecmp.cmp(os.path.join(files, name),
                                        self.path("usr", "share", "gx508", name), shallow=False),
                            name)
        # ... and showed what they hold.
        folder = os.path.join(self.scratch, "base")
        shutil.copytree(self.path("usr", "share", "gx508"), folder,
                        ignore=shutil.ignore_patterns("Skins"))
        direct = run(self.path("usr", "bin", "gx508ctl"), "--folder", folder, "show",
                     env=clean_env(HOME=home))
        self.assertEqual(direct.returncode, 0, direct.stderr)
        self.assertEqual(shown.stdout, direct.stdout)

    def test_maintainer_scripts_reload_udev_and_survive_without_it(self):
        tools = os.path.join(self.scratch, "tools")
        os.mkdir(tools)
        calls = os.path.join(self.scratch, "udevadm-calls")
        # Stands in for udevadm where udevd is not running, as in a chroot: it fails.
        with open(os.path.join(tools, "udevadm"), "w") as f:
            f.write('#!/bin/sh\necho "$*" >> "%s"\nexit 1\n' % calls)
        os.chmod(os.path.join(tools, "udevadm"), 0o755)
        shell = shutil.which("sh")
        plain_path = os.path.dirname(shell)
        for script, argument, expected in (
                ("postinst", "configure",
                 ["control --reload-rules", "trigger --subsystem-match=hidraw --action=change"]),
                ("postrm", "remove", ["control --reload-rules"]),
                ("postrm", "purge", [])):
            path = os.path.join(self.control, script)
            self.assertTrue(os.access(path, os.X_OK), script)
            if os.path.exists(calls):
                os.remove(calls)
            failing = run(shell, path, argument, env=clean_env(PATH=tools + ":" + plain_path))
            self.assertEqual(failing.returncode, 0, script + " " + failing.stderr)
            called = []
            if os.path.exists(calls):
                with open(calls) as f:
                    called = f.read().splitlines()
            self.assertEqual(called, expected, script + " " + argument)

            # A PATH without udevadm (nor anything else: the scripts need only the shell).
            empty = os.path.join(self.scratch, "empty-bin")
            os.makedirs(empty, exist_ok=True)
            missing = run(shell, path, argument, env=clean_env(PATH=empty))
            self.assertEqual(missing.returncode, 0, script + " without udevadm: " +
                             missing.stderr)

    def test_desktop_files_validate_as_installed(self):
        entry = run("desktop-file-validate",
                    self.path("usr", "share", "applications", APP_ID + ".desktop"))
        self.assertEqual((entry.returncode, entry.stdout), (0, ""), entry.stdout)
        tree = run("appstreamcli", "validate-tree", "--no-net", self.root)
        self.assertEqual(tree.returncode, 0, tree.stdout + tree.stderr)

    def test_lintian_finds_no_error(self):
        lint = run("lintian", "--fail-on", "error", "--display-info", ARGS.package)
        print("\n" + lint.stdout + lint.stderr, file=sys.stderr)
        self.assertEqual(lint.returncode, 0, lint.stdout + lint.stderr)
        self.assertNotIn("\nE: ", "\n" + lint.stdout)


def main():
    global ARGS
    parser = argparse.ArgumentParser()
    parser.add_argument("package", help="the .deb to check")
    ARGS, rest = parser.parse_known_args()
    ARGS.package = os.path.abspath(ARGS.package)
    for tool in ("dpkg-deb", "readelf", "lintian", "desktop-file-validate", "appstreamcli"):
        if shutil.which(tool) is None:
            sys.exit("missing %s: run scripts/install-deps.sh" % tool)
    unittest.main(argv=[sys.argv[0]] + rest, verbosity=2)


if __name__ == "__main__":
    main()
