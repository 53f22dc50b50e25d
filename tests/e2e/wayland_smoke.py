#!/usr/bin/env python3
# SPDX-License-Identifier: GPL-3.0-or-later
"""The desktop program under a Wayland compositor.

Starts weston on its headless backend with a private runtime folder, runs gx508 --virtual-mouse
there with QT_QPA_PLATFORM=wayland (and no X server to fall back on), and reads weston's own
scene graph until it holds the main window: a mapped top-level surface of the program's process
with the window's title, the desktop's application id and the background picture's size. A
screenshot of weston's output (kept in the artifacts folder) must show the window's frame from
that picture where the scene graph puts the surface. Then SIGTERM must end the program with exit
status 0.
"""

import argparse
import os
import re
import shutil
import signal
import struct
import subprocess
import sys
import tempfile
import threading
import time
import unittest

sys.dont_write_bytecode = True  # no compiled copy of the shared helpers in the source tree
from desktop_e2e import WAIT, wait_for  # noqa: E402

TITLE = "VelmoraGX508鼠标"
APP_ID = "example.velmora_gaming.GX508"
BASE_FILES = ("config.bin", "config0.bin", "config1.bin", "str.ini", "strGaming.ini", "str0.ini",
              "str1.ini", "record.ini")

ARGS = None


def png_size(path):
    with open(path, "rb") as f:
        header = f.read(24)
    return struct.unpack(">II", header[16:24])


def rgb(path, crop=None):
    """The pixels of a PNG (or of a rectangle x, y, width, height of it) as RGB bytes, any
    transparency laid on black."""
    command = ["convert", path]
    if crop:
        command += ["-crop", "%dx%d+%d+%d" % (crop[2], crop[3], crop[0], crop[1]), "+repage"]
    command += ["-background", "black", "-alpha", "remove", "-depth", "8", "rgb:-"]
    return subprocess.run(command, capture_output=True, check=True, timeout=WAIT).stdout


def share_of_equal_frame_pixels(a, b, size, frame=3):
    """How much of the outer `frame` pixels of two RGB pictures of `size` agree."""
    width, height = size
    if len(a) != len(b) or len(a) != width * height * 3:
        return 0.0
    same = total = 0
    for y in range(height):
        for x in range(width):
            if frame <= x < width - frame and frame <= y < height - frame:
                continue
            i = (y * width + x) * 3
            total += 1
            same += a[i:i + 3] == b[i:i + 3]
    return same / total


VIEW = re.compile(r"^\s*View \d+ \(role (?P<role>[^,]*), PID (?P<pid>\d+), .*?"
                  r"top-level window '(?P<title>.*)' of (?P<app>\S+), 0x[0-9a-f]+\):$")
POSITION = re.compile(r"^\s*position: \((-?\d+), (-?\d+)\) -> \((-?\d+), (-?\d+)\)$")


def toplevel_views(scene):
    """Each top-level view of a weston scene graph dump: role, pid, title, app id and its
    rectangle on the output (x, y, width, height)."""
    views = []
    for line in scene.splitlines():
        match = VIEW.match(line)
        if match:
            views.append(dict(match.groupdict(), rect=None))
            continue
        position = POSITION.match(line)
        if views and position and views[-1]["rect"] is None:
            x1, y1, x2, y2 = (int(v) for v in position.groups())
            views[-1]["rect"] = (x1, y1, x2 - x1, y2 - y1)
    return views


class Compositor:
    """weston on the headless backend, with its debug interface for the scene graph and
    screenshots, in a private runtime folder."""

    def __init__(self, runtime):
        self.runtime = runtime
        self.socket = "gx508-wayland"
        self.env = dict(os.environ, XDG_RUNTIME_DIR=runtime, WAYLAND_DISPLAY=self.socket)
        self.env.pop("DISPLAY", None)
        self.log = open(os.path.join(runtime, "weston.log"), "w+", encoding="utf-8",
                        errors="replace")
        self.process = subprocess.Popen(
            ["weston", "--backend=headless-backend.so", "--socket=" + self.socket, "--debug",
             "--use-pixman", "--no-config", "--idle-time=0", "--width=1280", "--height=1024"],
            env=self.env, stdout=self.log, stderr=subprocess.STDOUT)
        wait_for(lambda: os.path.exists(os.path.join(runtime, self.socket)) or self.failed(),
                 "weston's socket")
        if self.failed():
            raise AssertionError("weston did not start:\n" + self.log_text())

    def failed(self):
        return self.process.poll() is not None

    def log_text(self):
        self.log.seek(0)
        return self.log.read()

    def scene(self):
        result = subprocess.run(["weston-debug", "scene-graph"], env=self.env,
                                capture_output=True, encoding="utf-8", errors="replace",
                                timeout=WAIT)
        return result.stdout

    def screenshot(self, path):
        folder = tempfile.mkdtemp(prefix="gx508-shot-", dir=self.runtime)
        subprocess.run(["weston-screenshooter"], env=self.env, cwd=folder, check=True,
                       capture_output=True, timeout=WAIT)
        shots = [name for name in os.listdir(folder) if name.endswith(".png")]
        if len(shots) != 1:
            raise AssertionError("weston-screenshooter wrote %r" % shots)
        shutil.move(os.path.join(folder, shots[0]), path)

    def close(self):
        self.process.terminate()
        self.process.wait(timeout=WAIT)
        self.log.close()


class WaylandSmokeTest(unittest.TestCase):
    def setUp(self):
        self.runtime = tempfile.mkdtemp(prefix="gx508-wayland-run-")
        os.chmod(self.runtime, 0o700)
        self.addCleanup(shutil.rmtree, self.runtime, True)
        self.compositor = Compositor(self.runtime)
        self.addCleanup(self.compositor.close)

        source = os.path.dirname(os.path.abspath(ARGS.program))
        self.folder = tempfile.mkdtemp(prefix="gx508-wayland-")
        self.addCleanup(shutil.rmtree, self.folder, True)
        shutil.copytree(os.path.join(source, "Skins"), os.path.join(self.folder, "Skins"))
        for name in BASE_FILES:
            shutil.copy(os.path.join(source, name), self.folder)
        self.binary = os.path.join(self.folder, "gx508")
        shutil.copy(ARGS.program, self.binary)

    def start_program(self):
        env = dict(self.compositor.env, QT_QPA_PLATFORM="wayland",
                   XDG_CONFIG_HOME=os.path.join(self.folder, "config"))
        if "LSAN_OPTIONS" in env:
            # Under LeakSanitizer: Mesa's EGL, which the Wayland platform loads, has no frame
            # pointers, so only a full unwind names it for the suppressions of system libraries.
            env["LSAN_OPTIONS"] += ":fast_unwind_on_malloc=0"
        process = subprocess.Popen([self.binary, "--virtual-mouse"], env=env,
                                   stdin=subprocess.PIPE, stdout=subprocess.PIPE,
                                   stderr=subprocess.PIPE, encoding="utf-8", errors="replace")
        output = {"stdout": [], "stderr": []}
        for name in output:
            threading.Thread(target=lambda s=getattr(process, name), into=output[name]:
                             into.extend(s), daemon=True).start()

        def stop():
            if process.poll() is None:
                process.kill()
            process.wait(timeout=WAIT)
            process.stdin.close()
        self.addCleanup(stop)
        return process, output

    def test_main_window_is_mapped_and_sigterm_ends_the_program(self):
        process, output = self.start_program()
        window_size = png_size(os.path.join(self.folder, "Skins", "main.png"))

        def main_window():
            if process.poll() is not None:
                raise AssertionError("gx508 ended with %s:\n%s" %
                                     (process.returncode, "".join(output["stderr"])))
            for view in toplevel_views(self.compositor.scene()):
                if view["pid"] == str(process.pid) and view["title"] == TITLE:
                    return view
            return None
        view = wait_for(main_window, "the main window's surface")
        self.assertEqual(view["role"], "xdg_toplevel")
        self.assertEqual(view["app"], APP_ID)
        self.assertEqual(view["rect"][2:], window_size)

        # The window's outer frame is its background picture's; a surface that is blank, not
        # yet painted or somewhere else does not show it there.
        os.makedirs(ARGS.artifacts, exist_ok=True)
        shot = os.path.join(ARGS.artifacts, "wayland-main.png")
        background = rgb(os.path.join(self.folder, "Skins", "main.png"))

        def painted():
            self.compositor.screenshot(shot)
            return share_of_equal_frame_pixels(rgb(shot, view["rect"]), background,
                                               window_size) >= 0.95
        wait_for(painted, "the window's skin on the output")

        process.send_signal(signal.SIGTERM)
        self.assertEqual(process.wait(timeout=WAIT), 0, "".join(output["stderr"]))
        self.assertTrue(any(line.startswith("GET_FEATURE ") for line in output["stdout"]),
                        "the program talked to the virtual mouse")


def main():
    global ARGS
    parser = argparse.ArgumentParser()
    parser.add_argument("--program", required=True, help="the gx508 executable")
    parser.add_argument("--artifacts", required=True, help="where the screenshot goes")
    ARGS, rest = parser.parse_known_args()
    for tool in ("weston", "weston-debug", "weston-screenshooter", "convert"):
        if shutil.which(tool) is None:
            sys.exit("missing %s: run scripts/install-deps.sh" % tool)
    unittest.main(argv=[sys.argv[0]] + rest, verbosity=2)


if __name__ == "__main__":
    main()
