#!/usr/bin/env python3
# SPDX-License-Identifier: GPL-3.0-or-later
"""The single key capture dialog of the desktop program in a real X server, with real input.

Runs gx508 --virtual-mouse in Xvfb beside a second X client (xev) that reports every key it is
given. Assigns a function from a submenu to button 4 and, through the capture dialog, a key
typed with xdotool to button 5, applies, and finds both in the Apply trace (as gx508ctl set
button gives them) and in gx508ctl show; the second client must have had none of the keys typed
while the dialog was open. Then leaves the dialog each way there is (OK, Cancel, its close
button, the close request a window manager sends, the mouse unplugged) and checks after each
that the second client gets its keys again. Saves a screenshot of the dialog with a captured key.
"""

import ctypes
import ctypes.util
import os
import subprocess
import sys
import threading
import unittest

sys.dont_write_bytecode = True  # no compiled copy of the shared helpers in the source tree
import desktop_e2e as e2e  # noqa: E402
from desktop_e2e import (APPLY, ASSIGNMENT_HEADER, BUTTON_4_LABEL, MENU_DPI_SETTING,  # noqa: E402
                         MENU_FRAME, MENU_ROW, SUBMENU_DPI_DOWN, Program, apply_events,
                         png_size, run, wait_for)

BUTTON_5_LABEL = (BUTTON_4_LABEL[0], BUTTON_4_LABEL[1] + 20)  # the next row of the front panel
MENU_ASSIGN_KEYBOARD_KEY = 17

# The capture dialog's controls (centres, client coordinates).
DIALOG_OK = (271, 262)
DIALOG_CANCEL = (341, 262)
DIALOG_CLOSE = (359, 13)

ARGS = None


class KeyWitness:
    """xev beside the program: a window of another client, and the keys it was given."""

    def __init__(self, env):
        self.env = env
        self.process = subprocess.Popen(
            ["stdbuf", "-oL", "xev", "-event", "keyboard", "-geometry", "60x60+1200+950"],
            env=env, stdin=subprocess.DEVNULL, stdout=subprocess.PIPE,
            stderr=subprocess.DEVNULL, text=True)
        self.lines = []
        self.lock = threading.Lock()
        threading.Thread(target=self._collect, daemon=True).start()
        self.window = wait_for(self._outer_window, "the second client's window")

    def _collect(self):
        for line in self.process.stdout:
            with self.lock:
                self.lines.append(line.rstrip("\n"))

    def _outer_window(self):
        with self.lock:
            for line in self.lines:
                if line.startswith("Outer window is "):
                    return line.split()[3].rstrip(",")
        return None

    def presses(self):
        """The keysym names of the key presses so far, in order."""
        with self.lock:
            lines = list(self.lines)
        names = []
        for i, line in enumerate(lines):
            if line.startswith("KeyPress event") and i + 2 < len(lines):
                detail = lines[i + 2]
                if "(keysym " in detail:
                    names.append(detail.split("(keysym ", 1)[1].split(")", 1)[0].split(", ")[1])
        return names

    def focus(self):
        run("xdotool", "windowfocus", "--sync", self.window, env=self.env, check=False)

    def type(self, key):
        """Focuses the second client and types `key` (a keysym name) on the keyboard."""
        self.focus()
        run("xdotool", "key", key, env=self.env)

    def close(self):
        self.process.kill()
        self.process.wait(timeout=e2e.WAIT)
        self.process.stdout.close()


def request_close(env, window):
    """Sends the window the close request a window manager sends (WM_DELETE_WINDOW)."""
    xlib = ctypes.cdll.LoadLibrary(ctypes.util.find_library("X11"))
    xlib.XOpenDisplay.restype = ctypes.c_void_p
    xlib.XOpenDisplay.argtypes = [ctypes.c_char_p]
    xlib.XInternAtom.restype = ctypes.c_ulong
    xlib.XInternAtom.argtypes = [ctypes.c_void_p, ctypes.c_char_p, ctypes.c_int]
    xlib.XSendEvent.argtypes = [ctypes.c_void_p, ctypes.c_ulong, ctypes.c_int, ctypes.c_long,
                                ctypes.c_void_p]
    xlib.XFlush.argtypes = [ctypes.c_void_p]
    xlib.XCloseDisplay.argtypes = [ctypes.c_void_p]

    class ClientMessage(ctypes.Structure):
        _fields_ = [("type", ctypes.c_int), ("serial", ctypes.c_ulong),
                    ("send_event", ctypes.c_int), ("display", ctypes.c_void_p),
                    ("window", ctypes.c_ulong), ("message_type", ctypes.c_ulong),
                    ("format", ctypes.c_int), ("data", ctypes.c_long * 5)]

    class Event(ctypes.Union):
        _fields_ = [("message", ClientMessage), ("pad", ctypes.c_long * 24)]

    display = xlib.XOpenDisplay(env["DISPLAY"].encode())
    if not display:
        raise AssertionError("cannot connect to " + env["DISPLAY"])
    event = Event()
    event.message.type = 33  # ClientMessage
    event.message.window = int(window)
    event.message.message_type = xlib.XInternAtom(display, b"WM_PROTOCOLS", 0)
    event.message.format = 32
    event.message.data[0] = xlib.XInternAtom(display, b"WM_DELETE_WINDOW", 0)
    xlib.XSendEvent(display, int(window), 0, 0, ctypes.byref(event))
    xlib.XFlush(display)
    xlib.XCloseDisplay(display)


class KeyCaptureTest(e2e.ScratchDisplayTest):
    def setUp(self):
        self.program = Program(self.display, self.runtime)
        self.addCleanup(self.program.close)
        self.main = self.program.wait_for_main_window()
        self.witness = KeyWitness(self.program.env)
        self.addCleanup(self.witness.close)
        self.program.click(ASSIGNMENT_HEADER)
        self.program.settled()

    def popup(self, count):
        others = [w for w in self.program.windows() if w[0] != self.main[0]]
        return others[-1] if len(others) == count else None

    def point_at_item(self, menu, row):
        run("xdotool", "mousemove", "--sync", str(menu[1] + MENU_FRAME + 10),
            str(menu[2] + MENU_FRAME + row * MENU_ROW + MENU_ROW // 2), env=self.program.env)

    def dialog(self):
        size = png_size(os.path.join(self.program.folder, "Skins", "single-key.png"))
        for window in self.program.windows():
            if (window[3], window[4]) == size:
                return window
        return None

    def open_capture(self):
        """Opens the capture dialog from button 5's menu; returns its window."""
        self.program.click(BUTTON_5_LABEL)
        menu = wait_for(lambda: self.popup(1), "the assignment menu")
        self.point_at_item(menu, MENU_ASSIGN_KEYBOARD_KEY)
        run("xdotool", "click", "1", env=self.program.env)
        return wait_for(self.dialog, "the key capture dialog")

    def click_in(self, window, point):
        run("xdotool", "mousemove", "--sync", str(window[1] + point[0]),
            str(window[2] + point[1]), "click", "1", env=self.program.env)

    def assert_witness_gets_keys_again(self, seen_before):
        """The second client gets the next key typed, and had none typed in the meantime."""
        self.witness.type("z")
        wait_for(lambda: len(self.witness.presses()) > seen_before, "the second client's key")
        self.assertEqual(self.witness.presses()[seen_before:], ["z"])

    def test_a_captured_key_and_a_submenu_function_reach_the_trace_and_show(self):
        self.program.click(BUTTON_4_LABEL)
        menu = wait_for(lambda: self.popup(1), "the assignment menu")
        self.point_at_item(menu, MENU_DPI_SETTING)
        submenu = wait_for(lambda: self.popup(2), "the DPI submenu")
        self.point_at_item(submenu, SUBMENU_DPI_DOWN)
        run("xdotool", "click", "1", env=self.program.env)
        wait_for(lambda: len(self.program.windows()) == 1, "the menus to close")

        dialog = self.open_capture()
        seen = len(self.witness.presses())
        # The name is shown once the key has come through.
        field = (dialog[0], 74, 129, 76, 14)
        blank = self.field_pixels(field)
        self.witness.type("k")
        wait_for(lambda: self.field_pixels(field) != blank, "the key's name in the dialog")
        run("import", "-window", dialog[0], os.path.join(ARGS.artifacts,
                                                         "single-key-dialog-en.png"),
            env=self.program.env)
        self.click_in(dialog, DIALOG_OK)
        wait_for(lambda: self.dialog() is None, "the dialog to close")
        self.assert_witness_gets_keys_again(seen)

        before = len(self.program.output())
        self.program.click(APPLY)
        wait_for(lambda: any(l.startswith("SET_FEATURE 00 0D ")
                             for l in self.program.output()[before:]), "the lighting command")
        wait_for(lambda: self.program.output()[-1] == "SLEEP 10", "the last pause")
        events = apply_events(self.program.output()[before:])
        # The settings file is written after the last command has gone out.
        wait_for(lambda: "(index 3): Assign Keyboard Key-K\n" in
                 run(ARGS.ctl, "--folder", self.program.folder, "show").stdout,
                 "gx508ctl show to find the captured key")
        shown = run(ARGS.ctl, "--folder", self.program.folder, "show").stdout
        self.assertIn("Button 4 (index 4): DPI -\n", shown)
        self.assertIn("Button 5 (index 3): Assign Keyboard Key-K\n", shown)
        dpi = ["set", "button", "4", "DPI -"]
        self.assertEqual(events, self.shipped_trace(dpi, ["set", "button", "5", "key:K"]))
        # The key's entries in the key tables are new.
        self.assertNotEqual(events, self.shipped_trace(dpi))

    def test_every_way_out_of_the_dialog_gives_the_keyboard_back(self):
        def ok(dialog):
            self.click_in(dialog, DIALOG_OK)

        def cancel(dialog):
            self.click_in(dialog, DIALOG_CANCEL)

        def close_button(dialog):
            self.click_in(dialog, DIALOG_CLOSE)

        def close_request(dialog):
            request_close(self.program.env, dialog[0])

        def unplug(dialog):
            self.program.send("unplug")
            wait_for(lambda: self.program.main_window() is None, "the window to hide")
            self.program.send("plug")
            self.main = self.program.wait_for_main_window("the window to come back")
            self.program.click(ASSIGNMENT_HEADER)
            self.program.settled()

        for way in (ok, cancel, close_button, close_request, unplug):
            with self.subTest(way.__name__):
                dialog = self.open_capture()
                seen = len(self.witness.presses())
                self.witness.type("q")
                way(dialog)
                wait_for(lambda: self.dialog() is None, "the dialog to close")
                self.assert_witness_gets_keys_again(seen)

    def shipped_trace(self, *commands):
        """gx508ctl's apply events on a copy of the shipped files after `commands`."""
        return e2e.ctl_apply_trace(os.path.dirname(os.path.abspath(ARGS.program)), *commands)

    def field_pixels(self, field):
        path = os.path.join(self.program.folder, "field.rgb")
        run("import", "-window", field[0], "-crop", "%dx%d+%d+%d" % (field[3], field[4], field[1], field[2]),
            "+repage", "-depth", "8", "rgb:" + path, env=self.program.env)
        with open(path, "rb") as f:
            return f.read()

def main():
    global ARGS
    ARGS, rest = e2e.parse_arguments(("xev", "stdbuf"))
    e2e.run_tests("keys", rest)


if __name__ == "__main__":
    main()
