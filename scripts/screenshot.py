#!/usr/bin/python3
"""Plays the built game under a private Xvfb, builds a palace with the mouse
as a child would, and saves the screen as the software centres' screenshot:

  scripts/screenshot.py [OUT.png]      (default packaging/screenshot.png)

Needs the build (BUILD, default build), Xvfb, xdotool and ImageMagick, as
the tests do; the game is stopped by its id.
"""

import os
import sys

ROOT = os.path.dirname(os.path.dirname(os.path.abspath(__file__)))
os.environ.setdefault("GAME_DIR", os.path.join(ROOT, os.environ.get("BUILD", "build"), "game"))
sys.path.insert(0, os.path.join(ROOT, "tests", "e2e"))
from harness import BUTTONS, REST, Game, Piece, XServer, wait_until  # noqa: E402

# Folder button, then (picture, pages forward in its cell, where its middle goes):
# a gate between walls and towers, a window wall, battlements and roofs above.
PALACE = [
    ("palace", [("palace/1.gate.png", 0, (605, 555)), ("palace/1.wall.png", 1, (485, 585)),
                ("palace/1.wall.png", 0, (725, 585)), ("palace/2.tower.png", 2, (385, 555)),
                ("palace/2.tower.png", 0, (825, 555)), ("palace/1.window-wall.png", 1, (605, 465)),
                ("palace/3.battlements.png", 0, (605, 420)),
                ("palace/3.battlements.png", 0, (485, 540)),
                ("palace/3.battlements.png", 0, (725, 540)), ("palace/3.roof.png", 2, (385, 445)),
                ("palace/3.roof.png", 0, (825, 445))]),
    ("decoration", [("decoration/1.flag.png", 1, (605, 355)), ("decoration/2.tree.png", 2, (915, 560)),
                    ("decoration/3.flowers.png", 0, (480, 655))]),
    ("person", [("person/1.princess.png", 1, (690, 640)), ("person/3.dog.png", 0, (780, 660)),
                ("person/2.knight.png", 2, (300, 600))]),
]
ARROW_Y = (291, 474, 657)  # the cells' arrows, by row


def main(out):
    with XServer.xvfb() as x:
        game = Game(x, env={"SDL_AUDIODRIVER": "dummy"})
        try:
            game.wait_until_playing()
            for folder, pieces in PALACE:
                x.click(*BUTTONS[folder])
                for name, pages, centre in pieces:
                    piece = Piece(game, name)
                    before = x.screenshot()
                    for _ in range(pages):
                        x.click(158, ARROW_Y[piece.row])
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
