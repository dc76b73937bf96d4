"""Every toolbar control and every key of the game, end to end: what each one
leaves in the log, in the files the game writes and on the screen, and that
the capital letters without a command do nothing."""

import glob
import os
import re
import shutil
import stat
import tempfile
import time
import unittest

from harness import Game, Picture, XServer, wait_until
from test_save import MIDDLE, take_piece


def button_rects(game):
    """The screen rectangle (left, top, right, bottom) of every toolbar
    control, laid out from the sizes of the game's button pictures the way the
    toolbar lays them out."""
    def size(stem):
        picture = Picture.from_file(game.path("BMP/button/%s01.png" % stem))
        return picture.width, picture.height

    def at(left, top, stem):
        w, h = size(stem)
        return (left, top, left + w, top + h)

    r = {}
    r["background"] = at(26, 670, "background ")
    r["frame"] = at(91, 670, "frame ")
    r["clear"] = at(156, 670, "clear ")
    r["save picture"] = at(r["background"][0] + 2, r["background"][3] + 2, "save picture ")
    r["wallpaper"] = at(r["save picture"][2] + 5, r["save picture"][1], "wallpaper ")
    r["save"] = at(r["save picture"][0], r["save picture"][3] + 3, "save ")
    r["load"] = at(r["wallpaper"][0], r["wallpaper"][3] + 3, "load ")
    r["previous colour"] = at(25, 97, "arrow color ")
    r["next colour"] = at(25 + 90, 97, "arrow color ")
    r["folder 1"] = at(30, 26, "folder 1.")
    r["folder 2"] = at(r["folder 1"][2] + 8, 26, "folder 2.")
    r["folder 3"] = at(r["folder 2"][2] + 8, 26, "folder 3.")
    r["exit"] = at(1000, 0, "exit ")
    r["mirror"] = at(890, 5, "mirror ")
    r["smaller"] = at(r["folder 1"][0] - 5, r["folder 1"][3] + 5, "dec size ")
    r["check box"] = at(r["smaller"][2] + 2, r["smaller"][1] - 3, "checkbox ")
    r["larger"] = at(r["check box"][2] + 2, r["check box"][1] + 3, "dec size ")
    for row in range(3):
        top = 120 + 183 * row + 160
        r["previous %d" % row] = at(23 + 1, top, "arrow ")
        r["next %d" % row] = at(23 + 91, top, "arrow ")
    return r


def press(x, game, control):
    """Clicks the middle of a toolbar control, then moves the mouse off it."""
    left, top, right, bottom = button_rects(game)[control]
    x.click((left + right) // 2, (top + bottom) // 2)
    x.move(600, 690)


class SavedBrick:
    """One brick of a saved game, read from the tokens the game writes."""

    def __init__(self, clipped, tint, name, fields):
        self.clipped = clipped == "1"
        self.tint = tuple(float(t) for t in tint)
        self.name = name
        x, y, mirror, step, size = fields[:5]
        self.position = (int(x), int(y))
        self.mirror = mirror == "1"
        self.step = int(step)
        self.size = int(size)
        self.screen_rect = tuple(int(v) for v in fields[5:9])
        self.source_rect = tuple(int(v) for v in fields[9:13])


FLOAT = re.compile(r"-?\d\.\d+e[+-]\d+")


def saved_bricks(path):
    """The bricks of a saved game, topmost first. The first object of each
    class carries the library's class information (two tokens) in front of
    it; later ones do not."""
    with open(path) as f:
        tokens = f.read().split()
    bricks = []
    at = 0
    while at < len(tokens):
        # Floats are written only for the tint, in exponent form.
        if not FLOAT.fullmatch(tokens[at]):
            at += 1
            continue
        first = not bricks
        clipped = tokens[at - 3] if first else tokens[at - 1]
        tint = tokens[at:at + 3]
        name = tokens[at + 4]
        rest = tokens[at + 5:]
        if first:
            rest = rest[2:5] + rest[7:9] + rest[11:19]
        bricks.append(SavedBrick(clipped, tint, name, rest[:13]))
        at += 5 + (19 if first else 13)
    return bricks


def start_playing(test):
    """Gives test a private Xvfb (test.x) and a game in its game phase
    (test.game), both closed at clean-up, with the mouse resting below the
    scene and the empty screen in test.empty."""
    test.x = XServer.xvfb()
    test.addCleanup(test.x.close)
    test.game = Game(test.x)
    test.addCleanup(test.game.close)
    test.game.wait_until_playing()
    test.x.move(600, 690)
    test.empty = test.x.screenshot()


def lines_like(game, text):
    return sum(text in line for line in game.log_lines())


class Controls(unittest.TestCase):
    def setUp(self):
        start_playing(self)

    def save(self, how):
        """Saves through how() and returns the bricks in the new file."""
        saved = self.game.path("savegame.txt")
        if os.path.exists(saved):
            os.remove(saved)
        how()
        self.assertTrue(wait_until(lambda: os.path.exists(saved), 5), "nothing saved")
        return saved_bricks(saved)

    def drop(self, row, spot):
        self.assertTrue(take_piece(self.x, self.game, row), "no drag started in row %d" % row)
        self.x.move(*spot)
        self.x.click(*spot)
        self.x.move(600, 690)

    def test_folders_by_key_and_cell_arrows(self):
        cells = lambda: [line.rsplit(" ", 1)[1] for line in self.game.log_lines()
                         if " Add brick to cell " in line]
        shown = len(cells())
        for key, folder in (("n", "decoration"), ("N", "person"), ("n", "palace"),
                            ("N", "decoration")):
            self.x.key(key)
            self.assertTrue(wait_until(lambda: len(cells()) == shown + 3, 3),
                            "%s did not refill the cells" % key)
            self.assertTrue(all(c.startswith("BMP/%s/" % folder) for c in cells()[shown:]),
                            "%s showed %s" % (key, cells()[shown:]))
            shown += 3

        row = sorted(n for n in os.listdir(self.game.path("BMP/decoration"))
                     if n.startswith("2.") and n.endswith((".png", ".bmp")))[:3]
        steps = (("next 1", row[1]), ("next 1", row[2]), ("next 1", row[0]),
                 ("previous 1", row[2]), ("previous 1", row[1]))
        for control, expected in steps:
            press(self.x, self.game, control)
            self.assertTrue(wait_until(lambda: len(cells()) == shown + 1, 3),
                            "the %s arrow did nothing" % control)
            self.assertEqual("BMP/decoration/" + expected, cells()[-1])
            shown += 1
        # The other rows kept their pictures.
        self.assertFalse(any("/1." in c or "/3." in c for c in cells()[-5:]))

    def test_save_and_load_by_key_and_button_capitals_do_nothing(self):
        saved = self.game.path("savegame.txt")
        self.drop(0, (420, 330))
        self.x.key("S")
        time.sleep(1)
        self.assertFalse(os.path.exists(saved), "S saved the game")
        self.assertEqual(1, len(self.save(lambda: self.x.key("s"))))

        self.drop(1, (640, 450))
        built = self.x.screenshot()
        bricks = self.save(lambda: press(self.x, self.game, "save"))
        self.assertEqual(["BMP/palace/2.", "BMP/palace/1."], [b.name[:13] for b in bricks])

        for load in (lambda: press(self.x, self.game, "load"), lambda: self.x.key("l")):
            press(self.x, self.game, "clear")
            self.assertTrue(wait_until(lambda: self.x.screenshot().matches(self.empty, MIDDLE), 5),
                            "the clear button left bricks")
            self.x.key("L")
            time.sleep(1)
            self.assertTrue(self.x.screenshot().matches(self.empty, MIDDLE), "L loaded the game")
            load()
            self.assertTrue(wait_until(lambda: self.x.screenshot().matches(built, MIDDLE, 2), 5),
                            "the saved palace did not come back")
        self.assertTrue(self.game.running())

    def test_pictures_and_wallpapers_by_key_and_button(self):
        fakes = tempfile.mkdtemp(prefix="brickwork-fakes-")
        self.addCleanup(shutil.rmtree, fakes, True)
        calls = os.path.join(fakes, "calls.txt")
        with open(os.path.join(fakes, "feh"), "w") as f:
            f.write("#!/bin/sh\necho \"$2\" >> '%s'\n" % calls)
        os.chmod(os.path.join(fakes, "feh"), stat.S_IRWXU)
        self.game.close()
        self.x.env["PATH"] = fakes + ":" + self.x.env.get("PATH", "/usr/bin:/bin")
        self.x.env["XDG_DATA_HOME"] = fakes
        self.x.env.pop("XDG_CURRENT_DESKTOP", None)
        self.game = Game(self.x)
        self.addCleanup(self.game.close)
        self.game.wait_until_playing()
        self.drop(2, (500, 400))

        shots = lambda: sorted(glob.glob(self.game.path("PrintScreen/*.bmp")))

        def wallpapers():
            if not os.path.exists(calls):
                return []
            with open(calls) as f:
                return f.read().splitlines()

        # Pictures are named by the second they were taken in.
        for number, (act, wallpaper) in enumerate(
                ((lambda: self.x.key("p"), False), (lambda: self.x.key("P"), False),
                 (lambda: press(self.x, self.game, "save picture"), False),
                 (lambda: self.x.key("w"), True), (lambda: self.x.key("W"), True),
                 (lambda: press(self.x, self.game, "wallpaper"), True),
                 (lambda: self.x.key("W", "P"), False)), 1):
            time.sleep(1.05)
            before = len(wallpapers())
            act()
            self.assertTrue(wait_until(lambda: len(shots()) == number, 5),
                            "picture %d was not saved" % number)
            if wallpaper:
                self.assertTrue(wait_until(lambda: len(wallpapers()) == before + 1, 10),
                                "picture %d was not made the wallpaper" % number)
                self.assertEqual(os.path.basename(shots()[-1]),
                                 os.path.basename(wallpapers()[-1]))
        time.sleep(1)
        self.assertEqual(3, len(wallpapers()), "P after W still set the wallpaper")
        for shot in shots():
            self.assertTrue(Picture.from_file(shot).matches(self.x.screenshot(), MIDDLE, 2))

    def test_tint_mirror_and_size_of_dragged_and_selected_pieces(self):
        self.assertTrue(take_piece(self.x, self.game, 0))
        self.x.move(500, 400)
        tints = lambda: (lines_like(self.game, "OpenGL 682 "), lines_like(self.game, "OpenGL 722 "))
        for key, expected in (("i", (1, 0)), ("i", (2, 0)), ("u", (2, 1)), ("I", (2, 1)),
                              ("U", (2, 1))):
            self.x.key(key)
            time.sleep(0.3)
            self.assertEqual(expected, tints(), "after the key " + key)
        self.x.key("Right", "Up", "Up", "Down")
        self.x.click(500, 400)
        self.x.move(600, 690)
        # Arrows act only on a carried piece.
        self.x.key("Left", "Up")
        (brick,) = self.save(lambda: self.x.key("s"))
        self.assertEqual((1, True, 11), (brick.step, brick.mirror, brick.size))

        # The toolbar's controls act on the selected (last dropped) piece.
        press(self.x, self.game, "next colour")
        press(self.x, self.game, "next colour")
        press(self.x, self.game, "previous colour")
        press(self.x, self.game, "mirror")
        cell_fits = lambda: [line.split(") (")[0] for line in self.game.log_lines()
                             if " Add brick to cell " in line]
        fitted = cell_fits()
        press(self.x, self.game, "larger")
        (brick,) = self.save(lambda: self.x.key("s"))
        self.assertEqual((2, False, 12), (brick.step, brick.mirror, brick.size))
        press(self.x, self.game, "smaller")
        press(self.x, self.game, "smaller")
        (brick,) = self.save(lambda: self.x.key("s"))
        self.assertEqual(10, brick.size)
        # The cells were fitted again, at the size they had.
        self.assertEqual(fitted + fitted * 3, cell_fits(), "the cells changed with the box clear")

        # With the box ticked the cells follow the selected piece's size.
        press(self.x, self.game, "check box")
        press(self.x, self.game, "smaller")
        self.assertTrue(wait_until(lambda: len(cell_fits()) == 5 * len(fitted), 3),
                        "the cells were not fitted again with the box ticked")
        (brick,) = self.save(lambda: self.x.key("s"))
        self.assertEqual(9, brick.size)
        self.assertRegex(self.game.log_lines()[-1], r" Add brick to cell \(0,0 : 108,27\) ")
        self.assertTrue(self.game.running())


if __name__ == "__main__":
    unittest.main()
