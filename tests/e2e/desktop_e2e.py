#!/usr/bin/env python3
# SPDX-License-Identifier: GPL-3.0-or-later
"""End-to-end runs of the desktop program on the virtual mouse in a real X server.

Starts Xvfb, runs gx508 --virtual-mouse from a private copy of the program folder, drives it with
real input (xdotool) and its command input, and checks what it draws, shows and prints: the
splash then the window at its background's size, the apply sequence of the Apply button, the
balloons of notices and of unplugging, the single instance, swallowed keys and Cancel, changes
made on the settings panel's pages reaching the mouse and the settings file, a function chosen
from a button's assignment menu reaching the Apply trace, the German labels of the bottom
buttons drawn whole, and a macro recorded in the macro manager from keys typed on the desktop
reaching record.ini. Saves screenshots of the window (both views, both sections open, a button's
assignment menu open, English and simplified Chinese), of the menu with a submenu, of the
settings panel with its pages open (English and German), of the German bottom buttons and of the
macro manager recording and with its delay editor open (English and German).
"""

import argparse
import configparser
import os
import shutil
import stat
import struct
import subprocess
import sys
import tempfile
import threading
import time
import unittest

WAIT = 60.0  # generous limit for anything to happen on a loaded machine

# The command buttons along the bottom (left, top, width, height) and their looks.
BOTTOM_BUTTONS = {
    "profile": ((18, 604, 72, 30), "button-config-normal.png"),
    "reset": ((798, 604, 57, 30), "button-cancel-normal.png"),
    "cancel": ((860, 604, 57, 30), "button-cancel-normal.png"),
    "apply": ((923, 604, 57, 30), "button-cancel-normal.png"),
}

# Client coordinates of the main window's controls (centres).
APPLY = (951, 619)
CANCEL = (888, 619)
ASSIGNMENT_HEADER = (141, 117)
AXIS_HEADER = (141, 192)  # while the button list is closed
SIDE_VIEW_TAB = (534, 541)
BUTTON_4_LABEL = (185, 222)  # row 3 of the front panel
X_SLIDER = (37, 227, 208, 9)  # left, top, width, height, while only the axis panel is open
MACRO_HEADER = (141, 142)  # while the button list is closed

# Client coordinates of the macro manager's controls (centres); event list rows are 12 pixels
# high from its top at 82.
MANAGER_NEW = (46, 379)
MANAGER_RECORD = (339, 99)
MANAGER_RECORD_DELAY_BOX = (377, 151)
MANAGER_LOOP_BOX = (303, 321)
MANAGER_LOOP_FIELD = (338, 339)
MANAGER_OK = (325, 408)
MANAGER_SECOND_EVENT = (200, 82 + 12 + 6)
# The assignment menu's "Macro" item, and the macro selector's drop-down box, the first name of
# its open list and its OK button (client coordinates of the selector).
MENU_MACRO = 18
SELECTOR_DROP_DOWN = (96, 136)
SELECTOR_FIRST_NAME = (96, 154)
SELECTOR_OK = (279, 262)

# The settings panel (left, top, width, height) and its headers' centres while every section above
# is closed; the pages' points are relative to the page's top-left corner.
PANEL = (735, 32, 260, 561)
HEADERS = [(PANEL[0] + 100, PANEL[1] + 12 + 25 * k) for k in range(6)]
DPI_PAGE_HEIGHT = 232

# The assignment menus: 20-pixel rows inside a 3-pixel frame; rows counted from 0.
MENU_ROW = 20
MENU_FRAME = 3
MENU_DPI_SETTING = 12
SUBMENU_DPI_DOWN = 1

ARGS = None


def png_size(path):
    with open(path, "rb") as f:
        header = f.read(24)
    return struct.unpack(">II", header[16:24])


def run(*command, env=None, check=True):
    return subprocess.run(command, env=env, check=check, stdout=subprocess.PIPE,
                          stderr=subprocess.PIPE, text=True, timeout=WAIT)


def wait_for(condition, what, limit=WAIT):
    deadline = time.monotonic() + limit
    while time.monotonic() < deadline:
        value = condition()
        if value:
            return value
        time.sleep(0.1)
    raise AssertionError("timed out waiting for " + what)


def steady_look(look, what):
    """What `look` returns once it returns the same pixels as one of the two looks before it, a
    moment apart. Two looks in a row are not enough: a text cursor blinks every half second, about
    as long as one look takes, so the looks can fall on its two phases by turns for ever."""
    looks = [look()]

    def steady():
        time.sleep(0.3)
        now = look()
        seen = now in looks[-2:]
        looks.append(now)
        return now if seen else None
    return wait_for(steady, what)


class Display:
    """An Xvfb server on a free display number. It never resets: by default the server starts
    over each time its last client leaves, and refuses a client that connects meanwhile, such as
    a program starting while an xdotool call that looked for its windows ends."""

    def __init__(self):
        read_end, write_end = os.pipe()
        self.process = subprocess.Popen(
            ["Xvfb", "-displayfd", str(write_end), "-noreset", "-screen", "0", "1280x1024x24",
             "-nolisten", "tcp"], pass_fds=(write_end,), stdout=subprocess.DEVNULL,
            stderr=subprocess.DEVNULL)
        os.close(write_end)
        number = b""
        with os.fdopen(read_end, "rb") as pipe:
            while not number.endswith(b"\n"):
                chunk = pipe.read(1)
                if not chunk:
                    raise AssertionError("Xvfb did not start")
                number += chunk
        self.name = ":" + number.decode().strip()

    def close(self):
        self.process.terminate()
        self.process.wait(timeout=WAIT)


class Program:
    """gx508 --virtual-mouse in its own copy of the program folder, its output collected."""

    def __init__(self, display, runtime_dir, language="EN", prepare=None):
        """`prepare`, when given, is called with the program folder before the program starts."""
        source = os.path.dirname(os.path.abspath(ARGS.program))
        self.folder = tempfile.mkdtemp(prefix="gx508-e2e-")
        shutil.copytree(os.path.join(source, "Skins"), os.path.join(self.folder, "Skins"))
        for name in ("config.bin", "config0.bin", "config1.bin", "str.ini", "strGaming.ini",
                     "str0.ini", "str1.ini", "record.ini"):
            shutil.copy(os.path.join(source, name), self.folder)
        if language != "EN":
            for name in ("str.ini", "str0.ini", "str1.ini", "strGaming.ini"):
                path = os.path.join(self.folder, name)
                with open(path, encoding="utf-8") as f:
                    text = f.read()
                with open(path, "w", encoding="utf-8") as f:
                    f.write(text.replace("Lan=EN", "Lan=" + language))
        self.binary = os.path.join(self.folder, "gx508")
        shutil.copy(ARGS.program, self.binary)
        if prepare:
            prepare(self.folder)
        # The desktop's pointer settings go to this run's own KDE files (see isolate_desktop).
        self.config_home = os.path.join(self.folder, "config-home")
        self.env = dict(os.environ, DISPLAY=display.name, XDG_RUNTIME_DIR=runtime_dir,
                        QT_QPA_PLATFORM="xcb", XDG_CONFIG_HOME=self.config_home)
        # Only the X server under test decides whether there is a notification area.
        for name in ("WAYLAND_DISPLAY", "DBUS_SESSION_BUS_ADDRESS"):
            self.env.pop(name, None)
        self.started = time.monotonic()
        self.process = subprocess.Popen([self.binary, "--virtual-mouse"], env=self.env,
                                        stdin=subprocess.PIPE, stdout=subprocess.PIPE,
                                        stderr=subprocess.PIPE, text=True, bufsize=1)
        self.lines = []
        self.errors = []
        self.lock = threading.Lock()
        threading.Thread(target=self._collect, args=(self.process.stdout, self.lines),
                         daemon=True).start()
        threading.Thread(target=self._collect, args=(self.process.stderr, self.errors),
                         daemon=True).start()

    def _collect(self, stream, into):
        for line in stream:
            with self.lock:
                into.append(line.rstrip("\n"))

    def output(self):
        with self.lock:
            return list(self.lines)

    def send(self, command):
        self.process.stdin.write(command + "\n")
        self.process.stdin.flush()

    def wait_for_line(self, wanted, after=0):
        def found():
            lines = self.output()[after:]
            return wanted in lines
        wait_for(found, repr(wanted))
        return self.output().index(wanted, after)

    def windows(self):
        """(id, x, y, width, height) of each visible window of the program."""
        listed = run("xdotool", "search", "--onlyvisible", "--pid", str(self.process.pid),
                     env=self.env, check=False).stdout.split()
        found = []
        for window in listed:
            shell = run("xdotool", "getwindowgeometry", "--shell", window, env=self.env,
                        check=False).stdout
            values = dict(line.split("=", 1) for line in shell.split() if "=" in line)
            if "WIDTH" in values:
                found.append((window, int(values["X"]), int(values["Y"]), int(values["WIDTH"]),
                              int(values["HEIGHT"])))
        return found

    def main_window(self):
        size = png_size(os.path.join(self.folder, "Skins", "main.png"))
        for window in self.windows():
            if (window[3], window[4]) == size:
                return window
        return None

    def last_errors(self, count=30):
        with self.lock:
            return "\n".join(self.errors[-count:]) or "(nothing)"

    def wait_for_main_window(self, what="the main window"):
        """The main window once it shows. If the program ends first, this fails at once with its
        exit status; either way the failure shows what the program last wrote on its standard
        error."""
        def shown():
            status = self.process.poll()
            if status is not None:
                raise AssertionError("the program ended with status %d before %s showed; it "
                                     "last wrote:\n%s" % (status, what, self.last_errors()))
            return self.main_window()
        try:
            return wait_for(shown, what)
        except AssertionError as failure:
            if self.process.poll() is not None:
                raise
            raise AssertionError("%s; the program still runs, its windows are %s, and it last "
                                 "wrote:\n%s" % (failure, self.windows(), self.last_errors())) \
                from None

    def click(self, point):
        window = self.wait_for_main_window()
        run("xdotool", "mousemove", "--sync", str(window[1] + point[0]),
            str(window[2] + point[1]), "click", "1", env=self.env)
        time.sleep(0.3)

    def grab(self, path, crop=None):
        window = self.wait_for_main_window()
        command = ["import", "-window", window[0]]
        if crop:
            command += ["-crop", "%dx%d+%d+%d" % (crop[2], crop[3], crop[0], crop[1]), "+repage",
                        "-depth", "8"]
        run(*(command + [path]), env=self.env)

    def grab_screen(self, path):
        """The screen over the main window, popups in front of it included, once painted."""
        window = self.wait_for_main_window()
        crop = ["-crop", "%dx%d+%d+%d" % (window[3], window[4], window[1], window[2]), "+repage"]
        raw = os.path.join(self.folder, "screen.rgb")

        def look():
            run("import", "-window", "root", *crop, "-depth", "8", "rgb:" + raw, env=self.env)
            with open(raw, "rb") as f:
                return f.read()
        steady_look(look, "the screen to finish painting")
        run("import", "-window", "root", *crop, path, env=self.env)

    def pixels(self, crop):
        path = os.path.join(self.folder, "crop.rgb")
        self.grab("rgb:" + path, crop)
        with open(path, "rb") as f:
            return f.read()

    def settled(self, crop=None):
        """The pixels once the window has done its painting (see steady_look)."""
        window = self.wait_for_main_window()
        crop = crop or (0, 0, window[3], window[4])
        return steady_look(lambda: self.pixels(crop), "the window to finish painting")

    def close(self):
        if self.process.poll() is None:
            self.process.kill()
        self.process.wait(timeout=WAIT)
        for stream in (self.process.stdin, self.process.stdout, self.process.stderr):
            stream.close()
        shutil.rmtree(self.folder, ignore_errors=True)


def skin_pixels(path, size):
    """The top-left `size` of a skin image as opaque 8-bit RGB, as a button shows its look."""
    return subprocess.run(["convert", path, "-alpha", "off", "-crop", "%dx%d+0+0" % size,
                           "+repage", "-depth", "8", "rgb:-"], check=True,
                          stdout=subprocess.PIPE, timeout=WAIT).stdout


def last_glyph_height(shown, look, width):
    """How many rows the rightmost mark of the text over a button's look spans (0: no text).

    Text is whatever differs from the look; marks are runs of columns holding text. A cut label
    ends in an ellipsis, whose dots span a row or two; a letter spans several."""
    def ink(x, y):
        at = (y * width + x) * 3
        return max(abs(shown[at + i] - look[at + i]) for i in range(3)) > 60
    height = len(shown) // (3 * width)
    columns = [x for x in range(width) if any(ink(x, y) for y in range(height))]
    if not columns:
        return 0
    last = [columns[-1]]
    for x in reversed(columns[:-1]):
        if x != last[-1] - 1:
            break
        last.append(x)
    rows = [y for y in range(height) if any(ink(x, y) for x in last)]
    return rows[-1] - rows[0] + 1


def dpi_text(index):
    if index <= 49:
        return str((index + 1) * 100)
    if index <= 54:
        return str(5200 + (index - 50) * 200)
    return ""


def apply_events(lines):
    """The events from the report rate command to the lighting command and its pause."""
    start = next(i for i, line in enumerate(lines) if line.startswith("SET_FEATURE 00 01 "))
    end = next(i for i in range(start, len(lines)) if lines[i].startswith("SET_FEATURE 00 0D "))
    return lines[start:end + 2]


def ctl_apply_trace(source, *commands):
    """The apply events gx508ctl sends from a copy of the settings files and inis in `source`
    after `commands` (each a list of gx508ctl arguments)."""
    folder = tempfile.mkdtemp(prefix="gx508-e2e-ctl-")
    try:
        for name in os.listdir(source):
            if name.endswith((".bin", ".ini")):
                shutil.copy(os.path.join(source, name), folder)
        for command in commands:
            run(ARGS.ctl, "--folder", folder, *command)
        traced = run(ARGS.ctl, "--folder", folder, "--virtual", "apply", "--trace").stdout
    finally:
        shutil.rmtree(folder, ignore_errors=True)
    return apply_events(traced.splitlines())


class ScratchDisplayTest(unittest.TestCase):
    """Tests that share one Xvfb and one private runtime folder."""

    @classmethod
    def setUpClass(cls):
        cls.display = Display()
        cls.runtime = tempfile.mkdtemp(prefix="gx508-e2e-run-")
        os.chmod(cls.runtime, stat.S_IRWXU)
        os.makedirs(ARGS.artifacts, exist_ok=True)

    @classmethod
    def tearDownClass(cls):
        cls.display.close()
        shutil.rmtree(cls.runtime, ignore_errors=True)


class DesktopProgramTest(ScratchDisplayTest):

    def start(self, language="EN"):
        program = Program(self.display, self.runtime, language)
        self.addCleanup(program.close)
        return program

    def test_window_follows_the_splash_and_does_what_the_user_asks(self):
        program = self.start()
        splash = png_size(os.path.join(program.folder, "Skins", "splash.png"))
        shown = wait_for(program.windows, "the splash")
        self.assertEqual([(w[3], w[4]) for w in shown], [splash])

        window = program.wait_for_main_window()
        self.assertGreaterEqual(time.monotonic() - program.started, 2.9)
        self.assertEqual(len(program.windows()), 1, "the splash has gone")
        self.assertEqual((window[3], window[4]),
                         png_size(os.path.join(program.folder, "Skins", "main.png")))

        with self.subTest("a second copy ends at once and leaves the first alone"):
            second = subprocess.run([program.binary, "--virtual-mouse"], env=program.env,
                                    stdin=subprocess.DEVNULL, capture_output=True, text=True,
                                    timeout=WAIT)
            self.assertEqual((second.returncode, second.stdout, second.stderr), (0, "", ""))
            self.assertIsNone(program.process.poll())
            self.assertIsNotNone(program.main_window())

        with self.subTest("Apply sends the apply sequence"):
            expected = self.expected_apply_trace(program)
            before = len(program.output())
            program.click(APPLY)
            wait_for(lambda: any(l.startswith("SET_FEATURE 00 0D ")
                                 for l in program.output()[before:]), "the lighting command")
            wait_for(lambda: len(program.output()) > before and
                     program.output()[-1] == "SLEEP 10", "the last pause")
            events = apply_events(program.output()[before:])
            self.assertEqual(events[-1], "SLEEP 10")
            self.assertEqual(events, expected)

        with self.subTest("a DPI notice shows the stage's DPI of the applied settings"):
            with open(os.path.join(program.folder, "config0.bin"), "rb") as f:
                applied = f.read()
            stage3 = applied[1 + 16]
            program.send("notice 2 3")
            program.wait_for_line("BALLOON Info: Switch DPI into the third stage " +
                                  dpi_text(stage3))

        with self.subTest("keys that would close the window are swallowed"):
            window = program.main_window()
            run("xdotool", "windowfocus", "--sync", window[0], env=program.env, check=False)
            run("xdotool", "key", "Escape", "Return", "space", "F1", "alt+F4", env=program.env)
            program.send("notice 9 7")
            program.wait_for_line("BALLOON Info: Switch to macro key7")
            self.assertIsNone(program.process.poll())
            self.assertIsNotNone(program.main_window())

        with self.subTest("unplug hides the window, plug brings it back"):
            program.send("unplug")
            program.wait_for_line("BALLOON Warning: The system did not detect GX508 gaming mouse!")
            wait_for(lambda: program.main_window() is None, "the window to hide")
            program.send("plug")
            program.wait_for_line("BALLOON Info: The system detect GX508 gaming mouse.")
            program.wait_for_main_window("the window to come back")

        with self.subTest("Cancel after a slider change restores the value"):
            slider = X_SLIDER
            closed = program.pixels(slider)
            program.click(AXIS_HEADER)
            wait_for(lambda: program.pixels(slider) != closed, "the axis panel to open")
            shown = program.settled(slider)
            program.click((slider[0] + slider[2] - 2, slider[1] + 4))
            wait_for(lambda: program.pixels(slider) != shown, "the slider to move")
            program.click(CANCEL)
            wait_for(lambda: program.pixels(slider) == shown, "the slider to show its old value")
            before = len(program.output())
            program.click(APPLY)
            program.wait_for_line("SLEEP 10", before)
            wait_for(lambda: any(l.startswith("SET_FEATURE 00 0D ")
                                 for l in program.output()[before:]), "the lighting command")
            sensitivity = next(l for l in program.output()[before:]
                               if l.startswith("SET_FEATURE 00 0E "))
            with open(os.path.join(program.folder, "config0.bin"), "rb") as f:
                saved = f.read()
            self.assertEqual(sensitivity.split()[3], "%02X" % ((saved[1 + 67] * 20) % 256))

    def test_settings_panel_changes_reach_the_mouse_and_the_file(self):
        program = self.start()
        program.wait_for_main_window()
        panel = program.settled(PANEL)
        program.click(HEADERS[0])
        wait_for(lambda: program.pixels(PANEL) != panel, "the DPI page to open")
        page = (PANEL[0], PANEL[1] + 22)
        # Stage 3's slider, halfway up its track: 1 + 53 * 85 / 170 = 27, 2800 DPI.
        program.click((page[0] + 100, page[1] + 3 + 85))
        # Stage 5's enable box.
        program.click((page[0] + 174, page[1] + 206))
        rate_header = (HEADERS[2][0], HEADERS[2][1] + DPI_PAGE_HEIGHT)
        program.click(rate_header)
        rate_page = (PANEL[0], rate_header[1] + 10)
        # The dial's upper right quarter: 1000 Hz.
        program.click((rate_page[0] + 151, rate_page[1] + 36))
        program.click((HEADERS[1][0], HEADERS[1][1] + DPI_PAGE_HEIGHT))
        lighting_page = (PANEL[0], HEADERS[1][1] + DPI_PAGE_HEIGHT + 10)
        # The Neon choice box.
        program.click((lighting_page[0] + 15, lighting_page[1] + 82))
        program.settled(PANEL)
        program.grab(os.path.join(ARGS.artifacts, "panel-changed-en.png"))

        before = len(program.output())
        program.click(APPLY)
        wait_for(lambda: any(l.startswith("SET_FEATURE 00 0D ")
                             for l in program.output()[before:]), "the lighting command")
        wait_for(lambda: program.output()[-1] == "SLEEP 10", "the last pause")
        events = apply_events(program.output()[before:])
        self.assertEqual(events[0], "SET_FEATURE 00 01 01 00 00 00 00 00 FD")
        self.assertIn("SET_FEATURE 00 0D 03 05 00 00 00 00 EA", events)
        self.assertTrue(any(l.startswith("OUTPUT ") and " 04 09 1B 1D A7 5D " in l
                            for l in events), "the six stage codes, stage 5 disabled")

        # The settings file is written after the last command has gone out.
        def saved_rate():
            with open(os.path.join(program.folder, "config0.bin"), "rb") as f:
                return f.read()[1 + 12] == 1
        wait_for(saved_rate, "the settings file to hold the new report rate")
        self.assertEqual(events, self.expected_apply_trace(program))

        # The pointer settings of the applied block reached the desktop, here the run's own files.
        def desktop_file(name):
            path = os.path.join(program.config_home, name)
            if not os.path.exists(path):
                return ""
            with open(path, encoding="utf-8") as f:
                return f.read()
        wait_for(lambda: "DoubleClickInterval=550" in desktop_file("kdeglobals"),
                 "the double-click time in kdeglobals")
        self.assertEqual(desktop_file("kcminputrc"),
                         "[Mouse]\nXLbInptAccelProfileFlat=true\nXLbInptPointerAcceleration=0\n")
        self.assertEqual(desktop_file("kdeglobals"),
                         "[KDE]\nWheelScrollLines=3\nDoubleClickInterval=550\n")

        shown = run(ARGS.ctl, "--folder", program.folder, "show").stdout
        for line in ("Report rate: 1000 Hz", "Stage 3: 2800 DPI, enabled",
                     "Stage 5: 4000 DPI, disabled", "Lighting: Neon, period 5 of 6"):
            self.assertIn(line, shown)

    def test_panel_screenshots_in_english(self):
        self.panel_screenshots("EN")

    def test_panel_screenshots_in_german(self):
        self.panel_screenshots("DE")

    def panel_screenshots(self, language):
        """Every page the user can open, a few at a time, saved for a look at the texts."""
        program = self.start(language)
        program.wait_for_main_window()
        name = language.lower()
        groups = [("dpi-lighting", [1, 0]), ("rate-speeds", [4, 3, 2]), ("wheel", [5])]
        for title, sections in groups:
            for k in sections:
                program.click(HEADERS[k])
            program.settled(PANEL)
            program.grab(os.path.join(ARGS.artifacts, "panel-%s-%s.png" % (title, name)),
                         PANEL)
            # Closing from the top brings each next header back to its first place.
            for k in reversed(sections):
                program.click(HEADERS[k])
            program.settled(PANEL)

    def test_a_submenu_item_assigned_in_the_window_reaches_the_apply_trace(self):
        program = self.start()
        main = program.wait_for_main_window()
        program.click(ASSIGNMENT_HEADER)
        program.settled()
        program.click(BUTTON_4_LABEL)
        menu = wait_for(lambda: self.popup(program, main, 1), "the assignment menu")
        self.point_at_item(program, menu, MENU_DPI_SETTING)
        submenu = wait_for(lambda: self.popup(program, main, 2), "the DPI submenu")
        run("import", "-window", "root",
            os.path.join(ARGS.artifacts, "assignment-menu-submenu-en.png"), env=program.env)
        self.point_at_item(program, submenu, SUBMENU_DPI_DOWN)
        run("xdotool", "click", "1", env=program.env)
        wait_for(lambda: len(program.windows()) == 1, "the menus to close")

        before = len(program.output())
        program.click(APPLY)
        wait_for(lambda: any(l.startswith("SET_FEATURE 00 0D ")
                             for l in program.output()[before:]), "the lighting command")
        wait_for(lambda: len(program.output()) > before and program.output()[-1] == "SLEEP 10",
                 "the last pause")
        events = apply_events(program.output()[before:])
        # The settings file is written after the last command has gone out.
        wait_for(lambda: "Button 4 (index 4): DPI -\n" in
                 run(ARGS.ctl, "--folder", program.folder, "show").stdout,
                 "gx508ctl show to find the saved function")
        self.assertEqual(events, self.expected_apply_trace(program))
        # The same key tables as gx508ctl's assignment of the function to the shipped files.
        self.assertEqual(events, self.ctl_apply_trace_after("set", "button", "4", "DPI -"))
        self.assertNotEqual(events, self.ctl_apply_trace_after("show"))

    def test_macro_manager_records_typed_keys_into_record_ini(self):
        self.macro_manager("EN")

    def test_macro_manager_screenshots_in_german(self):
        self.macro_manager("DE")

    def macro_manager(self, language):
        """New, a recording of keys typed on the desktop, a loop count and OK; screenshots of
        the manager while it records and with its delay editor open."""
        program = self.start(language)
        program.wait_for_main_window()
        program.click(MACRO_HEADER)
        size = png_size(os.path.join(program.folder, "Skins", "MacroManagement",
                                     "MacroManagement.png"))
        manager = wait_for(lambda: next((w for w in program.windows() if w[3:] == size), None),
                           "the macro manager")

        def click(point):
            run("xdotool", "mousemove", "--sync", str(manager[1] + point[0]),
                str(manager[2] + point[1]), "click", "1", env=program.env)
            time.sleep(0.3)

        def shot(name):
            time.sleep(0.5)
            run("import", "-window", "root", "-crop",
                "%dx%d+%d+%d" % (manager[3], manager[4], manager[1], manager[2]), "+repage",
                os.path.join(ARGS.artifacts, "%s-%s.png" % (name, language.lower())),
                env=program.env)

        store = os.path.join(program.folder, "record.ini")
        name = "Macro_1" if language == "EN" else "Makro_1"
        click(MANAGER_NEW)
        def stored():
            with open(store, encoding="utf-8") as f:
                return f.read()
        wait_for(lambda: "[%s]" % name in stored(), "the new macro")
        click(MANAGER_RECORD_DELAY_BOX)
        click(MANAGER_RECORD)
        run("xdotool", "key", "--delay", "120", "a", "b", "Return", "KP_Enter", env=program.env)
        shot("macro-manager-recording")
        click(MANAGER_RECORD)
        wait_for(lambda: "ItemCount=15" in stored(), "the recording in record.ini")

        click(MANAGER_SECOND_EVENT)
        click(MANAGER_SECOND_EVENT)
        run("xdotool", "type", "250", env=program.env)
        shot("macro-manager-delay-editor")
        run("xdotool", "key", "Return", env=program.env)

        click(MANAGER_LOOP_BOX)
        click(MANAGER_LOOP_FIELD)
        run("xdotool", "key", "ctrl+a", env=program.env)
        run("xdotool", "type", "5", env=program.env)
        click(MANAGER_OK)
        wait_for(lambda: all(w[3:] != size for w in program.windows()), "the manager to close")

        saved = configparser.ConfigParser(interpolation=None, strict=False)
        saved.read(store, encoding="utf-8")
        self.assertEqual(saved["MacroName"]["MacroCount"], "1")
        self.assertEqual(saved["MacroName"]["0"], name)
        macro = saved[name]
        self.assertEqual(macro["MacroLoopTimes"], "5")
        self.assertEqual(macro["DelayTimeSelStatus"], "1")
        items = [macro["Item%d" % i] for i in range(int(macro["ItemCount"]))]
        events = [item for item in items if not item.endswith(" ms")]
        self.assertEqual(events, ["A   Dn", "A   Up", "B   Dn", "B   Up", "Enter   Dn",
                                  "Enter   Up", "Num Enter   Dn", "Num Enter   Up"])
        self.assertEqual(items[1], "250 ms")
        self.assertTrue(all(items[i].endswith(" ms") for i in range(1, len(items), 2)))
        if language == "EN":
            self.bind_macro_and_apply(program, name)

    def bind_macro_and_apply(self, program, name):
        """Binds the macro to button 5 through its assignment menu and the macro selector,
        applies, and finds in the trace what gx508ctl sends for the same binding."""
        expected = ctl_apply_trace(program.folder, ["set", "button", "5", "macro:" + name])

        main = program.wait_for_main_window()
        program.click(ASSIGNMENT_HEADER)
        program.settled()
        program.click((BUTTON_4_LABEL[0], BUTTON_4_LABEL[1] + 20))
        menu = wait_for(lambda: self.popup(program, main, 1), "the assignment menu")
        self.point_at_item(program, menu, MENU_MACRO)
        run("xdotool", "click", "1", env=program.env)
        size = png_size(os.path.join(program.folder, "Skins", "macro-key.png"))
        selector = wait_for(lambda: next((w for w in program.windows() if w[3:] == size), None),
                            "the macro selector")
        for point in (SELECTOR_DROP_DOWN, SELECTOR_FIRST_NAME, SELECTOR_OK):
            run("xdotool", "mousemove", "--sync", str(selector[1] + point[0]),
                str(selector[2] + point[1]), "click", "1", env=program.env)
            time.sleep(0.3)
        wait_for(lambda: all(w[3:] != size for w in program.windows()), "the selector to close")

        before = len(program.output())
        program.click(APPLY)
        wait_for(lambda: any(line.startswith("SET_FEATURE 00 0D ")
                             for line in program.output()[before:]), "the lighting command")
        wait_for(lambda: program.output()[-1] == "SLEEP 10", "the last pause")
        events = apply_events(program.output()[before:])
        self.assertTrue(any(line.startswith("OUTPUT ") for line in events),
                        "the macro's block is uploaded")
        self.assertEqual(events, expected)

    def popup(self, program, main, count):
        """The last of `count` popups beside the main window, once there are that many."""
        others = [w for w in program.windows() if w[0] != main[0]]
        return others[-1] if len(others) == count else None

    def point_at_item(self, program, menu, row):
        run("xdotool", "mousemove", "--sync", str(menu[1] + MENU_FRAME + 10),
            str(menu[2] + MENU_FRAME + row * MENU_ROW + MENU_ROW // 2), env=program.env)

    def test_screenshots_in_english(self):
        self.screenshots("EN")

    def test_screenshots_in_simplified_chinese(self):
        self.screenshots("CHS")

    def test_bottom_buttons_in_german_show_whole_words(self):
        program = self.start("DE")
        window = program.wait_for_main_window()
        run("xdotool", "mousemove", "--sync", str(window[1] + window[3] + 20), "0",
            env=program.env)
        program.settled((0, 600, window[3], 38))
        program.grab(os.path.join(ARGS.artifacts, "buttons-de.png"), (0, 600, window[3], 38))
        for name, (rect, look) in BOTTOM_BUTTONS.items():
            with self.subTest(name):
                shown = program.pixels(rect)
                skin = skin_pixels(os.path.join(program.folder, "Skins", look), rect[2:])
                self.assertGreaterEqual(last_glyph_height(shown, skin, rect[2]), 4,
                                        "the label ends in a letter, not in an ellipsis")

    def screenshots(self, language):
        """Both views with the button list and the axis panel open, a button's menu open."""
        program = self.start(language)
        program.wait_for_main_window()
        list_height = png_size(os.path.join(program.folder, "Skins", "ButtonAssignment",
                                            "BK_ButtonAssignment.png"))[1]
        program.click(ASSIGNMENT_HEADER)
        program.settled()
        program.click((AXIS_HEADER[0], AXIS_HEADER[1] + list_height))
        program.settled()
        program.click(BUTTON_4_LABEL)
        wait_for(lambda: len(program.windows()) == 2, "the assignment menu")
        name = language.lower()
        program.grab_screen(os.path.join(ARGS.artifacts, "main-top-%s.png" % name))
        # The label's click opened its assignment menu; Escape closes it, changing nothing.
        run("xdotool", "key", "Escape", env=program.env)
        wait_for(lambda: len(program.windows()) == 1, "the menu to close")
        program.click(SIDE_VIEW_TAB)
        program.settled()
        program.grab(os.path.join(ARGS.artifacts, "main-side-%s.png" % name))

    def ctl_apply_trace_after(self, *command):
        """gx508ctl's apply trace on a copy of the shipped files after `command`."""
        folder = tempfile.mkdtemp(prefix="gx508-e2e-ctl-")
        self.addCleanup(shutil.rmtree, folder, True)
        source = os.path.dirname(os.path.abspath(ARGS.program))
        for name in os.listdir(source):
            if name.endswith((".bin", ".ini")):
                shutil.copy(os.path.join(source, name), folder)
        run(ARGS.ctl, "--folder", folder, *command)
        traced = run(ARGS.ctl, "--folder", folder, "--virtual", "apply", "--trace").stdout
        return apply_events(traced.splitlines())

    def expected_apply_trace(self, program):
        """What gx508ctl's apply, the Apply button's sequence, sends for the same files."""
        folder = tempfile.mkdtemp(prefix="gx508-e2e-ctl-")
        self.addCleanup(shutil.rmtree, folder, True)
        for name in os.listdir(program.folder):
            if name.endswith((".bin", ".ini")):
                shutil.copy(os.path.join(program.folder, name), folder)
        traced = run(ARGS.ctl, "--folder", folder, "--virtual", "apply", "--trace").stdout
        return apply_events(traced.splitlines())


def isolate_desktop(scratch):
    """Points every program this run starts at a desktop of its own, never the developer's: KDE
    pointer settings in a scratch config folder, no session bus to announce them on, GSettings
    in memory and X11 only on the private Xvfb (each Program sets DISPLAY and its own config
    folder)."""
    os.environ.update(XDG_CURRENT_DESKTOP="KDE", XDG_SESSION_TYPE="x11",
                      XDG_CONFIG_HOME=os.path.join(scratch, "config"),
                      DBUS_SESSION_BUS_ADDRESS="unix:path=" + os.path.join(scratch, "no-bus"),
                      GSETTINGS_BACKEND="memory")
    os.environ.pop("DISPLAY", None)
    os.environ.pop("WAYLAND_DISPLAY", None)


def parse_arguments(tools=()):
    """The arguments every end-to-end script takes, kept here as ARGS too; exits when one of the
    tools the script runs (beside Xvfb, xdotool and import) is missing."""
    global ARGS
    parser = argparse.ArgumentParser()
    parser.add_argument("--program", required=True, help="the gx508 executable")
    parser.add_argument("--ctl", required=True, help="the gx508ctl executable")
    parser.add_argument("--artifacts", required=True, help="where the screenshots go")
    ARGS, rest = parser.parse_known_args()
    for tool in ("Xvfb", "xdotool", "import") + tuple(tools):
        if shutil.which(tool) is None:
            sys.exit("missing %s: run scripts/install-deps.sh" % tool)
    return ARGS, rest


def run_tests(name, rest):
    """Runs the tests of the script being run on a scratch desktop and exits with their
    outcome; `rest` are the arguments left for unittest."""
    scratch = tempfile.mkdtemp(prefix="gx508-e2e-%s-" % name)
    isolate_desktop(scratch)
    try:
        outcome = unittest.main(argv=[sys.argv[0]] + rest, verbosity=2, exit=False)
    finally:
        shutil.rmtree(scratch, ignore_errors=True)
    sys.exit(0 if outcome.result.wasSuccessful() else 1)


def main():
    _, rest = parse_arguments()
    run_tests("desktop", rest)


if __name__ == "__main__":
    main()
