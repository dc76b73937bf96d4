"""Damaged game folders, end to end: missing or empty picture folders, a
missing banner, pictures replaced by garbage or by palettised pictures, and
damaged ".mask" files. The game never crashes: it either plays, or logs why
it cannot and ends with exit code 0 after its shutdown picture.

Each case is a game of its own; the cases of a test run side by side, each
under its own X server, since most of their time is the shutdown picture."""

import glob
import os
import random
import shutil
import signal
import subprocess
import unittest

from harness import Game, XServer, wait_until


def garbage(path, seed=7):
    with open(path, "wb") as f:
        f.write(random.Random(seed).randbytes(3000))


def palettised(path):
    """Replaces the picture by a 256-colour palettised copy of itself under
    the same name (BMP for ".jpg" and ".bmp", PNG for ".png")."""
    kind = "PNG8" if path.endswith(".png") else "BMP3"
    subprocess.run(["convert", path, "-type", "Palette", "-colors", "200", kind + ":" + path + ".new"],
                   check=True)
    os.replace(path + ".new", path)


def first(folder, pattern="*"):
    return sorted(glob.glob(os.path.join(folder, pattern)))[0]


class Runs:
    """Several games started side by side, one X server each."""

    def __init__(self, test, cases):
        self.games = {}
        for name, prepare in cases.items():
            x = XServer.xvfb()
            test.addCleanup(x.close)
            game = Game(x, prepare=prepare)
            test.addCleanup(game.close)
            self.games[name] = game

    def items(self):
        return self.games.items()


class BadData(unittest.TestCase):
    def assert_refused(self, game, message):
        """The game ends by itself with code 0 and its last log line names
        the failure; it never reached the game phase."""
        code = game.wait(40)
        log = game.log_lines()
        self.assertEqual(0, code, "\n".join(log))
        self.assertRegex(log[-1], r"^brightwell 198 " + message, "\n".join(log))
        self.assertFalse(any("703GameLevel::init" in line for line in log), "\n".join(log))

    def test_missing_or_empty_folders_and_a_missing_start_up_picture(self):
        def remove(name):
            return lambda folder: shutil.rmtree(os.path.join(folder, name))

        def empty(name):
            def prepare(folder):
                for path in glob.glob(os.path.join(folder, name, "*")):
                    os.remove(path)
            return prepare

        def empty_row(folder):
            for path in glob.glob(os.path.join(folder, "BMP/palace/2.*")):
                os.remove(path)

        runs = Runs(self, {
            "no frame folder": remove("BMP/frame"),
            "empty background folder": empty("BMP/background"),
            "no palace folder": remove("BMP/palace"),
            "no start-up picture": lambda folder: os.remove(os.path.join(folder,
                                                                         "BMP/startup.jpg")),
            "empty person folder": empty("BMP/person"),
            "empty palace row": empty_row,
        })
        expected = {
            "no frame folder": "Path must be exists directory",
            "empty background folder": "Unable to find backround images",
            "no palace folder": "Path must be exists directory",
        }
        for name, game in runs.items():
            with self.subTest(name):
                if name in expected:
                    self.assert_refused(game, expected[name])
                elif name == "no start-up picture":
                    # The message box of the picture check waits for Enter.
                    box = game.server.find_window("Brickwork Garden", 20)
                    self.assertIsNotNone(box, "no message box")
                    game.server.key("Return", window=box)
                    self.assert_refused(game, "Some file was corrupted")
                else:
                    # A row or folder without pictures leaves a cell showing
                    # what it showed; every folder can still be shown.
                    game.wait_until_playing()
                    game.server.key("n", "n", "n", "N")
                    self.assertTrue(wait_until(lambda: sum(
                        " Add brick to cell " in line for line in game.log_lines()) >= 3, 3))
                    self.assertTrue(game.running())
                    game.signal(signal.SIGTERM)
                    self.assertEqual(0, game.wait(20))

    def test_pictures_replaced_by_garbage_or_palettised_pictures(self):
        cases = {}
        for folder, pattern in (("palace", "1.*.png"), ("background", "1.*"), ("frame", "1.*"),
                                ("button", "clear 01.png")):
            for damage in (garbage, palettised):
                def prepare(game_folder, folder=folder, pattern=pattern, damage=damage):
                    damage(first(os.path.join(game_folder, "BMP", folder), pattern))
                cases["%s %s" % (folder, damage.__name__)] = prepare
        runs = Runs(self, cases)
        for name, game in runs.items():
            with self.subTest(name):
                playing = wait_until(
                    lambda: any("703GameLevel::init" in line for line in game.log_lines())
                    or not game.running(), 30)
                self.assertTrue(playing, "the game hangs")
                if game.running():
                    # It plays: pieces are taken and dropped, then it ends.
                    game.server.click(113, 120 + 183 + 79)
                    game.server.move(600, 400)
                    game.server.click(600, 400)
                    self.assertTrue(game.running())
                    game.signal(signal.SIGTERM)
                    self.assertEqual(0, game.wait(20))
                else:
                    self.assert_refused(game, r"\S")

    def test_damaged_mask_files_neither_crash_nor_stop_play(self):
        damages = ["", "12", "abc def\n", "120\n-5 10 400\n3 99999999999 2\n",
                   "120\n0 0 200\n1 50 10\n" + "7\n" * 5000, "4294967296\n1 2 3\n"]

        def prepare(folder):
            pictures = sorted(glob.glob(os.path.join(folder, "BMP/*/[123].*.png")))
            for number, picture in enumerate(pictures):
                with open(picture + ".mask", "w") as f:
                    f.write(damages[number % len(damages)])
                # Newer than its picture, so that the game takes it as it is.
                os.utime(picture + ".mask", (os.path.getmtime(picture) + 10,) * 2)

        runs = Runs(self, {"damaged masks": prepare})
        game = runs.games["damaged masks"]
        game.wait_until_playing()
        x = game.server
        for key in ("", "n", "n"):
            if key:
                x.key(key)
            for row, spot in ((0, (400, 300)), (1, (600, 400)), (2, (800, 500))):
                x.click(113, 120 + 183 * row + 79)
                x.move(*spot)
                x.click(*spot)
                # Pick the piece up and throw it away again by its middle.
                x.click(spot[0], spot[1], button=3)
        self.assertTrue(game.running())
        x.key("s")
        x.key("l")
        self.assertTrue(wait_until(lambda: os.path.exists(game.path("savegame.txt")), 5))
        self.assertTrue(game.running())
        game.signal(signal.SIGTERM)
        self.assertEqual(0, game.wait(20))


if __name__ == "__main__":
    unittest.main()
