"""The installed game: cmake --install into a temporary prefix whose path
holds spaces, then the launcher started the way the desktop entry starts it,
under a private Xvfb, for players with homes of their own."""

import os
import re
import shlex
import shutil
import signal
import struct
import subprocess
import tempfile
import time
import unittest

BUILD_DIR = os.environ["BUILD_DIR"]
GAME_FOLDER = "lib/games/brickwork-garden"
LAUNCHER = "games/brickwork-garden"
ICON_SIZES = (16, 22, 24, 32, 48, 64, 128, 256)
TOOLBAR_FOLDERS = ("BMP/palace", "BMP/decoration", "BMP/person")
PLAYING = "PalaceBuild 703GameLevel::init"


def wait_until(condition, timeout, step=0.1):
    deadline = time.monotonic() + timeout
    while True:
        result = condition()
        if result or time.monotonic() > deadline:
            return result
        time.sleep(step)


def install(prefix):
    subprocess.run(["cmake", "--install", BUILD_DIR, "--prefix", prefix],
                   check=True, stdout=subprocess.DEVNULL)


def toolbar_pictures(game_folder):
    pictures = []
    for folder in TOOLBAR_FOLDERS:
        for name in sorted(os.listdir(os.path.join(game_folder, folder))):
            if re.match(r"^[1-3]\.(.*)\.(png|bmp)$", name):
                pictures.append(os.path.join(game_folder, folder, name))
    return pictures


def snapshot(folder):
    """Every file below folder: relative path -> (mtime in ns, size)."""
    found = {}
    for root, _, files in os.walk(folder):
        for name in files:
            path = os.path.join(root, name)
            info = os.stat(path)
            found[os.path.relpath(path, folder)] = (info.st_mtime_ns, info.st_size)
    return found


def png_size(path):
    with open(path, "rb") as f:
        head = f.read(24)
    assert head[:8] == b"\x89PNG\r\n\x1a\n", path
    return struct.unpack(">II", head[16:24])


class Xvfb:
    """A private X server, stopped by its process id."""

    def __enter__(self):
        read, write = os.pipe()
        self.process = subprocess.Popen(
            ["Xvfb", "-displayfd", str(write), "-screen", "0", "1024x768x24", "-nolisten", "tcp",
             "+extension", "GLX", "+extension", "RANDR"],
            pass_fds=(write,), stderr=subprocess.DEVNULL)
        os.close(write)
        with os.fdopen(read) as f:
            self.display = ":" + f.readline().strip()
        ready = wait_until(lambda: subprocess.run(["xdpyinfo", "-display", self.display],
                                                  stdout=subprocess.DEVNULL,
                                                  stderr=subprocess.DEVNULL).returncode == 0, 10)
        if not ready:
            self.__exit__()
            raise RuntimeError("Xvfb did not answer on " + self.display)
        return self

    def __exit__(self, *_):
        self.process.terminate()
        self.process.wait()

    def xdotool(self, *args):
        subprocess.run(["xdotool"] + list(args), check=True, env=dict(os.environ, DISPLAY=self.display))


class Player:
    """The launcher run by one player, as the desktop entry runs it: its Exec
    command split into words and looked up on PATH."""

    def __init__(self, prefix, home, data_home=None):
        self.env = {"PATH": os.path.join(prefix, "games") + ":/usr/bin:/bin", "HOME": home,
                    "LIBGL_ALWAYS_SOFTWARE": "1", "SDL_AUDIODRIVER": "dummy"}
        if data_home is not None:
            self.env["XDG_DATA_HOME"] = data_home
        self.folder = os.path.join(data_home if data_home and data_home.startswith("/")
                                   else os.path.join(home, ".local", "share"), "brickwork-garden")
        self.process = None

    def start(self, server, command):
        env = dict(self.env, DISPLAY=server.display) if server else self.env
        self.process = subprocess.Popen(shlex.split(command), env=env,
                                        stdout=subprocess.PIPE, stderr=subprocess.STDOUT)

    def log(self):
        try:
            with open(os.path.join(self.folder, "gameLog.txt"), errors="replace") as f:
                return f.read()
        except FileNotFoundError:
            return ""

    def wait_until_playing(self):
        """True once the log shows the game phase; False when the game ends or
        60 seconds pass before that."""
        wait_until(lambda: PLAYING in self.log() or self.process.poll() is not None, 60)
        return PLAYING in self.log()

    def report(self):
        """The launcher's output (once it ended) and the game log, for failure messages."""
        code = self.finish() if self.process.poll() is not None else None
        return "exit %s\n%s\n%s" % (code, getattr(self, "output", ""), self.log())

    def finish(self, timeout=30):
        """Waits for the game to end; returns its exit code and keeps its output."""
        try:
            self.output = self.process.communicate(timeout=timeout)[0].decode(errors="replace")
        except subprocess.TimeoutExpired:
            self.process.kill()
            self.process.communicate()
            raise
        return self.process.returncode


def desktop_command(prefix):
    with open(os.path.join(prefix, "share/applications/brickwork-garden.desktop")) as f:
        return re.search(r"^Exec=(.*)$", f.read(), re.M).group(1)


class InstallTree(unittest.TestCase):
    @classmethod
    def setUpClass(cls):
        cls.top = tempfile.mkdtemp(prefix="brickwork install ")
        cls.prefix = os.path.join(cls.top, "pre fix")
        install(cls.prefix)
        cls.game = os.path.join(cls.prefix, GAME_FOLDER)

    @classmethod
    def tearDownClass(cls):
        shutil.rmtree(cls.top)

    def home(self, name):
        path = os.path.join(self.top, name)
        os.makedirs(path, exist_ok=True)
        return path

    def test_tree_holds_the_game_its_masks_launcher_entry_and_icons(self):
        self.assertTrue(os.access(os.path.join(self.game, "brickwork-garden"), os.X_OK))
        self.assertTrue(os.access(os.path.join(self.prefix, LAUNCHER), os.X_OK))
        for banner in ("BMP/startup.jpg", "BMP/shutdown.jpg", "Sound/drop.wav"):
            self.assertTrue(os.path.isfile(os.path.join(self.game, banner)), banner)
        self.assertEqual({"brickwork-garden", "BMP", "Sound"}, set(os.listdir(self.game)))

        pictures = toolbar_pictures(self.game)
        self.assertGreater(len(pictures), 20)
        for picture in pictures:
            mask = picture + ".mask"
            self.assertTrue(os.path.isfile(mask), mask)
            # The game compares whole seconds and rewrites a mask that is not newer.
            self.assertGreater(int(os.stat(mask).st_mtime), int(os.stat(picture).st_mtime), mask)
            with open(mask) as f:
                lines = f.read().splitlines()
            self.assertGreater(len(lines), 1, mask)

        entry = os.path.join(self.prefix, "share/applications/brickwork-garden.desktop")
        icons = os.path.join(self.prefix, "share/icons/hicolor")
        subprocess.run(["desktop-file-validate", entry], check=True)
        for size in ICON_SIZES:
            png = os.path.join(icons, "%dx%d/apps/brickwork-garden.png" % (size, size))
            self.assertEqual((size, size), png_size(png))
        with open(os.path.join(icons, "scalable/apps/brickwork-garden.svg")) as f:
            self.assertIn('viewBox="0 0 256 256"', f.read())
        self.assertEqual("brickwork-garden", desktop_command(self.prefix))

    def test_two_players_keep_their_own_saved_games_and_the_install_is_untouched(self):
        before = snapshot(self.game)
        first = Player(self.prefix, self.home("home one"))
        second = Player(self.prefix, self.home("home two"), os.path.join(self.top, "data two"))
        command = desktop_command(self.prefix)

        with Xvfb() as x:
            first.start(x, command)
            self.assertTrue(first.wait_until_playing(), first.report())
            # The launcher gave way to the game itself.
            self.assertEqual(os.path.realpath(os.path.join(self.game, "brickwork-garden")),
                             os.readlink("/proc/%d/exe" % first.process.pid))
            self.assertTrue(self.take_and_drop_a_piece(x, first), first.log())
            self.save_and_leave(x, first)

            second.start(x, command)
            self.assertTrue(second.wait_until_playing(), second.report())
            self.save_and_leave(x, second)

        for player in (first, second):
            for folder in ("BMP", "Sound"):
                link = os.path.join(player.folder, folder)
                self.assertTrue(os.path.islink(link))
                self.assertEqual(os.path.join(os.path.realpath(self.game), folder), os.readlink(link))
            self.assertIn(PLAYING, player.log())
        with open(os.path.join(first.folder, "savegame.txt"), "rb") as f:
            self.assertIn(b"BMP/palace/", f.read())
        with open(os.path.join(second.folder, "savegame.txt"), "rb") as f:
            self.assertNotIn(b"BMP/palace/", f.read())
        self.assertFalse(os.path.exists(os.path.join(self.top, "home two", ".local")))
        self.assertEqual(before, snapshot(self.game), "the game wrote into its installed folder")

    def save_and_leave(self, x, player):
        x.xdotool("key", "s")
        saved = os.path.join(player.folder, "savegame.txt")
        self.assertTrue(wait_until(lambda: os.path.exists(saved), 10), player.report())
        x.xdotool("key", "Escape")
        self.assertEqual(0, player.finish())

    def take_and_drop_a_piece(self, x, player):
        """Clicks over the first toolbar cell until a drag starts, then drops
        the piece in the middle of the palace."""
        for py in range(150, 280, 16):
            for px in range(40, 200, 16):
                before = player.log().count(" start drag(")
                x.xdotool("mousemove", str(px), str(py), "click", "1")
                if wait_until(lambda: player.log().count(" start drag(") > before, 0.5):
                    x.xdotool("mousemove", "500", "400")
                    x.xdotool("mousemove", "520", "400", "click", "1")
                    return True
        return False

    def test_links_follow_a_moved_or_upgraded_installation(self):
        player = Player(self.prefix, self.home("home moved"), "relative/ignored")
        # No X server: the game stops at once, after the launcher has made the links.
        player.start(None, "brickwork-garden")
        player.finish()
        old = os.readlink(os.path.join(player.folder, "BMP"))
        self.assertEqual(os.path.join(os.path.realpath(self.game), "BMP"), old)

        moved = os.path.join(self.top, "moved prefix")
        install(moved)
        player.env["PATH"] = os.path.join(moved, "games") + ":/usr/bin:/bin"
        player.start(None, "brickwork-garden")
        player.finish()
        for folder in ("BMP", "Sound"):
            self.assertEqual(os.path.join(os.path.realpath(moved), GAME_FOLDER, folder),
                             os.readlink(os.path.join(player.folder, folder)))

    def test_a_real_folder_in_the_way_is_kept_and_reported(self):
        player = Player(self.prefix, self.home("home in the way"))
        mine = os.path.join(player.folder, "Sound")
        os.makedirs(mine)
        with open(os.path.join(mine, "mine.wav"), "w") as f:
            f.write("mine")
        player.start(None, "brickwork-garden")
        self.assertEqual(1, player.finish())
        self.assertIn("is in the way", player.output)
        self.assertEqual(["mine.wav"], os.listdir(mine))

    def test_without_home_the_data_home_alone_serves(self):
        data_home = os.path.join(self.top, "data without home")
        player = Player(self.prefix, "", data_home)
        del player.env["HOME"]
        player.start(None, "brickwork-garden")
        player.finish()
        self.assertTrue(os.path.islink(os.path.join(data_home, "brickwork-garden", "BMP")))

if __name__ == "__main__":
    unittest.main()
