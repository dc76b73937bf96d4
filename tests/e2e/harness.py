"""End-to-end helper: the real brickwork-garden in a game folder of its own,
under an X server of its own, driven like a player drives it.

    with XServer.xvfb() as x, Game(x) as game:
        game.wait_for_log(r"^brightwell 155 Renderer ")
        x.key("Escape")
        assert game.wait() == 0

XServer starts a private Xvfb (or, where root and the dummy driver are there,
an Xorg on the dummy driver that offers several display modes) and stops it by
its process id. Game copies the built game folder (GAME_DIR) into a temporary
folder, starts the game there, and collects its log, files and exit code.
Screenshots come back as Picture objects with pixel access.
"""

import ctypes
import ctypes.util
import os
import re
import select
import shutil
import signal
import subprocess
import tempfile
import time

GAME_DIR = os.environ.get("GAME_DIR", "")
EXECUTABLE = "brickwork-garden"

# The dummy Xorg configuration, shared with the C++ platform tests.
DUMMY_XORG_CONFIG = os.path.normpath(os.path.join(os.path.dirname(os.path.abspath(__file__)),
                                                   "..", "platform", "dummy-xorg.conf"))


def wait_until(condition, timeout, step=0.05):
    """Polls condition until it returns something true; returns that, or None
    after timeout seconds."""
    deadline = time.monotonic() + timeout
    while True:
        result = condition()
        if result:
            return result
        if time.monotonic() > deadline:
            return None
        time.sleep(step)


class Picture:
    """An RGB picture read from a PPM stream."""

    def __init__(self, ppm):
        fields = []
        at = 0
        while len(fields) < 4:
            while ppm[at:at + 1].isspace():
                at += 1
            if ppm[at:at + 1] == b"#":
                at = ppm.index(b"\n", at)
                continue
            end = at
            while not ppm[end:end + 1].isspace():
                end += 1
            fields.append(ppm[at:end])
            at = end
        if fields[0] != b"P6" or int(fields[3]) != 255:
            raise ValueError("not an 8-bit PPM picture")
        self.width, self.height = int(fields[1]), int(fields[2])
        self.data = ppm[at + 1:at + 1 + self.width * self.height * 3]

    @classmethod
    def from_file(cls, path):
        """Any picture file ImageMagick reads (JPEG, PNG, BMP)."""
        return cls(subprocess.run(["convert", path, "-depth", "8", "ppm:-"], check=True,
                                  stdout=subprocess.PIPE).stdout)

    def pixel(self, x, y):
        at = (y * self.width + x) * 3
        return tuple(self.data[at:at + 3])

    def matches(self, other, points=None, tolerance=24):
        """True when the pictures have the same size and agree, within
        tolerance per channel, at the points (a grid of 48 by default)."""
        if (self.width, self.height) != (other.width, other.height):
            return False
        if points is None:
            points = [(self.width * (i + 0.5) // 8, self.height * (j + 0.5) // 6)
                      for i in range(8) for j in range(6)]
        for x, y in points:
            a, b = self.pixel(int(x), int(y)), other.pixel(int(x), int(y))
            if any(abs(p - q) > tolerance for p, q in zip(a, b)):
                return False
        return True


class XServer:
    """A private X server, stopped by its process id when closed."""

    def __init__(self, command, folder):
        self.folder = folder
        reader, writer = os.pipe()
        with open(os.path.join(folder, "server.err"), "w") as err:
            self.process = subprocess.Popen(command + ["-displayfd", str(writer)],
                                            pass_fds=(writer,), stdout=subprocess.DEVNULL,
                                            stderr=err)
        os.close(writer)
        number = b""
        deadline = time.monotonic() + 20
        while not number.endswith(b"\n") and time.monotonic() < deadline:
            if select.select([reader], [], [], 0.2)[0]:
                chunk = os.read(reader, 16)
                if not chunk:
                    break
                number += chunk
        os.close(reader)
        if not number.strip().isdigit():
            self.close()
            raise RuntimeError("X server did not start: " + " ".join(command))
        self.display = ":" + number.strip().decode()
        self.env = dict(os.environ, DISPLAY=self.display, LIBGL_ALWAYS_SOFTWARE="1")

    @classmethod
    def xvfb(cls, size="1024x768x24"):
        folder = tempfile.mkdtemp(prefix="brickwork-x-")
        # -noreset: a server whose last client leaves resets and refuses
        # connections meanwhile, which a desktop with other clients never does.
        return cls(["Xvfb", "-noreset", "-screen", "0", size, "-nolisten", "tcp",
                    "+extension", "GLX", "+extension", "RANDR"], folder)

    @staticmethod
    def dummy_available():
        return (os.geteuid() == 0 and os.access("/usr/bin/Xorg", os.X_OK)
                and os.path.exists("/usr/lib/xorg/modules/drivers/dummy_drv.so"))

    @classmethod
    def dummy_xorg(cls):
        """Xorg on the dummy driver: a 1280 x 1024 desktop that also offers
        1024 x 768 at 60 and 75 Hz and 800 x 600. Needs root."""
        folder = tempfile.mkdtemp(prefix="brickwork-xorg-")
        return cls(["Xorg", "-config", DUMMY_XORG_CONFIG, "-configdir", os.path.join(folder, "conf.d"),
                    "-logfile", os.path.join(folder, "xorg.log"), "-nolisten", "tcp",
                    "-noreset"], folder)

    def close(self):
        if self.process.poll() is None:
            self.process.terminate()
            try:
                self.process.wait(10)
            except subprocess.TimeoutExpired:
                self.process.kill()
                self.process.wait()
        shutil.rmtree(self.folder, ignore_errors=True)

    def __enter__(self):
        return self

    def __exit__(self, *exc):
        self.close()

    def run(self, *command, check=True):
        """Runs an X client on this server; returns its standard output."""
        return subprocess.run(list(command), env=self.env, check=check, stdout=subprocess.PIPE,
                              stderr=subprocess.DEVNULL, timeout=30).stdout.decode()

    # Looking

    def screenshot(self, save_as=None):
        """The whole screen as a Picture; also written to save_as if given."""
        ppm = subprocess.run(["import", "-display", self.display, "-window", "root", "-depth", "8",
                              "ppm:-"],
                             env=self.env, check=True, stdout=subprocess.PIPE,
                             stderr=subprocess.DEVNULL, timeout=30).stdout
        if save_as:
            subprocess.run(["convert", "ppm:-", save_as], input=ppm, check=True)
        return Picture(ppm)

    def windows(self):
        """(id, name) of every named window."""
        found = []
        for line in self.run("xwininfo", "-root", "-tree").splitlines():
            match = re.match(r'\s*(0x[0-9a-f]+) "(.*)":', line)
            if match:
                found.append((match.group(1), match.group(2)))
        return found

    def find_window(self, name, timeout=10):
        """The id of the first window named exactly name, or None."""
        return wait_until(lambda: next((w for w, n in self.windows() if n == name), None),
                          timeout, step=0.1)

    def current_mode(self):
        """The display mode in force as "WIDTHxHEIGHT@RATE" (rate rounded)."""
        listing = self.run("xrandr")
        size = re.search(r"current (\d+) x (\d+)", listing)
        rate = re.search(r"([\d.]+)\*", listing)
        if not size:
            return "unknown"
        return "%sx%s@%d" % (size.group(1), size.group(2),
                             round(float(rate.group(1))) if rate else 0)

    # Acting

    def key(self, *keys, window=None):
        """Presses keys (X key names such as "Escape", "Return", "a"),
        focusing window first when given."""
        if window:
            self.run("xdotool", "windowfocus", window)
        self.run("xdotool", "key", *keys)

    def close_window(self, window):
        """Asks the window to close the way a window manager does: a
        WM_DELETE_WINDOW message (xdotool's windowclose destroys it instead)."""
        x11 = ctypes.cdll.LoadLibrary(ctypes.util.find_library("X11"))
        x11.XOpenDisplay.restype = ctypes.c_void_p
        x11.XOpenDisplay.argtypes = [ctypes.c_char_p]
        x11.XInternAtom.restype = ctypes.c_ulong
        x11.XInternAtom.argtypes = [ctypes.c_void_p, ctypes.c_char_p, ctypes.c_int]
        x11.XSendEvent.argtypes = [ctypes.c_void_p, ctypes.c_ulong, ctypes.c_int, ctypes.c_long,
                                   ctypes.c_void_p]
        x11.XFlush.argtypes = x11.XCloseDisplay.argtypes = [ctypes.c_void_p]

        class ClientMessage(ctypes.Structure):
            _fields_ = [("type", ctypes.c_int), ("serial", ctypes.c_ulong),
                        ("send_event", ctypes.c_int), ("display", ctypes.c_void_p),
                        ("window", ctypes.c_ulong), ("message_type", ctypes.c_ulong),
                        ("format", ctypes.c_int), ("data", ctypes.c_long * 5),
                        ("pad", ctypes.c_long * 12)]

        display = x11.XOpenDisplay(self.display.encode())
        if not display:
            raise RuntimeError("cannot open " + self.display)
        try:
            message = ClientMessage(type=33, window=int(window, 16), format=32)
            message.message_type = x11.XInternAtom(display, b"WM_PROTOCOLS", 0)
            message.data[0] = x11.XInternAtom(display, b"WM_DELETE_WINDOW", 0)
            x11.XSendEvent(display, int(window, 16), 0, 0, ctypes.byref(message))
            x11.XFlush(display)
        finally:
            x11.XCloseDisplay(display)

    def move(self, x, y):
        self.run("xdotool", "mousemove", str(x), str(y))

    def click(self, x, y, button=1):
        self.run("xdotool", "mousemove", str(x), str(y), "click", str(button))


class Game:
    """The real game in a temporary copy of the game folder."""

    def __init__(self, server, prepare=None, start=True):
        """Copies the game folder; prepare(folder) may then change its files
        before the game starts."""
        if not GAME_DIR:
            raise RuntimeError("GAME_DIR is not set")
        self.server = server
        self.folder = tempfile.mkdtemp(prefix="brickwork-game-")
        for data in ("BMP", "Sound"):
            source = os.path.join(GAME_DIR, data)
            if os.path.isdir(source):
                shutil.copytree(source, os.path.join(self.folder, data))
        self.process = None
        if prepare:
            prepare(self.folder)
        if start:
            self.start()

    def start(self):
        self.output = open(os.path.join(self.folder, "output.txt"), "w")
        self.process = subprocess.Popen([os.path.join(GAME_DIR, EXECUTABLE)], cwd=self.folder,
                                        env=self.server.env, stdin=subprocess.DEVNULL,
                                        stdout=self.output, stderr=subprocess.STDOUT)
        self.started = time.monotonic()

    def path(self, name):
        return os.path.join(self.folder, name)

    def log_lines(self):
        try:
            with open(self.path("gameLog.txt"), errors="replace") as f:
                return f.read().splitlines()
        except FileNotFoundError:
            return []

    def output_text(self):
        with open(self.path("output.txt"), errors="replace") as f:
            return f.read()

    def wait_for_log(self, pattern, timeout=30):
        """The first log line matching the regular expression; fails the
        caller with AssertionError (log attached) when none comes in time or
        the game ends first."""
        regex = re.compile(pattern)
        ended = object()

        def look():
            for line in self.log_lines():
                if regex.search(line):
                    return line
            return ended if self.process.poll() is not None else None

        line = wait_until(look, timeout)
        if line is None or line is ended:
            raise AssertionError("no log line like %r (game %s); log:\n%s\noutput:\n%s" % (
                pattern, "ended" if line is ended else "still running",
                "\n".join(self.log_lines()), self.output_text()))
        return line

    def wait_until_playing(self, timeout=60):
        """Waits for the end of the level's construction: the game phase."""
        return self.wait_for_log(r"^PalaceBuild \d+GameLevel::init$", timeout)

    def signal(self, number):
        self.process.send_signal(number)

    def wait(self, timeout=30):
        """The exit code (negative: killed by that signal)."""
        return self.process.wait(timeout)

    def running(self):
        return self.process is not None and self.process.poll() is None

    def close(self):
        if self.running():
            self.process.kill()
            self.process.wait()
        if self.process:
            self.output.close()
        shutil.rmtree(self.folder, ignore_errors=True)

    def __enter__(self):
        return self

    def __exit__(self, *exc):
        self.close()
