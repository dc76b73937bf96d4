"""Keeping the scene, end to end: the saved game, the saved picture and the
wallpaper request in the running game."""

import glob
import os
import shutil
import stat
import tempfile
import unittest

from harness import Game, Picture, XServer, wait_until

# The middle of the palace: no toolbar, no frame border, no cursor there.
MIDDLE = [(x, y) for x in range(320, 900, 37) for y in range(120, 640, 41)]


def drag_lines(game):
    return sum(" start drag(" in line for line in game.log_lines())


def take_piece(x, game, row):
    """Clicks over the picture cell of the toolbar row until a drag starts."""
    top = 120 + 183 * row
    for py in range(top + 30, top + 160, 16):
        for px in range(40, 200, 16):
            before = drag_lines(game)
            x.click(px, py)
            if wait_until(lambda: drag_lines(game) > before, 0.4):
                return True
    return False


def build_pieces(test, x, game):
    for row, drop in ((0, (420, 330)), (1, (640, 450)), (2, (820, 250))):
        test.assertTrue(take_piece(x, game, row), "no drag started in row %d" % row)
        x.move(*drop)
        x.click(*drop)
    x.move(150, 20)


def read(path):
    with open(path, "rb") as f:
        return f.read()


class SavedGame(unittest.TestCase):
    def test_build_save_clear_load_save_gives_the_same_file(self):
        with XServer.xvfb() as x, Game(x) as game:
            game.wait_until_playing()
            build_pieces(self, x, game)
            built = x.screenshot()

            x.key("s")
            saved = game.path("savegame.txt")
            self.assertTrue(wait_until(lambda: os.path.exists(saved), 5), "nothing saved")
            first = read(saved)
            self.assertIn(b"22 serialization::archive 18 ", first)
            self.assertEqual(3, first.count(b"BMP/") - 2, first)

            x.click(180, 690)  # the clear button
            self.assertTrue(wait_until(lambda: not x.screenshot().matches(built, MIDDLE), 5),
                            "clearing changed nothing")
            x.key("l")
            self.assertTrue(wait_until(lambda: x.screenshot().matches(built, MIDDLE, 2), 5),
                            "the loaded scene is not the built one")

            os.rename(saved, game.path("first.txt"))
            x.key("s")
            self.assertTrue(wait_until(lambda: os.path.exists(saved), 5), "nothing saved")
            self.assertEqual(first, read(saved))
            self.assertTrue(game.running())

    def test_damaged_saved_game_clears_the_palace_and_play_goes_on(self):
        with XServer.xvfb() as x, Game(x) as game:
            game.wait_until_playing()
            empty = x.screenshot()
            build_pieces(self, x, game)
            with open(game.path("savegame.txt"), "w") as f:
                f.write("22 serialization::archive 18 0 0 0 0 99999999999 1 0 1 3 1 0\n")
            x.key("l")
            self.assertTrue(wait_until(lambda: x.screenshot().matches(empty, MIDDLE, 2), 5),
                            "the palace was not cleared")
            self.assertTrue(game.running())

    def test_saved_picture_shows_the_scene(self):
        with XServer.xvfb() as x, Game(x) as game:
            game.wait_until_playing()
            build_pieces(self, x, game)
            on_screen = x.screenshot()
            x.key("p")
            shots = lambda: glob.glob(game.path("PrintScreen/*.bmp"))
            self.assertTrue(wait_until(shots, 5), "no picture saved")
            self.assertEqual(1, len(shots()))
            name = os.path.basename(shots()[0])
            self.assertRegex(name, r"^\d{4}-\d\d-\d\d \d\d-\d\d-\d\d\.bmp$")
            picture = Picture.from_file(shots()[0])
            self.assertEqual((1024, 768), (picture.width, picture.height))
            self.assertTrue(picture.matches(on_screen, MIDDLE, 2))
            self.assertTrue(game.running())

    def test_wallpaper_request_installs_a_copy(self):
        bin_folder = tempfile.mkdtemp(prefix="brickwork-fakes-")
        data_home = tempfile.mkdtemp(prefix="brickwork-data-")
        try:
            calls = os.path.join(bin_folder, "calls.txt")
            feh = os.path.join(bin_folder, "feh")
            with open(feh, "w") as f:
                f.write("#!/bin/sh\nfor a in \"$@\"; do printf '%%s\\n' \"$a\"; done >> '%s'\n"
                        % calls)
            os.chmod(feh, stat.S_IRWXU)
            with XServer.xvfb() as x:
                x.env["PATH"] = bin_folder + ":" + x.env.get("PATH", "/usr/bin:/bin")
                x.env["XDG_DATA_HOME"] = data_home
                x.env.pop("XDG_CURRENT_DESKTOP", None)
                with Game(x) as game:
                    game.wait_until_playing()
                    build_pieces(self, x, game)
                    x.key("w")
                    self.assertTrue(wait_until(lambda: os.path.exists(calls), 10),
                                    "no wallpaper tool ran")
                    shot = glob.glob(game.path("PrintScreen/*.bmp"))
                    self.assertEqual(1, len(shot))
                    copy = os.path.join(data_home, "backgrounds", os.path.basename(shot[0]))
                    with open(calls) as f:
                        self.assertEqual(["--bg-fill", copy], f.read().splitlines())
                    self.assertEqual(read(shot[0]), read(copy))
                    self.assertTrue(game.running())
        finally:
            shutil.rmtree(bin_folder, ignore_errors=True)
            shutil.rmtree(data_home, ignore_errors=True)


if __name__ == "__main__":
    unittest.main()
