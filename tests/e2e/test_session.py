"""One game played the way a child plays it, from the start-up picture to the
shutdown picture, each step checked on the screen read back and in the files
the game writes."""

import glob
import os
import pathlib
import shutil
import stat
import tempfile
import unittest

from harness import BUTTONS, GAME_DIR, MIDDLE, REST, Game, Picture, Piece, XServer, wait_until

PALACE = [(x, y) for x in range(228, 1000, 9) for y in range(60, 720, 9)]
BORDER = [(x, y) for x in range(280, 660, 13) for y in (10, 35, 725, 750)]  # of the frame
# The gallery's shelf and pennant strip, where no thumbnail or button lies.
SHELF = [(x, y) for x in range(150, 880, 37) for y in (745, 760)] + [(x, 4) for x in range(20, 700, 41)]


def pictures(pattern):
    return [Picture.from_file(p) for p in sorted(glob.glob(os.path.join(GAME_DIR, pattern)))]


def laid(saved):
    """The pieces of a saved game, topmost first: (picture, left, top)."""
    words, pieces = saved.split(), []
    for number, word in enumerate(words):
        if word.startswith("BMP/") and not word.startswith(("BMP/background/", "BMP/frame/")):
            at = number + (1 if pieces else 3)  # the first position follows its class's
            pieces.append((word, int(words[at]), int(words[at + 1])))
    return pieces


def tinted(shot, before, points):
    """Less red (the first tint steps dim it), as much green."""
    red, green = ([sum(s.pixel(*p)[c] for p in points) for s in (shot, before)] for c in (0, 1))
    return red[0] < 0.85 * red[1] and green[0] > 0.95 * green[1]


class Session(unittest.TestCase):
    def setUp(self):
        # Read first: the start-up picture shows only while the level loads.
        self.shutdown, self.startup = pictures("BMP/s*.jpg")
        self.desktop = tempfile.mkdtemp(prefix="brickwork-desktop-")
        self.addCleanup(shutil.rmtree, self.desktop, True)
        # The desktop's wallpaper tool, recording its arguments.
        with open(os.path.join(self.desktop, "feh"), "w") as f:
            # Slow: the screen comes back more than a second after the click.
            f.write('#!/bin/sh\nsleep 1.2\nprintf "%%s\\n" "$@" > "%s/feh.args"\n' % self.desktop)
        os.chmod(os.path.join(self.desktop, "feh"), stat.S_IRWXU)
        self.x = XServer.xvfb()
        self.addCleanup(self.x.close)
        self.game = Game(self.x, env={"PATH": self.desktop + ":" + os.environ["PATH"],
                                      "XDG_DATA_HOME": self.desktop, "XDG_CURRENT_DESKTOP": ""})
        self.addCleanup(self.game.close)

    def screen(self, condition, what, timeout=20):
        """The first screenshot that satisfies condition; fails with what."""
        shot = wait_until(lambda: (lambda s: condition(s) and s)(self.x.screenshot()), timeout)
        self.assertTrue(shot, what + "\n" + self.game.report())
        return shot

    def shows(self, points, what, there=True):
        """The screen differs from the empty palace at the points (or not)."""
        return self.screen(lambda s: (lambda d: d >= 0.8 if there else d <= 0.05)(
            s.differs(self.empty, points)), what)

    def control(self, shot, name, state):
        """The control shows its picture of the state ("01" to "04")."""
        picture = Picture.from_file(os.path.join(GAME_DIR, "BMP/button/%s %s.png" % (name, state)))
        left, top = BUTTONS[name][0] - 24, BUTTONS[name][1] - 24
        return all(max(abs(a - b) for a, b in zip(shot.pixel(left + x, top + y), picture.pixel(x, y)))
                   <= 24 for x in range(8, 41, 4) for y in range(8, 41, 4))

    def resave(self, action):
        """The saved game written afresh by the action."""
        saved = pathlib.Path(self.game.path("savegame.txt"))
        saved.unlink()
        self.act(action)
        self.assertTrue(wait_until(saved.exists, 20), action + " saved nothing")
        return saved.read_bytes()

    def act(self, action):
        """A toolbar control clicked (then the mouse moved away), or keys."""
        if action in BUTTONS:
            self.x.click(*BUTTONS[action])
            self.x.move(*REST)
        else:
            self.x.key(action)

    def take(self, piece):
        """Takes the piece from its cell and carries it into the palace."""
        started = lambda: sum(" start drag(%s) " % piece.name in l for l in self.game.log())
        before = started()
        self.x.click(*piece.in_cell())
        self.assertTrue(wait_until(lambda: started() > before, 20), "no drag of " + piece.name)
        self.x.move(300, 400)

    def lay(self, piece, centre):
        self.take(piece)
        self.x.click(*centre)
        self.x.move(*REST)
        # Right of the frame's inner border, which is drawn over the pieces.
        self.shows([p for p in piece.at(centre) if p[0] > 256], "%s not laid" % piece.name)

    def test_a_child_plays_one_game(self):
        x, game = self.x, self.game
        self.screen(lambda s: s.matches(self.startup), "the start-up picture never showed", 60)
        game.wait_until_playing()
        x.move(*REST)
        self.assertTrue(x.cursor_shown(), "no pointer over the game")
        # The desktop finds the game's entry by the window's class.
        self.assertIn('WM_CLASS(STRING) = "brickwork-garden", "brickwork-garden"',
                      x.run("xprop", "-id", x.find_window("123"), "WM_CLASS"))
        # No print server: the print button is grey too.
        self.screen(lambda s: all(self.control(s, c, "04") for c in ("undo", "redo", "print")),
                    "undo, redo and print do not look inactive at the start")

        backgrounds, frames = pictures("BMP/background/*"), pictures("BMP/frame/*")
        for action, background, frame in ((None, 0, 0), ("b", 1, 0), ("background", 2, 0),
                                          ("B", 1, 0), ("f", 1, 1), ("frame", 1, 2), ("F", 1, 1)):
            if action:
                self.act(action)
            self.screen(lambda s: s.matches(backgrounds[background], MIDDLE) and
                        s.matches(frames[frame], BORDER),
                        "not background %d, frame %d after %s" % (background, frame, action))
        self.empty = x.screenshot()

        # Folders by keys and buttons; a cell's arrows page through its row.
        cells = lambda: [l.rsplit(" ", 1)[1] for l in game.log() if " Add brick to cell " in l]
        for action, folder in (("n", "decoration"), ("N", "person"), ("palace", "palace"),
                               ("decoration", "decoration"), ("person", "person"),
                               ("n", "palace")):
            shown = len(cells())
            self.act(action)
            self.assertTrue(wait_until(lambda: len(cells()) == shown + 3, 20), action)
            self.assertEqual(["BMP/%s/%d." % (folder, row) for row in (1, 2, 3)],
                             [name[:len(folder) + 7] for name in cells()[shown:]], action)
        # A row of nine: both ways round its ends.
        for forward, picture in ((1, "chimney"), (0, "bridge"), (0, "turret"), (0, "tower"),
                                 (1, "turret"), (1, "bridge")):
            shown = len(cells())
            x.click(158 if forward else 68, 474)  # the arrows under the second cell
            self.assertTrue(wait_until(lambda: len(cells()) == shown + 1, 20))
            self.assertEqual("BMP/palace/2.%s.png" % picture, cells()[-1])

        # A gate; a bridge laid into the toolbar is cut at its edge.
        gate, bridge = Piece(game, "palace/1.gate.png"), Piece(game, "palace/2.bridge.png")
        self.lay(gate, (420, 200))
        self.lay(bridge, (250, 560))
        under_toolbar = [p for p in bridge.at((250, 560)) if p[0] < 216]
        self.screen(lambda s: s.matches(self.empty, under_toolbar, 8), "a bridge over the toolbar")

        # Battlements stamped twice by right clicks while carried, then laid.
        battlements = Piece(game, "palace/3.battlements.png")
        self.take(battlements)
        spots = [(600, 140), (740, 140), (880, 140)]
        for spot, button in zip(spots, (3, 3, 1)):
            x.move(*spot)
            x.click(*spot, button=button)
        x.move(*REST)
        self.shows(sum((battlements.at(spot) for spot in spots), []), "not three battlements")

        # A gate carried back over the toolbar is thrown away.
        self.take(gate)
        for spot in ((650, 330), (100, 330), (650, 330)):
            x.move(*spot)
        x.click(650, 330)
        x.move(*REST)
        self.shows(gate.at((650, 330)), "a piece carried over the toolbar was laid", False)

        # A dog mirrored, resized and tinted by keys while carried, then laid
        # and changed again by the toolbar's buttons (they act on the piece
        # laid last).
        self.act("person")
        dog, centre = Piece(game, "person/3.dog.png"), (560, 420)
        self.take(dog)
        x.move(*centre)
        self.check_changes(dog, centre, ("Right", "Left", "Up", "Down", "i"))
        x.click(*centre)
        x.move(*REST)
        self.check_changes(dog, centre, ("mirror", "mirror", "larger", "smaller", "next colour"))

        # A king picked up and laid lower; the gate removed by a right click,
        # not carried to where the next left click is.
        king = Piece(game, "person/1.king.png")
        self.lay(king, (800, 330))
        for spot, button in ((king.at((800, 330))[len(king.points) // 2], 1),
                             (gate.at((420, 200))[0], 3)):
            x.click(*spot, button=button)
            x.move(spot[0], spot[1] + 250)
            x.click(spot[0], spot[1] + 250)
        x.move(*REST)
        self.shows(king.at((800, 580)), "the king was not carried lower")
        self.shows(king.at((800, 330)) + gate.at((420, 200)) + gate.at((420, 450)),
                   "the king or the gate stayed, or the gate came back", False)
        scene = x.screenshot()

        # A saved picture shows the scene without toolbar and frame, the
        # bridge whole; the wallpaper is a copy of another one, set by feh.
        x.key("p")
        shots = lambda: sorted(glob.glob(game.path("PrintScreen/*.bmp")))
        self.assertTrue(wait_until(shots, 20), "no picture saved")
        self.screen(lambda s: s.matches(scene, PALACE + list(BUTTONS.values()), 2),
                    "the scene did not come back after the picture")
        picture = Picture.from_file(shots()[0])
        self.assertTrue(picture.matches(scene, MIDDLE, 2), "the picture is not the scene")
        self.assertTrue(wait_until(game.copies, 20), "no PNG copy for the family")
        self.assertEqual(picture.data, Picture.from_file(game.copies()[0]).data)
        self.assertGreater(picture.differs(backgrounds[1], under_toolbar), 0.8,
                           "the picture shows the bridge cut at the toolbar's edge")
        x.key("w")  # no input after it: the game alone must show the scene again
        args = pathlib.Path(self.desktop, "feh.args")
        self.assertTrue(wait_until(lambda: args.exists() and args.read_text().count("\n") == 2,
                                   20), "feh was not run")
        option, path = args.read_text().split("\n")[:2]
        self.assertEqual(("--bg-fill", self.desktop + "/backgrounds"),
                         (option, os.path.dirname(path)))
        self.assertEqual(pathlib.Path(path).read_bytes(), pathlib.Path(
            game.path("PrintScreen"), os.path.basename(path)).read_bytes())
        self.screen(lambda s: s.matches(scene, PALACE + list(BUTTONS.values()), 2),
                    "the scene did not come back after the wallpaper")

        # Saved, cleared, loaded, saved again: the same file.
        saved = pathlib.Path(game.path("savegame.txt"))
        x.key("s")
        self.assertTrue(wait_until(saved.exists, 20), "s saved nothing")
        self.act("clear")
        self.screen(lambda s: s.matches(self.empty, PALACE, 8), "clear left pieces")
        x.key("l")
        self.screen(lambda s: s.matches(scene, PALACE, 2), "l did not load the saved scene")
        first = saved.read_bytes()
        self.assertEqual(first, self.resave("save"), "the re-saved game differs")

        # The load and the clear taken back and brought again by keys (Caps
        # Lock, which GLUT takes for Shift, keeps Ctrl+Z an undo) and buttons;
        # a new step drops what could be redone. A piece carried
        # vanishes on undo, a piece picked up goes back where it lay.
        x.key("Caps_Lock")
        self.act("ctrl+z")
        self.screen(lambda s: s.matches(self.empty, PALACE, 8), "no undo with Caps Lock on")
        x.key("Caps_Lock")
        for action, shows in (("ctrl+z", scene), ("ctrl+y", self.empty), ("ctrl+shift+z", scene),
                              ("undo", self.empty), ("redo", scene)):
            self.act(action)
            self.screen(lambda s: s.matches(shows, PALACE, 8), action + " did not show the step")
        self.screen(lambda s: self.control(s, "redo", "04"), "redo active with nothing to redo")
        self.act("undo")
        self.screen(lambda s: self.control(s, "redo", "01"), "redo inactive after an undo")
        for action in ("b", "B", "ctrl+y"):
            self.act(action)
        self.screen(lambda s: s.matches(self.empty, PALACE, 8) and self.control(s, "redo", "04"),
                    "a new step did not drop the redo")
        for _ in range(3):
            self.act("ctrl+z")
        self.screen(lambda s: s.matches(scene, PALACE, 2), "the scene did not come back")
        self.take(king)
        x.move(650, 330)
        x.key("ctrl+z")
        x.click(650, 330)
        spot = king.at((800, 580))[len(king.points) // 2]
        x.click(*spot)
        x.move(500, 200)
        x.key("ctrl+z")
        x.move(*REST)
        self.screen(lambda s: s.matches(scene, PALACE, 2), "a carried piece stayed after undo")
        self.assertEqual(first, self.resave("s"), "undo and redo changed the saved game")

        # Held and dragged, and tapped as a finger taps (a jump of the pointer
        # and a click): a gate, then battlements let go 3 right of and 2
        # above its top, and a bridge 2 right of its right side, snap to it.
        self.act("palace")
        spots = ((gate, (500, 400)), (battlements, (503, 323)), (bridge, (642, 410)))
        for way in ("dragged", "tapped"):
            self.act("clear")
            for number, (piece, centre) in enumerate(spots):
                if way == "tapped":
                    x.click(*piece.in_cell())
                    x.click(*centre)
                elif number < 2:  # smoothly
                    start = piece.in_cell()
                    x.drag(*[(start[0] + (centre[0] - start[0]) * i // 8,
                              start[1] + (centre[1] - start[1]) * i // 8) for i in range(9)])
                else:  # with one jump
                    x.drag(piece.in_cell(), centre)
            x.move(*REST)
            self.shows(sum((piece.at(centre) for piece, centre in spots), []), way + ": not laid")
            self.assertEqual([(bridge.name, 560, 380), (battlements.name, 440, 310),
                              (gate.name, 440, 340)], laid(self.resave("s").decode()), way)
        self.act("person")

        # A damaged saved game clears the palace, and play goes on.
        saved.write_text("22 serialization::archive 99 no saved game\n")
        self.act("load")
        self.screen(lambda s: s.matches(self.empty, PALACE, 8), "the damaged load kept pieces")
        guard = Piece(game, "person/2.guard.png")
        self.lay(guard, (700, 300))

        # Every palace kept: the guard's, then, after a clear, the king's;
        # the gallery shows the newest first, and opens the one chosen.
        gallery, panel = pathlib.Path(game.path("gallery")), pictures("BMP/gallery/panel.png")[0]
        holding = lambda name: [p for p in gallery.glob("*.txt") if name in p.read_text()]
        self.assertTrue(wait_until(lambda: holding("2.guard"), 20), "the guard's palace not kept")
        self.assertTrue(wait_until(lambda: holding("2.guard")[0].with_suffix(".png").exists(), 20),
                        "the kept palace got no thumbnail before the gallery opened")
        self.act("clear")
        self.lay(king, (500, 400))
        for keys, shows, hides in ((("g", "Right", "Return"), guard.at((700, 300)), king),
                                   (("gallery", "Right", "Return"), king.at((500, 400)), guard)):
            for key in keys:
                self.act(key)
                if key in ("g", "gallery"):
                    self.screen(lambda s: s.matches(panel, SHELF), "no gallery after " + key)
            self.shows(shows, "%s did not open the palace" % (keys,))
            self.shows(hides.at((500, 400) if hides is king else (700, 300)), "two palaces", False)
            if hides is king:
                # Changed while in play, it comes back changed.
                self.lay(dog, (400, 560))
                self.assertTrue(wait_until(lambda: "3.dog" in holding("2.guard")[0].read_text(), 20))
        self.act("g")
        self.act("Right")
        self.act("Return")
        self.shows(guard.at((700, 300)) + dog.at((400, 560)), "the guard's palace lost the dog")
        # Opening is a step that undo takes back.
        self.act("ctrl+z")
        self.shows(king.at((500, 400)), "undo did not take the opening back")
        # The bin throws the highlighted palace into the desktop's trash;
        # Escape closes the gallery, and the game goes on.
        doomed = holding("2.guard")
        self.act("g")
        self.act("Right")
        self.act("Delete")
        trash = pathlib.Path(self.desktop, "Trash")
        # The palace goes first, its thumbnail after it.
        thrown = (doomed[0], doomed[0].with_suffix(".png"))
        self.assertTrue(wait_until(lambda: not any(p.exists() for p in thrown), 20),
                        "Delete left the palace")
        for kept in thrown:
            self.assertEqual(kept.name, next((trash / "files").glob(kept.name)).name)
            info = (trash / "info" / (kept.name + ".trashinfo")).read_text()
            self.assertIn("Path=" + str(kept).replace(" ", "%20"), info)
        self.act("Escape")
        self.screen(lambda s: s.differs(self.empty, king.at((500, 400))) >= 0.8 and self.control(
            s, "gallery", "01"), "Escape did not close the gallery")
        self.assertNotIn("brightwell 198 exit", game.log(), "Escape in the gallery ended the game")

        # The exit button: the shutdown picture, then exit code 0.
        self.act("exit")
        self.screen(lambda s: s.matches(self.shutdown), "the shutdown picture never showed")
        self.assertEqual(0, game.wait(40))
        self.assertEqual("brightwell 198 exit", game.log()[-1])
        # Palaces kept, opened, thrown away, the game ended: no lock is left.
        self.assertEqual([], list((gallery / ".locks").iterdir()))

    def check_changes(self, piece, centre, actions):
        """actions: mirror, mirror back, larger (twice), smaller (twice), tint
        (twice), each checked on the screen against the piece before them."""
        points, mirrored = piece.at(centre), piece.at(centre, mirrored=True)
        before = self.shows(points, "%s is not at %s" % (piece.name, centre))
        area = [(x, y) for x in range(centre[0] - 120, centre[0] + 120, 3)
                for y in range(centre[1] - 120, centre[1] + 120, 3)]
        size = before.differs(self.empty, area)
        checks = (
            lambda s: s.differs(before, points) > 0.2 and sum(
                s.pixel(*m) == before.pixel(*p) for p, m in zip(points, mirrored))
            >= 0.6 * len(points),
            lambda s: s.matches(before, points, 8),
            lambda s: s.differs(self.empty, area) > size * 1.25,
            lambda s: s.matches(before, area, 8),
            lambda s: tinted(s, before, points))
        for number, (action, check) in enumerate(zip(actions, checks)):
            for _ in range(1 if number < 2 else 2):
                self.act(action)
            self.screen(check, "%s did not change %s as it should" % (action, piece.name))
