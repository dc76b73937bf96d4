"""The real brickwork-garden in a game folder of its own, under an X server of
its own (tests/support/xserver.py), driven the way a child drives it."""

import glob
import os
import re
import shutil
import struct
import subprocess
import sys
import tempfile

sys.path.insert(0, os.path.join(os.path.dirname(os.path.abspath(__file__)), "..", "support"))
from xserver import Picture, XServer, wait_until  # noqa: E402,F401

GAME_DIR = os.environ.get("GAME_DIR", "")
REST = (600, 690)  # a spot of the palace where nothing is built
# The middle of the palace: no toolbar, no frame border, no button there.
MIDDLE = [(x, y) for x in range(320, 900, 37) for y in range(120, 640, 41)]
# The centres of the toolbar's controls.
BUTTONS = {"background": (56, 684), "frame": (121, 684), "clear": (186, 684),
           "save picture": (73, 714), "wallpaper": (168, 714), "save": (73, 745),
           "load": (168, 745), "previous colour": (69, 108), "next colour": (159, 108),
           "person": (58, 43), "palace": (122, 43), "decoration": (186, 43), "exit": (1012, 12),
           "mirror": (914, 29), "smaller": (60, 79), "check box": (117, 79), "larger": (174, 79),
           "undo": (804, 29), "redo": (859, 29), "gallery": (749, 29),
           "print": (694, 29)}


class Game:
    """The real game in a temporary copy of the game folder, with a home
    folder "home" of its own inside it (and no system settings); prepare(folder)
    may change the copy before the game starts. settings: the user's settings
    file; arguments: the command line; wrapper: a command that runs the game
    (a memory checker); folder: the folder of an earlier game, played again
    (and left to that game to remove)."""

    def __init__(self, server, prepare=None, env=None, arguments=(), settings=None, wrapper=(),
                 folder=None):
        self.server, self.owned = server, folder is None
        self.folder = folder or tempfile.mkdtemp(prefix="brickwork-game-")
        for data in ("BMP", "Sound") if self.owned else ():
            shutil.copytree(os.path.join(GAME_DIR, data), self.path(data))
        self.output = tempfile.NamedTemporaryFile("w+", prefix="brickwork-game-", suffix=".out",
                                                  delete=False)
        self.settings = self.path("home/.config/brickwork-garden/settings.conf")
        os.makedirs(os.path.dirname(self.settings), exist_ok=True)
        if settings is not None:
            with open(self.settings, "w") as f:
                f.write(settings)
        if prepare:
            prepare(self.folder)
        # No print server unless the test starts one: no test prints on the
        # machine's own printer.
        env = dict(server.env, HOME=self.path("home"), XDG_CONFIG_DIRS=self.path("xdg"),
                   **dict({"CUPS_SERVER": self.path("no-cups.sock")}, **(env or {})))
        env.pop("XDG_CONFIG_HOME", None)
        self.process = subprocess.Popen(list(wrapper) + [os.path.join(GAME_DIR, "brickwork-garden")]
                                        + list(arguments), cwd=self.folder, env=env,
                                        stdin=subprocess.DEVNULL, stdout=self.output,
                                        stderr=subprocess.STDOUT, start_new_session=True)

    def copies(self):
        """The PNG copies of saved pictures in the default pictures folder."""
        return sorted(glob.glob(self.path("home/Pictures/Brickwork Garden/*.png")))

    def path(self, name):
        return os.path.join(self.folder, name)

    def log(self):
        try:
            with open(self.path("gameLog.txt"), errors="replace") as f:
                return f.read().splitlines()
        except FileNotFoundError:
            return []

    def report(self):
        self.output.seek(0)
        return "log:\n%s\noutput:\n%s" % ("\n".join(self.log()), self.output.read())

    def wait_until_playing(self, timeout=60):
        """Waits for the end of the level's construction; AssertionError with
        the log when it does not come or the game ends first."""
        wait_until(lambda: "PalaceBuild 703GameLevel::init" in self.log()
                   or self.process.poll() is not None, timeout)
        assert "PalaceBuild 703GameLevel::init" in self.log(), "not playing\n" + self.report()

    def wait(self, timeout=40):
        """The exit code (negative: killed by that signal)."""
        return self.process.wait(timeout)

    def close(self):
        if self.process.poll() is None:
            self.process.kill()
            self.process.wait()
        self.output.close()
        os.remove(self.output.name)
        if self.owned:
            shutil.rmtree(self.folder, ignore_errors=True)


class Piece:
    """A toolbar picture and some of its opaque pixels, read from the ".mask"
    file the game writes beside it (width, then "row first last" runs)."""

    def __init__(self, game, name):
        self.name, self.row = "BMP/" + name, int(os.path.basename(name)[0]) - 1
        with open(game.path(self.name), "rb") as f:
            self.width, self.height = struct.unpack(">II", f.read(24)[16:24])
        with open(game.path(self.name + ".mask")) as f:
            numbers = [int(n) for n in f.read().split()][1:]
        runs = list(zip(numbers[0::3], numbers[1::3], numbers[2::3]))
        # Inner points, so that a snap by up to three units keeps them on it.
        self.points = [(c, r) for r, first, last in runs[4:-4:4]
                       for c in range(first + 4, last - 3, 9)]

    def in_cell(self):
        """A screen point on the piece where its toolbar cell shows it."""
        left = 23 + max(0, (180 - self.width) // 2)
        top = 120 + 183 * self.row + max(0, (158 - self.height) // 2)
        c, r = min(self.points, key=lambda p: abs(p[0] - self.width / 2)
                   + abs(p[1] - self.height / 2))
        return left + c, top + r

    def at(self, centre, mirrored=False):
        """The screen points of the piece carried (or laid) with its middle
        at centre."""
        left, top = centre[0] - self.width // 2, centre[1] - self.height // 2
        return [(left + (self.width - 1 - c if mirrored else c), top + r) for c, r in self.points]


def gif_bomb(side):
    """A GIF of a few dozen bytes whose one picture claims side x side pixels:
    a decoder that believes it fills that much memory before it finds out."""
    size = struct.pack("<HH", side, side)
    return (b"GIF89a" + size + b"\x80\0\0" + b"\0\0\0\xff\xff\xff" + b",\0\0\0\0" + size
            + b"\0\x02\x01\x2c\0;")  # clear and end codes only


def fit(width, height):
    """Where the game shows its 1024x768 scene on a screen: left, top, width
    and height of the largest centred rectangle of its shape."""
    w, h = (width, width * 3 // 4) if width * 3 <= height * 4 else (height * 4 // 3, height)
    return (width - w) // 2, (height - h) // 2, w, h


class SceneView(Picture):
    """A screenshot seen as the 1024x768 scene the game scaled into it."""

    def __init__(self, shot, box=None):
        super().__init__(1024, 768, shot.data, shot.bpp, shot.rgb)
        self.shot, self.box = shot, box or fit(shot.width, shot.height)

    def pixel(self, x, y):
        left, top, w, h = self.box
        return self.shot.pixel(left + (2 * int(x) + 1) * w // 2048,
                               top + (2 * int(y) + 1) * h // 1536)

    def matches(self, other, points=None, tolerance=24):
        """As Picture.matches; scaled, a thin line may fall between pixels,
        so three points in a hundred may miss."""
        if self.box[2:] == (1024, 768):
            return super().matches(other, points, tolerance)
        points = points or [(i * 128 + 64, j * 128 + 64) for i in range(8) for j in range(6)]
        return (other.width, other.height) == (1024, 768) and self.differs(
            other, points, tolerance) <= 0.03


class Scene:
    """An X server whose screen shows the game's scene scaled to fit (window:
    scaled to fit the game's window, wherever it is): moves, clicks and
    screenshots in scene units. Everything else is the server's."""

    def __init__(self, server, window=False):
        self.server, self.window = server, window

    def __getattr__(self, name):
        return getattr(self.server, name)

    def geometry(self):
        """The game window's left, top, width and height on the screen."""
        info = self.server.run("xwininfo", "-id", self.server.find_window("123"))
        return tuple(int(re.search(r"%s:\s+(-?\d+)" % field, info).group(1)) for field in (
            "Absolute upper-left X", "Absolute upper-left Y", "Width", "Height"))

    def box(self):
        """Where the scene lies on the screen: left, top, width and height."""
        if not self.window:
            return fit(*self.server.xlib(
                lambda x11, d: (x11.XDisplayWidth(d, 0), x11.XDisplayHeight(d, 0))))
        left, top, width, height = self.geometry()
        inner = fit(width, height)
        return (left + inner[0], top + inner[1]) + inner[2:]

    def point(self, x, y):
        """The screen pixel that the game maps to the scene point (x, y)."""
        left, top, w, h = self.box()
        return left + (x * w + 1023) // 1024, top + (y * h + 767) // 768

    def move(self, x, y):
        self.server.move(*self.point(x, y))

    def click(self, x, y, button=1):
        self.server.click(*self.point(x, y), button=button)

    def screenshot(self):
        box = self.box() if self.window else None
        shot = self.server.screenshot()
        return shot and SceneView(shot, box)
