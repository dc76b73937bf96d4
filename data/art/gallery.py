"""The gallery screen: the wall the child's palaces hang on, the frame each
thumbnail hangs in, the pale palace a slot shows while its thumbnail is
being made, and the golden glow around the one chosen; and the stand-in a
kept palace shows for a piece whose picture has gone.

The wall covers the whole screen: a warm plaster wall lit from the top left,
a string of pennants along its top (leaving room for the gallery button at
the top right), a wooden picture rail, and a shelf along the bottom where
the page arrows and the bin stand. The layout follows the gallery screen:
slots of 224 x 172 in rows of four from (28, 70), 24 units apart.
"""

import random

from svg import rect, path, circle, ellipse, line, poly, group, lighten, darken, star_points

W, H = 1024, 768
SLOT_W, SLOT_H = 224, 172
GLOW_W, GLOW_H = 240, 188
# The gallery button on the top strip; the pennants stop short of it.
BUTTON_LEFT = 715


def slots():
    return [(28 + c * (SLOT_W + 24), 70 + r * (SLOT_H + 24)) for r in range(3) for c in range(4)]


def panel(s):
    wall = "#ffe9c7"
    s.add(rect(0, 0, W, H, s.linear([(0, lighten(wall, 0.5)), (0.6, wall), (1, darken(wall, 0.08))],
                                    0, 0, 0.4, 1), sw=0))
    rnd = random.Random(23)
    # A soft wallpaper of little stars and dots.
    for _ in range(140):
        x, y = rnd.uniform(10, W - 10), rnd.uniform(60, 640)
        if rnd.random() < 0.5:
            s.add(poly(star_points(x, y, 5, 2), "#ffd27a", sw=0, opacity=0.45))
        else:
            s.add(circle(x, y, 2.5, "#ffc0d6", sw=0, opacity=0.5))
    # The picture rail the slots hang from, with a shine.
    s.add(rect(0, 52, W, 10, s.lit("#c8862a", 0.4), sw=2))
    s.add(line(0, 55, W, 55, stroke="#ffd9a0", sw=1.5, opacity=0.7))
    # Pennants along the top, in the game's bright colours.
    colours = ["#ff5b8a", "#ffd23f", "#5fd35f", "#4da6ff", "#9a6bff", "#ff9a3d"]
    s.add(path("M8,10 Q%d,26 %d,10" % (BUTTON_LEFT / 2, BUTTON_LEFT - 10), "none", stroke="#8a5a2a", sw=2))
    for k, x in enumerate(range(24, BUTTON_LEFT - 30, 38)):
        t = (x - 8) / float(BUTTON_LEFT - 18)
        top = 10 + 32 * t * (1 - t)
        s.add(poly([(x - 12, top), (x + 12, top), (x, top + 30)], s.lit(colours[k % len(colours)], 0.3),
                   sw=2))
    # The shelf along the bottom.
    s.add(rect(-4, 652, W + 8, 120, s.lit("#b8763a", 0.3), sw=3))
    s.add(rect(-4, 652, W + 8, 12, s.lit("#e0a060", 0.3), sw=2))
    for x in range(30, W, 110):
        s.add(path("M%d,680 q30,-6 60,0" % x, "none", stroke="#8a5426", sw=1.5, opacity=0.5))


def slot(s):
    # A wooden frame with a white mat; the thumbnail shows in the middle.
    s.add(rect(2, 2, SLOT_W - 4, SLOT_H - 4, s.lit("#c8862a", 0.45), sw=3, rx=5))
    s.add(rect(6, 6, SLOT_W - 12, SLOT_H - 12, "#fffdf6", stroke="#8a5a2a", sw=1.5, rx=2))
    s.add(rect(7, 7, SLOT_W - 14, SLOT_H - 14, "#eef4f8", sw=0))
    for x in (3, SLOT_W - 3):
        for y in (3, SLOT_H - 3):
            s.add(circle(x, y, 3.5, s.ball("#ffd23f"), sw=1.2))


THUMB_W, THUMB_H = 208, 156


def waiting(s):
    # The slot's mat with a pale palace sketched on it, soon to be painted:
    # light enough that the thumbnails around it stay what the eye finds.
    s.add(rect(0, 0, THUMB_W, THUMB_H, "#eef4f8", sw=0))
    sketch = dict(stroke="#b9cde0", sw=3)
    s.add(line(24, 128, THUMB_W - 24, 128, **sketch))
    s.add(path("M62,128 V72 H146 V128 M92,128 V104 Q104,90 116,104 V128", "#f6f9fc", **sketch))
    for x in (46, 162):
        s.add(path("M%d,128 V62 H%d V128" % (x - 14, x + 14), "#f6f9fc", **sketch))
        s.add(poly([(x - 18, 62), (x + 18, 62), (x, 34)], "#fbe6ee", **sketch))
    s.add(poly([(84, 72), (124, 72), (104, 44)], "#fbe6ee", **sketch))
    for k, x in enumerate((88, 104, 120)):
        s.add(circle(x, 144, 3.5, "#ffd27a", sw=0, opacity=0.6 + 0.2 * k))


def highlight(s):
    # A golden glow around the chosen slot, with sparkles at its corners.
    s.add(rect(5, 5, GLOW_W - 10, GLOW_H - 10, "none", stroke="#ffe23a", sw=9, rx=12,
               filter=s.blur(2.5)))
    s.add(rect(5, 5, GLOW_W - 10, GLOW_H - 10, "none", stroke="#ffd23f", sw=5, rx=10))
    s.add(rect(5, 5, GLOW_W - 10, GLOW_H - 10, "none", stroke="#9a7a10", sw=1.2, rx=10))
    for x, y in ((8, 8), (GLOW_W - 8, 8), (8, GLOW_H - 8), (GLOW_W - 8, GLOW_H - 8)):
        s.add(poly(star_points(x, y, 8, 3, 4), "#ffffff", stroke="#9a7a10", sw=1.2))


# The stand-in is laid out for stretching by the game: its corners (16 x 16)
# stay, each 16 units of its edges between them repeat (one dash each), and
# its middle is plain fill. The question mark goes on top, kept in shape.
STAND_IN = 64
STAND_IN_FILL = "#eaf4ff"
STAND_IN_DASH = "#5b8fe0"


def standin_box(s):
    s.add(rect(3, 3, STAND_IN - 6, STAND_IN - 6, STAND_IN_FILL, sw=0, rx=12, opacity=0.85))
    dash = dict(stroke=STAND_IN_DASH, sw=4)
    far = STAND_IN - 5
    for x0, y0, sx, sy in ((5, 5, 1, 1), (far, 5, -1, 1), (5, far, 1, -1), (far, far, -1, -1)):
        # A rounded corner drawn as one dash, its round ends within the corner.
        s.add(path("M%d,%d Q%d,%d %d,%d" % (x0, y0 + 8 * sy, x0, y0, x0 + 8 * sx, y0), "none",
                   **dash))
    for a in (20, 36):
        for edge in ((a, 5, a + 8, 5), (a, far, a + 8, far), (5, a, 5, a + 8), (far, a, far, a + 8)):
            s.add(line(*edge, **dash))


def standin_mark(s):
    hook = "M21,22 C21,7 43,7 43,22 C43,32 32,31 32,41"
    s.add(path(hook, "none", sw=11))
    s.add(path(hook, "none", stroke="#ffd23f", sw=6))
    s.add(circle(32, 53, 5.5, s.ball("#ffd23f"), sw=2.5))


GALLERY = {"panel": (W, H, panel), "slot": (SLOT_W, SLOT_H, slot), "highlight": (GLOW_W, GLOW_H, highlight),
           "waiting": (THUMB_W, THUMB_H, waiting),
           "standin-box": (STAND_IN, STAND_IN, standin_box),
           "standin-mark": (STAND_IN, STAND_IN, standin_mark)}
