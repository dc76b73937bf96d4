"""Playing, end to end: the real game on its real pictures, driven with the
mouse and the keys like a child plays it, each step checked in the log and in
a read-back of the screen."""

import os
import re
import unittest

from harness import Game, Picture, XServer, wait_until

CELL_LEFT, CELL_TOP, CELL_STEP = 23, 120, 183
CELL_WIDTH, CELL_HEIGHT = 180, 158
ROW_PATTERN = re.compile(r"^[1-3]\.(.*)\.(png|bmp)$")


class Piece:
    """A toolbar picture with its opaque pixels, read from the ".mask" file the
    game writes beside it."""

    def __init__(self, game, folder, row):
        names = sorted(n for n in os.listdir(game.path("BMP/" + folder))
                       if ROW_PATTERN.match(n) and n[0] == str(row + 1))
        self.name = "BMP/%s/%s" % (folder, names[0])
        self.row = row
        picture = Picture.from_file(game.path(self.name))
        self.width, self.height = picture.width, picture.height
        with open(game.path(self.name + ".mask")) as f:
            numbers = [int(n) for n in f.read().split()]
        runs = [numbers[i:i + 3] for i in range(1, len(numbers) - 2, 3)]
        # Inner opaque points, a little inside each run, so that a shift by a
        # snap of up to three units keeps most of them on the piece.
        self.points = [(c, r) for r, first, end in runs[::4]
                       for c in range(first + 4, end - 4, 9)]
        assert self.points, self.name + " has no solid part"

    def in_cell(self):
        """A screen point on the piece where its cell shows it."""
        left = CELL_LEFT + max(0, (CELL_WIDTH - self.width) // 2)
        top = CELL_TOP + CELL_STEP * self.row + max(0, (CELL_HEIGHT - self.height) // 2)
        visible = [(c, r) for c, r in self.points if c < CELL_WIDTH and r < CELL_HEIGHT]
        c, r = min(visible, key=lambda p: abs(p[0] - self.width / 2) + abs(p[1] - self.height / 2))
        return left + c, top + r

    def at(self, centre, mirrored=False):
        """The screen points of the piece taken from its cell and carried to
        centre (its top-left corner is centre minus half its size)."""
        left, top = centre[0] - self.width // 2, centre[1] - self.height // 2
        return [(left + (self.width - 1 - c if mirrored else c), top + r)
                for c, r in self.points]


def share_changed(before, after, points, tolerance=40):
    """The share of points whose colour differs between two screenshots."""
    changed = sum(any(abs(p - q) > tolerance for p, q in zip(before.pixel(x, y), after.pixel(x, y)))
                  for x, y in points)
    return changed / len(points)


def button_size(game, stem):
    picture = Picture.from_file(game.path("BMP/button/%s01.png" % stem))
    return picture.width, picture.height


class Play(unittest.TestCase):
    def setUp(self):
        self.x = XServer.xvfb()
        self.addCleanup(self.x.close)
        self.game = Game(self.x)
        self.addCleanup(self.game.close)
        self.game.wait_until_playing()
        self.rest()
        self.empty = self.x.screenshot()

    def rest(self):
        """Moves the mouse to a spot of the palace where nothing is built."""
        self.x.move(600, 690)

    def settled(self, condition, what, timeout=5):
        """Waits for the screen to satisfy condition(screenshot)."""
        shot = wait_until(lambda: (lambda s: s if condition(s) else None)(self.x.screenshot()),
                          timeout, step=0.1)
        self.assertIsNotNone(shot, what)
        return shot

    def shows(self, points, what, share=0.8, against=None):
        return self.settled(lambda s: share_changed(against or self.empty, s, points) >= share,
                            what)

    def shows_not(self, points, what, against=None):
        return self.settled(lambda s: share_changed(against or self.empty, s, points) <= 0.05,
                            what)

    def drags_started(self, name):
        return sum(" start drag(%s) " % name in line for line in self.game.log_lines())

    def take(self, piece):
        """Takes the piece from its cell; the start is checked in the log."""
        before = self.drags_started(piece.name)
        self.x.click(*piece.in_cell())
        self.assertTrue(wait_until(lambda: self.drags_started(piece.name) > before, 3),
                        "no drag of %s started" % piece.name)

    def carry(self, piece, centre):
        """Carries the taken piece to centre, going round the toolbar's edge."""
        self.x.move(180, centre[1])
        self.x.move(*centre)

    def folder_buttons(self):
        """The centres of the person, palace and decoration folder buttons."""
        w1, h1 = button_size(self.game, "folder 1.")
        w2, _ = button_size(self.game, "folder 2.")
        w3, _ = button_size(self.game, "folder 3.")
        x2 = 30 + w1 + 8
        x3 = x2 + w2 + 8
        return {"person": (30 + w1 // 2, 26 + h1 // 2), "palace": (x2 + w2 // 2, 26 + h1 // 2),
                "decoration": (x3 + w3 // 2, 26 + h1 // 2)}

    def test_pieces_are_taken_dropped_picked_up_thrown_away_and_stamped(self):
        folders = self.folder_buttons()
        placed = {}
        for folder, centre in (("palace", (360, 230)), ("decoration", (560, 250)),
                               ("person", (840, 530))):
            self.x.click(*folders[folder])
            piece = Piece(self.game, folder, 0)
            self.take(piece)
            self.carry(piece, centre)
            self.x.click(*centre)
            self.rest()
            self.shows(piece.at(centre), "%s was not dropped" % piece.name)
            placed[folder] = (piece, centre)

        # Pick the palace piece up by one of its points and carry it lower.
        piece, centre = placed["palace"]
        grab = piece.at(centre)[len(piece.points) // 2]
        self.x.click(*grab)
        moved = (centre[0] + 40, centre[1] + 300)
        self.x.move(grab[0] + 40, grab[1] + 300)
        self.x.click(grab[0] + 40, grab[1] + 300)
        self.rest()
        self.shows_not(piece.at(centre), "the picked-up piece stayed where it was")
        self.shows(piece.at(moved), "the picked-up piece was not laid down again")

        # Carried back over the toolbar, a piece is thrown away.
        self.x.click(*folders["palace"])
        tower = Piece(self.game, "palace", 1)
        self.take(tower)
        self.carry(tower, (450, 420))
        self.x.move(100, 420)
        self.x.move(450, 420)
        self.x.click(450, 420)
        self.rest()
        self.shows_not(tower.at((450, 420)), "a thrown-away piece was dropped")

        # Right clicks stamp copies while the piece stays carried: two more
        # gates beside the moved one and battlements on all three, a small
        # palace.
        gate = Piece(self.game, "palace", 0)
        battlements = Piece(self.game, "palace", 2)
        for stamped, spots in ((gate, [(moved[0] + gate.width, moved[1]),
                                       (moved[0] + 2 * gate.width, moved[1])]),
                               (battlements, [(moved[0] + k * gate.width,
                                               moved[1] - gate.height // 2
                                               - battlements.height // 2) for k in range(3)])):
            self.take(stamped)
            self.carry(stamped, spots[0])
            for spot in spots:
                self.x.move(*spot)
                self.x.click(spot[0], spot[1], button=3)
            self.x.move(100, spots[-1][1])
            self.rest()
            for spot in spots:
                self.shows(stamped.at(spot), "no stamped copy at %s" % (spot,))
        self.shows_not(battlements.at((100, 600)), "a stamped piece was thrown away with its copies")

        scene = self.x.screenshot(os.path.join(os.environ.get("BUILD_DIR", self.game.folder),
                                               "played-scene.png"))
        self.assertTrue(self.game.running())
        self.assertGreater(share_changed(self.empty, scene, battlements.at(spots[2])), 0.8)

    def test_background_frame_mirror_resize_and_exit(self):
        scene = [(x, y) for x in range(300, 920, 31) for y in range(90, 680, 29)]
        # Along the borders, away from the exit and mirror buttons.
        border = [(x, y) for x in range(280, 860, 13) for y in (10, 35, 725, 750)]

        def pictures(folder):
            names = sorted(n for n in os.listdir(self.game.path(folder))
                           if re.match(r"^(.*)\.(png|bmp|jpg)$", n))
            return [Picture.from_file(self.game.path(folder + "/" + n)) for n in names]

        backgrounds = pictures("BMP/background")
        frames = pictures("BMP/frame")
        showing = lambda picture, points, what: self.settled(
            lambda s: s.matches(picture, points), what)
        showing(backgrounds[0], scene, "the game does not start on the first background")
        showing(frames[0], border, "the game does not start on the first frame")

        bw, bh = button_size(self.game, "background ")
        fw, fh = button_size(self.game, "frame ")
        self.x.click(26 + bw // 2, 670 + bh // 2)
        self.rest()
        showing(backgrounds[1], scene, "the background button did not show the next background")
        self.x.click(91 + fw // 2, 670 + fh // 2)
        self.rest()
        showing(frames[1], border, "the frame button did not show the next frame")
        self.x.key("b")
        showing(backgrounds[2], scene, "the key b did not show the next background")
        self.x.key("f")
        showing(frames[2], border, "the key f did not show the next frame")
        self.x.key("B")
        showing(backgrounds[1], scene, "the key B did not step back")
        self.x.key("F")
        showing(frames[1], border, "the key F did not step back")
        shot = self.x.screenshot()
        self.empty = shot

        self.x.click(*self.folder_buttons()["person"])
        queen = Piece(self.game, "person", 0)
        self.take(queen)
        centre = (600, 400)
        self.carry(queen, centre)
        carried = self.shows(queen.at(centre), "the taken piece is not carried")
        self.x.key("Right")
        self.shows(queen.at(centre, mirrored=True), "the mirrored piece is not where it should be")
        self.settled(lambda s: not s.matches(carried, queen.at(centre), 8),
                     "the Right key changed nothing")
        self.settled(lambda s: sum(s.pixel(*m) == carried.pixel(*p) for p, m in
                                   zip(queen.at(centre), queen.at(centre, mirrored=True)))
                     >= 0.6 * len(queen.points), "the Right key did not mirror the piece")
        self.x.key("Left")
        self.settled(lambda s: s.matches(carried, queen.at(centre), 8), "Left did not mirror back")

        box = [(x, y) for x in range(centre[0] - 120, centre[0] + 120, 3)
               for y in range(centre[1] - 120, centre[1] + 120, 3)]
        size = lambda s: share_changed(shot, s, box)
        natural = size(carried)
        self.x.key("Up", "Up")
        self.settled(lambda s: size(s) > natural * 1.25, "Up did not make the piece larger")
        self.x.key("Down", "Down", "Down", "Down")
        self.settled(lambda s: size(s) < natural * 0.8, "Down did not make the piece smaller")
        self.x.click(*centre)
        self.rest()

        ew, eh = button_size(self.game, "exit ")
        self.x.click(1000 + min(ew, 24) // 2, min(eh, 24) // 2)
        self.game.wait_for_log(r"^brightwell 198 exit$", 10)
        self.assertEqual(0, self.game.wait(30))


if __name__ == "__main__":
    unittest.main()
