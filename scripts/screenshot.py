#!/usr/bin/python3
"""Plays the built game under a private Xvfb, builds a palace with the mouse
as a child would, and saves the screen as the software centres' screenshot:

  scripts/screenshot.py [OUT.png]      (default packaging/screenshot.png)

Needs the build (BUILD, default build), Xvfb, xdotool and ImageMagick, as
the tests do; the game is stopped by its id.
"""

import glob
import os
import sys

ROOT = os.path.dirname(os.path.dirname(os.path.abspath(__file__)))
os.environ.setdefault("GAME_DIR", os.path.join(ROOT, os.environ.get("BUILD", "build"), "game"))
sys.path.insert(0, os.path.join(ROOT, "tests", "e2e"))
from harness import BUTTONS, REST, Game, Piece, XServer, wait_until  # noqa: E402

# Folder button, then (picture, where its middle goes): a gate between walls,
# towers and turrets, with domes, spires and battlements on top; a balloon and
# a sunflower; a prince, a unicorn, a kitten and a fairy in the air.
PALACE = [
    ("palace", [("1.portcullis", (605, 640)), ("1.wall-arches", (485, 670)), ("1.rose-window", (485, 610)),
                ("1.wall-clock", (725, 670)), ("1.wall-balcony", (725, 610)), ("2.tower-door", (385, 640)),
                ("2.tower-door", (825, 640)), ("2.tower-short", (385, 550)), ("2.tower-short", (825, 550)),
                ("2.turret", (325, 640)), ("2.turret", (885, 640)), ("3.onion-dome", (385, 470)),
                ("3.cone-violet", (825, 470)), ("3.canopy", (485, 560)), ("3.battlements", (725, 565)),
                ("3.dome", (605, 545)), ("3.spire", (325, 530)), ("3.spire", (885, 530))]),
    ("decoration", [("1.hot-air-balloon", (470, 190)), ("2.sunflower", (280, 640))]),
    ("person", [("1.prince", (545, 633)), ("3.unicorn", (700, 645)), ("3.kitten", (440, 666)),
                ("1.winged-fairy", (690, 300))]),
]
ARROW_Y = (291, 474, 657)  # the cells' arrows, by row


def main(out):
    with XServer.xvfb() as x:
        game = Game(x, env={"SDL_AUDIODRIVER": "dummy"})
        try:
            game.wait_until_playing()
            for folder, pieces in PALACE:
                x.click(*BUTTONS[folder])
                shown = [0, 0, 0]  # the picture each cell shows, by its place in the row
                for name, centre in pieces:
                    piece = Piece(game, "%s/%s.png" % (folder, name))
                    row = sorted(os.path.basename(p) for p in glob.glob(game.path(
                        "BMP/%s/%s.*.png" % (folder, name[0]))))
                    before = x.screenshot()
                    for _ in range((row.index(name + ".png") - shown[piece.row]) % len(row)):
                        x.click(158, ARROW_Y[piece.row])
                    shown[piece.row] = row.index(name + ".png")
                    x.click(*piece.in_cell())
                    x.move(centre[0] - 30, centre[1])
                    x.click(*centre)
                    x.move(*REST)
                    # Laid once it shows where it was put.
                    wait_until(lambda: x.screenshot().differs(before, piece.at(centre)) > 0.5, 10)
            x.move(*REST)
            x.run("import", "-window", "root", out)
        finally:
            game.close()


if __name__ == "__main__":
    main(os.path.abspath(sys.argv[1] if len(sys.argv) > 1 else
                         os.path.join(ROOT, "packaging", "screenshot.png")))
