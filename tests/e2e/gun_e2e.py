#!/usr/bin/env python3
# SPDX-License-Identifier: GPL-3.0-or-later
"""The gun macro manager of the desktop program in a real X server, with real input.

Runs gx508 --virtual-mouse in Xvfb and, with xdotool, opens the gun manager from its header,
creates a gun macro and fills it through the step dialogs: a cursor displacement of X 5 and
Y -3, a left button press and release, a delay and a key typed on the desktop. OK saves it to
record.ini. The assignment menu's gun item then binds it to button 8 (in place of the built-in
gun macro its gun switch plays) through the gun macro selector, Apply sends it, and its bytes
are found at the start of the gun blocks of the trace, which is also what gx508ctl sends for
the same binding. Screenshots of the manager and of each step dialog go to the artifacts
folder.
"""

import configparser
import os
import sys
import time
import unittest

sys.dont_write_bytecode = True  # no compiled copy of the shared helpers in the source tree
import desktop_e2e as e2e  # noqa: E402
from desktop_e2e import (APPLY, ASSIGNMENT_HEADER, MENU_FRAME, MENU_ROW,  # noqa: E402
                         SIDE_VIEW_TAB, apply_events, ctl_apply_trace, png_size, run, wait_for)

GUN_HEADER = (141, 167)  # while the button list is closed
BUTTON_8_LABEL = (185, 162)  # row 1 of the side panel; button 8 holds gun switch 0
MENU_GUN_MANAGEMENT = 16
GUN_MENU_FIRST_SWITCH = 0
GUN_SWITCH_ASSIGN = 0

# The manager's controls and those of its step dialogs (centres, client coordinates).
MANAGER_NEW = (48, 376)
MANAGER_INSERT_KEY = (340, 133)
MANAGER_INSERT_MOUSE = (340, 167)
MANAGER_INSERT_DISPLACEMENT = (340, 200)
MANAGER_INSERT_DELAY = (340, 233)
MANAGER_OK = (325, 402)
MOUSE_LEFT = (75, 136)  # inside the left button's area
MOUSE_OK = (325, 402)
CURSOR_X_BOX = (102, 386)
CURSOR_Y_BOX = (102, 406)
CURSOR_OK = (325, 407)
KEY_OK = (297, 388)
SELECTOR_DROP_DOWN = (96, 136)
SELECTOR_OK = (279, 262)

ARGS = None


def gun_stream(events):
    """The bytes of the gun blocks (transfer 0x13, blocks 6 and on) in the order sent."""
    stream = []
    block = None
    for line in events:
        parts = line.split()
        if parts[0] == "SET_FEATURE":
            block = int(parts[3], 16) if parts[2] == "13" else None
        elif parts[0] == "OUTPUT" and block is not None and block >= 6:
            stream += [int(value, 16) for value in parts[2:]]
    return bytes(stream)


class GunManagerTest(e2e.ScratchDisplayTest):
    def setUp(self):
        self.program = e2e.Program(self.display, self.runtime)
        self.addCleanup(self.program.close)
        self.main = self.program.wait_for_main_window()

    def skin_size(self, *path):
        return png_size(os.path.join(self.program.folder, "Skins", *path))

    def new_window(self, size, known):
        """A window of `size` that is none of `known`, once it shows."""
        return wait_for(lambda: next((w for w in self.program.windows()
                                      if w[3:] == size and w[0] not in known), None),
                        "a %dx%d window" % size)

    def click_in(self, window, point):
        run("xdotool", "mousemove", "--sync", str(window[1] + point[0]),
            str(window[2] + point[1]), "click", "1", env=self.program.env)
        time.sleep(0.3)

    def shot(self, window, name):
        time.sleep(0.5)
        run("import", "-window", "root", "-crop",
            "%dx%d+%d+%d" % (window[3], window[4], window[1], window[2]), "+repage",
            os.path.join(ARGS.artifacts, name), env=self.program.env)

    def closed(self, window):
        wait_for(lambda: all(w[0] != window[0] for w in self.program.windows()),
                 "the window to close")

    def store(self):
        saved = configparser.ConfigParser(interpolation=None, strict=False)
        saved.optionxform = str
        saved.read(os.path.join(self.program.folder, "record.ini"), encoding="utf-8")
        return saved

    def step(self, manager, button, size, answer, name):
        """Opens a step dialog from `button` of the manager, shoots it, and answers it."""
        self.click_in(manager, button)
        dialog = self.new_window(size, {self.main[0], manager[0]})
        answer(dialog)
        self.shot(dialog, name)
        return dialog

    def test_a_gun_macro_made_in_the_manager_reaches_the_gun_blocks(self):
        env = self.program.env
        self.program.click(GUN_HEADER)
        manager_size = self.skin_size("MacroGunMan", "main.png")
        manager = self.new_window(manager_size, {self.main[0]})
        self.click_in(manager, MANAGER_NEW)

        def displacement(dialog):
            for box, amount in ((CURSOR_X_BOX, "5"), (CURSOR_Y_BOX, "-3")):
                self.click_in(dialog, box)
                run("xdotool", "key", "ctrl+a", env=env)
                run("xdotool", "type", "--", amount, env=env)
        dialog = self.step(manager, MANAGER_INSERT_DISPLACEMENT,
                           self.skin_size("MacroGunMan", "Insert Cursor", "main.png"),
                           displacement, "gun-cursor-dialog-e2e.png")
        self.click_in(dialog, CURSOR_OK)
        self.closed(dialog)

        dialog = self.step(manager, MANAGER_INSERT_MOUSE,
                           self.skin_size("MacroGunMan", "Insert Mouse", "main.png"),
                           lambda d: self.click_in(d, MOUSE_LEFT), "gun-mouse-dialog-e2e.png")
        self.click_in(dialog, MOUSE_OK)
        self.closed(dialog)

        self.click_in(manager, MANAGER_INSERT_DELAY)

        dialog = self.step(manager, MANAGER_INSERT_KEY, self.skin_size("MacroGunMan", "box.png"),
                           lambda d: run("xdotool", "key", "a", env=env),
                           "gun-key-dialog-e2e.png")
        self.click_in(dialog, KEY_OK)
        self.closed(dialog)
        self.shot(manager, "gun-manager-e2e.png")
        self.click_in(manager, MANAGER_OK)
        self.closed(manager)

        saved = self.store()
        names = saved["GunMacroName"]
        self.assertEqual(names["MacroCount"], "4")
        name = names["3"]
        gun = saved[name]
        items = [gun["Item%d" % i] for i in range(int(gun["ItemCount"]))]
        self.assertEqual(items, ["X: 5", "Y: -3", "L-Button   Dn", "50 ms", "L-Button   Up",
                                 "A   Dn", "A   Up"])

        # The gun macro selector starts on play mode 2, which gx508ctl calls hold.
        expected = ctl_apply_trace(self.program.folder,
                                   ["set", "button", "8", "gun:%s:hold" % name])
        self.bind_to_button_8()
        before = len(self.program.output())
        self.program.click(APPLY)
        wait_for(lambda: any(line.startswith("SET_FEATURE 00 0D ")
                             for line in self.program.output()[before:]), "the lighting command")
        wait_for(lambda: self.program.output()[-1] == "SLEEP 10", "the last pause")
        events = apply_events(self.program.output()[before:])
        # Loop count 1; the displacement (2 ms after it) of X 5 and Y -3; the left press held
        # 50 ms.
        self.assertEqual(gun_stream(events)[:7], bytes([0x00, 0x01, 0x01, 0xFA, 0x05, 0xFD, 0x19]))
        self.assertEqual(events, expected)

    def bind_to_button_8(self):
        """Binds the last gun macro to button 8 through the gun item of its assignment menu."""
        env = self.program.env
        self.program.click(ASSIGNMENT_HEADER)
        self.program.settled()
        self.program.click(SIDE_VIEW_TAB)
        self.program.settled()
        self.program.click(BUTTON_8_LABEL)
        menus = []
        for row in (MENU_GUN_MANAGEMENT, GUN_MENU_FIRST_SWITCH, GUN_SWITCH_ASSIGN):
            menu = wait_for(lambda: self.popup(len(menus) + 1), "menu %d" % (len(menus) + 1))
            menus.append(menu)
            run("xdotool", "mousemove", "--sync", str(menu[1] + MENU_FRAME + 10),
                str(menu[2] + MENU_FRAME + row * MENU_ROW + MENU_ROW // 2), env=env)
            time.sleep(0.5)
        run("xdotool", "click", "1", env=env)
        selector = self.new_window(self.skin_size("macro-key.png"), {self.main[0]})
        self.click_in(selector, SELECTOR_DROP_DOWN)
        run("xdotool", "key", "End", env=env)
        time.sleep(0.3)
        self.click_in(selector, SELECTOR_OK)
        self.closed(selector)

    def popup(self, count):
        others = [w for w in self.program.windows() if w[0] != self.main[0]]
        return others[-1] if len(others) == count else None


def main():
    global ARGS
    ARGS, rest = e2e.parse_arguments()
    e2e.run_tests("gun", rest)


if __name__ == "__main__":
    main()
