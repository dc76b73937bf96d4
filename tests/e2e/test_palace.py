"""Building a whole palace, end to end: twenty pieces from all three folders,
snapped to each other, stamped, mirrored, resized, tinted and one clipped at
the toolbar's edge; checked in the saved game and on the screen."""

import collections
import os
import unittest

from harness import wait_until
from test_controls import press, saved_bricks, start_playing
from test_save import take_piece

TOOLBAR_EDGE = 220


class Palace(unittest.TestCase):
    def setUp(self):
        start_playing(self)

    def carry(self, row, to):
        self.assertTrue(take_piece(self.x, self.game, row), "no drag started in row %d" % row)
        self.x.move(180, to[1])
        self.x.move(*to)

    def stamp(self, *spots):
        for spot in spots:
            self.x.move(*spot)
            self.x.click(spot[0], spot[1], button=3)

    def drop(self, spot):
        self.x.move(*spot)
        self.x.click(*spot)
        self.x.move(600, 690)

    def test_twenty_pieces_from_every_folder(self):
        x = self.x
        # The gate, and the bridge set on it two units off: it snaps down
        # onto the gate's top and left onto its left edge.
        self.carry(0, (500, 500))
        self.drop((500, 500))
        self.carry(1, (440 + 80 + 2, 440 - 30 - 2))
        self.drop((440 + 80 + 2, 440 - 30 - 2))
        # Battlements stamped along the bridge and beside it, the last one
        # dropped.
        self.carry(2, (500, 364))
        self.stamp((500, 364), (620, 364), (740, 364), (740, 300))
        self.drop((620, 300))
        # Walls stamped in a row; one of them reaches into the toolbar.
        self.carry(0, (680, 500))
        self.stamp((680, 500), (240, 600))
        self.drop((800, 620))

        press(x, self.game, "folder 3")
        self.carry(0, (350, 200))
        x.key("i", "i", "i")
        self.stamp((350, 200))
        self.drop((880, 200))
        self.carry(1, (330, 600))
        x.key("i", "i", "u")
        self.drop((330, 600))
        self.carry(2, (900, 640))
        self.drop((900, 640))

        press(x, self.game, "folder 1")
        for row, spot, keys in ((0, (320, 420), ("Right",)), (1, (860, 420), ("Up", "Up")),
                                (2, (600, 660), ("Down", "Right", "i"))):
            self.carry(row, spot)
            x.key(*keys)
            self.stamp(spot)
            self.drop((spot[0] + 40, spot[1]))

        saved = self.game.path("savegame.txt")
        x.key("s")
        self.assertTrue(wait_until(lambda: os.path.exists(saved), 5), "nothing saved")
        bricks = saved_bricks(saved)
        self.assertEqual(20, len(bricks))
        folders = collections.Counter(b.name.split("/")[1] for b in bricks)
        self.assertEqual({"palace": 10, "decoration": 4, "person": 6}, folders)

        bottom = bricks[::-1]
        gate, bridge = bottom[0], bottom[1]
        self.assertEqual((440, 440), gate.position)
        self.assertEqual((440, 380), bridge.position, "the bridge did not snap onto the gate")
        clipped = [b for b in bricks if b.clipped]
        self.assertEqual(1, len(clipped), [b.position for b in bricks])
        self.assertEqual(TOOLBAR_EDGE, clipped[0].screen_rect[0])
        self.assertEqual(TOOLBAR_EDGE - clipped[0].position[0], clipped[0].source_rect[0] + 1)
        decorations = [b for b in bottom if b.name.startswith("BMP/decoration/")]
        self.assertEqual([3, 3, 1, 0], [b.step for b in decorations],
                         "the tints are not those given to the carried pieces and their copies")
        persons = [b for b in bottom if b.name.startswith("BMP/person/")]
        self.assertEqual([True, True, False, False, True, True], [b.mirror for b in persons])
        self.assertEqual([10, 10, 12, 12, 9, 9], [b.size for b in persons])
        self.assertEqual([0, 0, 0, 0, 1, 1], [b.step for b in persons])

        scene = self.x.screenshot(os.path.join(os.environ.get("BUILD_DIR", self.game.folder),
                                               "palace-scene.png"))
        # The clipped wall shows beside the frame's border.
        top = clipped[0].screen_rect[1]
        self.assertTrue(any(abs(a - b) > 40 for a, b in zip(
            scene.pixel(TOOLBAR_EDGE + 45, top + 40), self.empty.pixel(TOOLBAR_EDGE + 45, top + 40))))
        self.assertTrue(self.game.running())


if __name__ == "__main__":
    unittest.main()
