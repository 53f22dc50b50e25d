#!/usr/bin/env python3
# SPDX-License-Identifier: GPL-3.0-or-later
"""The profile manager of the desktop program on the virtual mouse in a real X server.

With real input (xdotool): opens the manager from the main window's profile button, adds a
profile with New, renames it by a second click on its name, chooses it with the close button,
changes its report rate on the settings panel and applies; then chooses the standard profile
again and applies. Each apply trace must carry its own profile's rate, and gx508ctl profile list
must show both names. Saves screenshots of the manager holding six profiles, and with the in-place
editor open, in English and German.
"""

import os
import re
import sys
import unittest

sys.dont_write_bytecode = True  # no compiled copy of the shared helpers in the source tree
import desktop_e2e  # noqa: E402
from desktop_e2e import (HEADERS, PANEL, Program, apply_events,  # noqa
                         run, wait_for)

# Main window client coordinates (centres).
PROFILE_BUTTON = (54, 619)
APPLY = (951, 619)

# The manager lies at the main window's origin.
MANAGER = (0, 0, 263, 600)
MANAGER_CLOSE = (247, 15)
NEW_BUTTON = (50, 586)
LIST_TOP = 31
ROW_HEIGHT = 18

# The report-rate page below its header while every section above it is closed, and its dial's
# upper right quarter (1000 Hz).
RATE_HEADER = HEADERS[2]
RATE_1000 = (PANEL[0] + 151, RATE_HEADER[1] + 10 + 36)

ARGS = None


def row(k):
    return (100, LIST_TOP + ROW_HEIGHT * k + ROW_HEIGHT // 2)


def six_profiles(names):
    """A `prepare` for Program: str.ini lists the six `names`."""
    def prepare(folder):
        path = os.path.join(folder, "str.ini")
        with open(path, encoding="utf-8") as f:
            text = f.read()
        section = "[Profile]\nCurProfileName=%s\nItemCount=%d\n" % (names[0], len(names))
        section += "".join("Item%d=%s\n" % (k, name) for k, name in enumerate(names))
        text = re.sub(r"\[Profile\]\n(?:[^\[][^\n]*\n)*", section, text, count=1)
        with open(path, "w", encoding="utf-8") as f:
            f.write(text)
    return prepare


class ProfileManagerTest(desktop_e2e.ScratchDisplayTest):
    def start(self, language="EN", prepare=None):
        program = Program(self.display, self.runtime, language, prepare)
        self.addCleanup(program.close)
        program.wait_for_main_window()
        program.settled()
        return program

    def open_manager(self, program):
        closed = program.pixels(MANAGER)
        program.click(PROFILE_BUTTON)
        wait_for(lambda: program.pixels(MANAGER) != closed, "the profile manager")
        return program.settled(MANAGER)

    def close_manager(self, program):
        shown = program.pixels(MANAGER)
        program.click(MANAGER_CLOSE)
        wait_for(lambda: program.pixels(MANAGER) != shown, "the profile manager to close")
        program.settled()

    def apply(self, program):
        before = len(program.output())
        program.click(APPLY)
        wait_for(lambda: any(l.startswith("SET_FEATURE 00 0D ")
                             for l in program.output()[before:]), "the lighting command")
        wait_for(lambda: program.output()[-1] == "SLEEP 10", "the last pause")
        return apply_events(program.output()[before:])

    def saved_rate(self, program, position):
        with open(os.path.join(program.folder, "config%d.bin" % position), "rb") as f:
            return f.read()[1 + 12]

    def test_each_profile_keeps_its_own_report_rate(self):
        program = self.start()
        standard_rate = self.saved_rate(program, 0)
        self.assertNotEqual(standard_rate, 1, "the standard profile starts below 1000 Hz")

        shown = self.open_manager(program)
        program.click(NEW_BUTTON)
        shown = wait_for(lambda: program.pixels(MANAGER) != shown and program.settled(MANAGER),
                         "the new profile in the list")
        # The first click on the new name selects it, the second opens the editor on it.
        program.click(row(2))
        program.click(row(2))
        wait_for(lambda: program.pixels(MANAGER) != shown, "the in-place editor")
        run("xdotool", "key", "ctrl+a", env=program.env)
        run("xdotool", "type", "--delay", "50", "Work Set", env=program.env)
        run("xdotool", "key", "Return", env=program.env)
        wait_for(lambda: "  2 Work Set" in run(ARGS.ctl, "--folder", program.folder, "profile",
                                               "list").stdout, "the new name in str.ini")
        self.close_manager(program)

        with self.subTest("the new profile applies its own report rate"):
            panel = program.settled(PANEL)
            program.click(RATE_HEADER)
            wait_for(lambda: program.pixels(PANEL) != panel, "the report-rate page")
            program.settled(PANEL)
            program.click(RATE_1000)
            events = self.apply(program)
            self.assertEqual(events[0], "SET_FEATURE 00 01 01 00 00 00 00 00 FD")
            wait_for(lambda: self.saved_rate(program, 2) == 1, "config2.bin to hold 1000 Hz")
            self.assertEqual(self.saved_rate(program, 0), standard_rate)

        with self.subTest("the standard profile applies its own"):
            self.open_manager(program)
            program.click(row(0))
            self.close_manager(program)
            events = self.apply(program)
            self.assertEqual(events[0].split()[:4],
                             ["SET_FEATURE", "00", "01", "%02X" % standard_rate])
            self.assertEqual(self.saved_rate(program, 2), 1)

        listed = run(ARGS.ctl, "--folder", program.folder, "profile", "list").stdout
        self.assertEqual(listed, "* 0 Standard\n  1 Gaming\n  2 Work Set\n")

    def test_screenshots_in_english(self):
        self.screenshots("EN", ["Standard", "Gaming", "Profile 1", "Profile 2", "Profile 3",
                                "Profile 4"])

    def test_screenshots_in_german(self):
        self.screenshots("DE", ["Standard", "Gaming", "Profil 1", "Profil 2", "Profil 3",
                                "Profil 4"])

    def screenshots(self, language, names):
        program = self.start(language, six_profiles(names))
        name = language.lower()
        shown = self.open_manager(program)
        program.grab(os.path.join(ARGS.artifacts, "profiles-six-%s.png" % name), MANAGER)
        program.click(row(5))
        program.click(row(5))
        wait_for(lambda: program.pixels(MANAGER) != shown, "the in-place editor")
        program.settled(MANAGER)
        program.grab(os.path.join(ARGS.artifacts, "profiles-editor-%s.png" % name), MANAGER)


def main():
    global ARGS
    ARGS, rest = desktop_e2e.parse_arguments()
    desktop_e2e.run_tests("profile", rest)


if __name__ == "__main__":
    main()
