#!/usr/bin/env python3
# SPDX-License-Identifier: GPL-3.0-or-later
"""Ending the desktop program, in a real X server with a window manager (openbox).

"Exit" in the notification-area icon's menu (a stand-alone notification area, trayer) and "Update"
in the help menu (a stub updater in the private program folder that records that it ran) end the
process at once, whatever the window's state, before and after the mouse was unplugged and plugged
again (which takes the icon away and makes it anew), and, for "Exit", after a running Apply has
ended. A right click on the icon brings the window to the front before its menu opens.

With the notification area the window is shown, hidden to the icon or minimised, and "Exit" ends
the program in each state; "Update" is reached from the shown window. Without one there is no
icon, the window never hides while the mouse is connected (closing minimises it) and "Update" is
the way out: it is chosen from the shown window and from the window restored after minimising.
"""

import argparse
import os
import re
import shutil
import stat
import subprocess
import sys
import tempfile
import unittest

sys.dont_write_bytecode = True  # no compiled copy of the shared helpers in the source tree
import desktop_e2e as e2e  # noqa: E402
from desktop_e2e import WAIT, run, wait_for  # noqa: E402

EXIT_LIMIT = 1.0  # seconds from choosing "Exit" or "Update" to the end of the process

# Client coordinates of the main window's controls (centres).
HELP_BUTTON = (944, 12)
MINIMISE_BUTTON = (965, 12)
CLOSE_BUTTON = (986, 12)

# The program's popup menus: 20-pixel rows inside a 3-pixel frame.
MENU_ROW = 20
MENU_FRAME = 3
ICON_MENU_ROWS = 2
START_AT_LOGIN_ROW = 0  # the icon menu's first item
EXIT_ROW = 1  # the icon menu's second item
HELP_MENU_ROWS = 3
UPDATE_ROW = 1  # the help menu's second item
AUTOSTART_ENTRY = os.path.join("autostart", "example.velmora_gaming.GX508.desktop")

UPDATER = '#!/bin/sh\necho ran > "$(dirname "$0")/ran"\n'

DETECTED = "BALLOON Info: The system detect GX508 gaming mouse."
LIGHTING = "SET_FEATURE 00 0D "


def menu_height(rows):
    return rows * MENU_ROW + 2 * MENU_FRAME


def install_updater(folder):
    os.makedirs(os.path.join(folder, "Update"))
    path = os.path.join(folder, "Update", "Update")
    with open(path, "w") as f:
        f.write(UPDATER)
    os.chmod(path, stat.S_IRWXU)


def updater_ran(program):
    return os.path.exists(os.path.join(program.folder, "Update", "ran"))


class Desktop:
    """An Xvfb server managed by openbox, with trayer as its notification area when asked."""

    def __init__(self, tray):
        self.display = e2e.Display()
        self.env = dict(os.environ, DISPLAY=self.display.name)
        self.helpers = []
        # The notification area maps its panel before the window manager runs: a map request
        # made while openbox is still starting can be lost, leaving the panel unmapped. Openbox
        # takes over the windows it finds mapped when it starts.
        if tray:
            self.helpers.append(self.spawn("trayer", "--edge", "top", "--align", "right",
                                           "--widthtype", "request", "--height", "32",
                                           "--SetDockType", "true", "--expand", "true"))
            wait_for(lambda: self.shown("panel"), "the notification area")
        self.helpers.append(self.spawn("openbox", "--sm-disable"))
        wait_for(self.managed, "the window manager")

    def spawn(self, *command):
        return subprocess.Popen(command, env=self.env, stdout=subprocess.DEVNULL,
                                stderr=subprocess.DEVNULL)

    def managed(self):
        return "window id" in run("xprop", "-root", "_NET_SUPPORTING_WM_CHECK", env=self.env,
                                  check=False).stdout

    def shown(self, name):
        return run("xdotool", "search", "--onlyvisible", "--name", "^%s$" % name, env=self.env,
                   check=False).stdout.split()

    def close(self):
        for helper in reversed(self.helpers):
            helper.terminate()
            helper.wait(timeout=WAIT)
        self.display.close()


def click_at(program, x, y, button=1, repeat=1):
    run("xdotool", "mousemove", "--sync", str(x), str(y), "click", "--repeat", str(repeat),
        "--delay", "80", str(button), env=program.env)


def small_windows(program, height=None):
    """The program's visible windows other than the main window, optionally of one height."""
    main = program.main_window()
    return [w for w in program.windows()
            if w != main and (height is None or w[4] == height)]


def icon(program):
    shown = [w for w in small_windows(program) if w[3] <= 64 and w[4] <= 64]
    return shown[0] if shown else None


def menu(program, rows):
    shown = small_windows(program, menu_height(rows))
    return shown[0] if shown else None


def window_state(program, window_id):
    shown = run("xprop", "-id", str(window_id), "WM_STATE", env=program.env, check=False).stdout
    found = re.search(r"window state: (\w+)", shown)
    return found.group(1) if found else None


def frame(program, window_id):
    """The window manager's frame of a window: its ancestor that is a child of the root."""
    while True:
        tree = run("xwininfo", "-tree", "-id", str(window_id), env=program.env).stdout
        root = re.search(r"Root window id: (0x[0-9a-f]+)", tree).group(1)
        parent = re.search(r"Parent window id: (0x[0-9a-f]+)", tree).group(1)
        if parent == root:
            return int(window_id)
        window_id = int(parent, 16)


def above(program, upper, lower):
    """Whether window `upper` is stacked above window `lower` (both as their frames)."""
    listed = run("xwininfo", "-root", "-children", env=program.env).stdout
    order = [int(w, 16) for w in re.findall(r"^\s+(0x[0-9a-f]+)", listed, re.M)]  # top first
    return order.index(frame(program, upper)) < order.index(frame(program, lower))


def open_icon_menu(program):
    shown = wait_for(lambda: icon(program), "the icon")
    click_at(program, shown[1] + shown[3] // 2, shown[2] + shown[4] // 2, button=3)
    return wait_for(lambda: menu(program, ICON_MENU_ROWS), "the icon's menu")


def choose_icon_menu_item(program, row):
    opened = open_icon_menu(program)
    click_at(program, opened[1] + opened[3] // 2,
             opened[2] + MENU_FRAME + row * MENU_ROW + MENU_ROW // 2)


def choose_exit(program):
    choose_icon_menu_item(program, EXIT_ROW)


def choose_update(program):
    program.click(HELP_BUTTON)
    opened = wait_for(lambda: menu(program, HELP_MENU_ROWS), "the help menu")
    click_at(program, opened[1] + opened[3] // 2,
             opened[2] + MENU_FRAME + UPDATE_ROW * MENU_ROW + MENU_ROW // 2)


class ShutdownTest(unittest.TestCase):
    TRAY = None  # set by the subclasses

    @classmethod
    def setUpClass(cls):
        cls.desktop = Desktop(cls.TRAY)
        cls.runtime = tempfile.mkdtemp(prefix="gx508-e2e-run-")
        os.chmod(cls.runtime, stat.S_IRWXU)

    @classmethod
    def tearDownClass(cls):
        cls.desktop.close()
        shutil.rmtree(cls.runtime, ignore_errors=True)

    def start(self):
        program = e2e.Program(self.desktop.display, self.runtime, prepare=install_updater)
        self.addCleanup(program.close)
        return self.started(program)

    def started(self, program):
        program.wait_for_main_window()
        if self.TRAY:
            wait_for(lambda: icon(program), "the icon")
        return program

    def unplug_and_plug(self, program):
        program.send("unplug")
        wait_for(lambda: program.main_window() is None, "the window to hide")
        if self.TRAY:
            wait_for(lambda: icon(program) is None, "the icon to go")
        program.send("plug")
        program.wait_for_line(DETECTED)
        if self.TRAY:
            shown = wait_for(lambda: icon(program), "the new icon")
            click_at(program, shown[1] + shown[3] // 2, shown[2] + shown[4] // 2, repeat=2)
        program.wait_for_main_window("the window to come back")

    def minimise(self, program):
        window = program.wait_for_main_window()
        program.click(MINIMISE_BUTTON)
        wait_for(lambda: window_state(program, window[0]) == "Iconic", "the window to minimise")
        return window

    def bring_into(self, program, state):
        if state == "hidden":
            program.click(CLOSE_BUTTON)
            wait_for(lambda: program.main_window() is None, "the window to hide")
        elif state == "minimised":
            self.minimise(program)
        elif state == "restored":
            window = self.minimise(program)
            run("xdotool", "windowactivate", window[0], env=program.env)
            wait_for(lambda: window_state(program, window[0]) == "Normal",
                     "the window to come back")
            program.wait_for_main_window("the window to show")

    def assert_ends(self, program, command):
        (choose_exit if command == "exit" else choose_update)(program)
        wait_for(lambda: program.process.poll() is not None, "the program to end", EXIT_LIMIT)
        self.assertEqual(program.process.returncode, 0)
        if command == "update":
            wait_for(lambda: updater_ran(program), "the updater to run")
        else:
            self.assertFalse(updater_ran(program))

    def run_table(self, cases):
        for state, replug, command in cases:
            with self.subTest(state=state, replug=replug, command=command):
                # Each case ends its program before the next starts (one instance at a time).
                program = e2e.Program(self.desktop.display, self.runtime,
                                      prepare=install_updater)
                try:
                    self.started(program)
                    if replug:
                        self.unplug_and_plug(program)
                    self.bring_into(program, state)
                    self.assert_ends(program, command)
                finally:
                    program.close()


class WithNotificationAreaTest(ShutdownTest):
    TRAY = True

    def test_exit_and_update_end_the_program_in_every_window_state(self):
        cases = [(state, replug, "exit") for replug in (False, True)
                 for state in ("shown", "hidden", "minimised")]
        cases += [("shown", replug, "update") for replug in (False, True)]
        self.run_table(cases)

    def test_exit_during_apply_ends_the_program_once_apply_has_ended(self):
        program = self.start()
        saved = os.path.join(program.folder, "config0.bin")
        before = os.stat(saved).st_mtime_ns
        start = len(program.output())
        program.click(e2e.APPLY)
        wait_for(lambda: any(line.startswith("SET_FEATURE 00 01 ")
                             for line in program.output()[start:]), "the apply to begin")
        choose_exit(program)
        chosen = program.output()[start:]
        self.assertFalse(any(line.startswith(LIGHTING) for line in chosen),
                         "Exit was chosen while the apply ran")
        wait_for(lambda: program.process.poll() is not None, "the program to end")
        self.assertEqual(program.process.returncode, 0)
        events = e2e.apply_events(program.output()[start:])
        self.assertEqual(events[-1], "SLEEP 10")
        self.assertGreater(os.stat(saved).st_mtime_ns, before, "the apply saved its settings")

    def test_right_click_on_the_icon_brings_the_window_to_the_front(self):
        program = self.start()
        window = program.main_window()
        cover = subprocess.Popen(
            ["xmessage", "-geometry", "600x300+%d+%d" % (window[1] + 100, window[2] + 100),
             "cover"], env=program.env, stdout=subprocess.DEVNULL, stderr=subprocess.DEVNULL)
        self.addCleanup(cover.wait, WAIT)
        self.addCleanup(cover.terminate)

        def covering():
            found = run("xdotool", "search", "--onlyvisible", "--class", "Xmessage",
                        env=program.env, check=False).stdout.split()
            return found[0] if found and above(program, found[0], window[0]) else None
        covered_by = wait_for(covering, "another window over the main window")
        open_icon_menu(program)
        wait_for(lambda: above(program, window[0], covered_by), "the window to come to the front")
        self.assertIsNotNone(menu(program, ICON_MENU_ROWS), "the menu stays open")

        # A window hidden to the icon stays hidden.
        run("xdotool", "key", "Escape", env=program.env)
        wait_for(lambda: menu(program, ICON_MENU_ROWS) is None, "the menu to close")
        program.click(CLOSE_BUTTON)
        wait_for(lambda: program.main_window() is None, "the window to hide")
        open_icon_menu(program)
        self.assertIsNone(program.main_window())


    def test_start_at_login_writes_and_removes_the_autostart_entry(self):
        program = self.start()
        entry = os.path.join(program.config_home, AUTOSTART_ENTRY)
        self.assertFalse(os.path.exists(entry))
        choose_icon_menu_item(program, START_AT_LOGIN_ROW)
        wait_for(lambda: os.path.exists(entry), "the autostart entry")
        with open(entry, encoding="utf-8") as f:
            written = f.read()
        self.assertIn("\nExec=%s --autostart\n" % program.binary, written)

        # The menu shows the item checked (kept as a screenshot), and choosing it again removes
        # the entry.
        opened = open_icon_menu(program)
        os.makedirs(e2e.ARGS.artifacts, exist_ok=True)
        run("import", "-window", "root", "-crop",
            "%dx%d+%d+%d" % (opened[3], opened[4], opened[1], opened[2]), "+repage",
            os.path.join(e2e.ARGS.artifacts, "icon-menu-start-at-login.png"), env=program.env)
        run("xdotool", "key", "Escape", env=program.env)
        wait_for(lambda: menu(program, ICON_MENU_ROWS) is None, "the menu to close")
        choose_icon_menu_item(program, START_AT_LOGIN_ROW)
        wait_for(lambda: not os.path.exists(entry), "the autostart entry to go")


class WithoutNotificationAreaTest(ShutdownTest):
    TRAY = False

    def test_update_ends_the_program(self):
        self.run_table([(state, replug, "update") for replug in (False, True)
                        for state in ("shown", "restored")])


def main():
    parser = argparse.ArgumentParser()
    parser.add_argument("--program", required=True, help="the gx508 executable")
    parser.add_argument("--artifacts", required=True, help="where the screenshots go")
    e2e.ARGS, rest = parser.parse_known_args()
    for tool in ("Xvfb", "xdotool", "xprop", "xwininfo", "xmessage", "openbox", "trayer"):
        if shutil.which(tool) is None:
            sys.exit("missing %s: run scripts/install-deps.sh" % tool)
    unittest.main(argv=[sys.argv[0]] + rest, verbosity=2)


if __name__ == "__main__":
    main()
