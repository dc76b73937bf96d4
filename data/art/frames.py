"""Frames, 1024 x 768 with alpha, cut by the game into four pieces.

Columns 0 to 253 are the toolbar's backdrop: kept calm, with soft light
panels behind the button groups so that they read well, and a framed window
over each picture cell, which the game draws before the frame. The top and
bottom borders are 60 rows high and the right border 60 columns wide;
everything inside (x 254 to 963, y 60 to 707) and the cell windows stay
fully transparent.
Every frame draws only inside the clip of its border area, so no shading
spills into the scene.
"""

import math
import random

from svg import rect, path, circle, ellipse, poly, group, lighten, darken, mix, star_points

W, H = 1024, 768
PANEL = 254
BORDER = 60
INNER = (PANEL, BORDER, W - BORDER, H - BORDER)

# Where the toolbar puts its cells and buttons (see the toolbar's layout).
CELLS = [(23, 120 + 183 * i, 180, 158) for i in range(3)]
TOP_CONTROLS = (18, 18, 200, 103)
BOTTOM_CONTROLS = (18, 665, 204, 99)
# The print, gallery, undo, redo, mirror and exit buttons on the top border
# start here.
TOP_RIGHT_CONTROLS = 665


def border_clip(s):
    """The borders and the panel, with windows over the scene and the picture
    cells: the game draws the cells' pictures before the frame, so they show
    only through these windows."""
    d = "M0,0 L%d,0 L%d,%d L0,%d Z M%d,%d L%d,%d L%d,%d L%d,%d Z" % (
        W, W, H, H, INNER[0], INNER[1], INNER[0], INNER[3], INNER[2], INNER[3], INNER[2], INNER[1])
    for x, y, w, h in CELLS:
        d += " M%d,%d L%d,%d L%d,%d L%d,%d Z" % (x, y, x + w, y, x + w, y + h, x, y + h)
    return s.clip('<path d="%s" clip-rule="evenodd"/>' % d)


def toolbar_slots(s, colour, edge):
    """Soft light panels behind the button groups, and a window frame round
    each picture cell (the cell itself is cut out by border_clip)."""
    out = []
    for x, y, w, h in (TOP_CONTROLS, BOTTOM_CONTROLS):
        out.append(rect(x, y, w, h, colour, stroke=edge, sw=2.5, rx=12))
    for x, y, w, h in CELLS:
        out.append(rect(x - 4, y - 4, w + 8, h + 8, s.lit(colour, 0.3), stroke=edge, sw=2.5, rx=8))
        out.append(rect(x - 0.5, y - 0.5, w + 1, h + 1, "none", stroke=darken(edge, 0.35), sw=3))
        # A little shadow along the window's top and left edges, lit from the top left.
        out.append(path("M%d,%d L%d,%d L%d,%d" % (x, y + h, x, y, x + w, y), "none", stroke="#000000", sw=8,
                        opacity=0.12))
    return out


def inner_rim(colour, width=6):
    x0, y0, x1, y1 = INNER
    return rect(x0 - width / 2.0, y0 - width / 2.0, x1 - x0 + width, y1 - y0 + width, "none", stroke=colour,
                sw=width)


def stone(s):
    clip = border_clip(s)
    parts = [rect(0, 0, W, H, "#8f8a9e", sw=0)]
    rnd = random.Random(31)
    row_h = 30
    for r in range(H // row_h + 1):
        x = -rnd.randint(0, 40)
        while x < W:
            w = rnd.randint(50, 90)
            c = mix("#b9b4c6", "#a39eb3", rnd.random())
            parts.append(rect(x + 2, r * row_h + 2, w - 4, row_h - 4, s.lit(c, 0.25), stroke="#6f6a80", sw=1.5,
                              rx=5))
            x += w
    # The toolbar panel is calmer: one smooth stone slab with soft slots.
    parts.append(rect(8, 8, PANEL - 16, H - 16, s.linear([(0, "#d8d3e3"), (1, "#b7b1c6")], 0, 0, 1, 1),
                      stroke="#6f6a80", sw=3, rx=14))
    parts += toolbar_slots(s, "#ece9f2", "#8f8aa3")
    parts.append(inner_rim("#5d586e", 8))
    parts.append(inner_rim("#d8d3e3", 2))
    for x in range(PANEL + 40, TOP_RIGHT_CONTROLS - 10, 90):
        parts.append(poly(star_points(x, 30, 8, 3.5), s.ball("#ffd23f"), stroke="#9a7a10", sw=1.2))
    s.add(group(parts, clip_path=clip))


def wood(s):
    clip = border_clip(s)
    parts = [rect(0, 0, W, H, "#b8763a", sw=0)]
    rnd = random.Random(41)
    for i, y in enumerate(range(0, H, 30)):
        c = mix("#c98a4b", "#b0733a", rnd.random())
        parts.append(rect(0, y, W, 30, s.linear([(0, lighten(c, 0.15)), (1, darken(c, 0.12))]), stroke="#7a4a22",
                          sw=1.5))
        for _ in range(6):
            x = rnd.uniform(0, W)
            parts.append(path("M%.1f,%d q30,%d 80,0" % (x, y + rnd.randint(8, 22), rnd.choice((-4, 4))), "none",
                              stroke="#8d5424", sw=1.2, opacity=0.6))
    parts.append(rect(8, 8, PANEL - 16, H - 16, s.linear([(0, "#f0cf9a"), (1, "#d9ab6c")], 0, 0, 1, 1),
                      stroke="#7a4a22", sw=3, rx=10))
    parts += toolbar_slots(s, "#fbecd2", "#a8743e")
    parts.append(inner_rim("#6b3f1c", 8))
    parts.append(inner_rim("#e8b878", 2))
    for x, y in ((14, 14), (PANEL - 14, 14), (14, H - 14), (PANEL - 14, H - 14), (W - 30, 30), (W - 30, H - 30)):
        parts.append(circle(x, y, 4, s.ball("#c9c9d6"), stroke="#4a4f63", sw=1.2))
    s.add(group(parts, clip_path=clip))


def flowers(s):
    clip = border_clip(s)
    parts = [rect(0, 0, W, H, s.linear([(0, "#8fdc7a"), (1, "#4fb447")], 0, 0, 1, 1), sw=0)]
    rnd = random.Random(51)
    # A hedge of leaves all round, with flowers on it.
    for _ in range(900):
        x, y = rnd.uniform(0, W), rnd.uniform(0, H)
        parts.append(ellipse(x, y, 9, 5, mix("#3f9a38", "#6fd05a", rnd.random()), stroke="#2f7a2c", sw=1,
                             transform="rotate(%d %.1f %.1f)" % (rnd.randint(0, 180), x, y)))
    colours = ["#ff7ab8", "#ffffff", "#ffd23f", "#b06bff", "#ff5b5b"]
    for _ in range(140):
        x, y = rnd.uniform(0, W), rnd.uniform(0, H)
        c = rnd.choice(colours)
        for k in range(5):
            a = math.radians(k * 72)
            parts.append(circle(x + 5 * math.cos(a), y + 5 * math.sin(a), 4, c, stroke=darken(c, 0.35), sw=0.8))
        parts.append(circle(x, y, 3, "#ffb300", sw=0))
    parts.append(rect(10, 10, PANEL - 20, H - 20, s.linear([(0, "#f4ffe8"), (1, "#d6f2c6")], 0, 0, 1, 1),
                      stroke="#3f8a38", sw=3, rx=18))
    parts += toolbar_slots(s, "#ffffff", "#7fc46f")
    parts.append(inner_rim("#2f7a2c", 6))
    s.add(group(parts, clip_path=clip))


def gold(s):
    clip = border_clip(s)
    parts = [rect(0, 0, W, H, s.linear([(0, "#ffe680"), (0.5, "#e0a820"), (1, "#b07a10")], 0, 0, 1, 1), sw=0)]
    # Scrolls along the borders, jewels at the corners.
    for x in range(PANEL + 30, W - 20, 60):
        for y in (30, H - 30):
            parts.append(path("M%d,%d q12,-16 24,0 q12,16 24,0" % (x - 24, y), "none", stroke="#9a6a08", sw=3))
    for y in range(BORDER + 30, H - BORDER, 60):
        parts.append(path("M%d,%d q-16,12 0,24 q16,12 0,24" % (W - 30, y - 24), "none", stroke="#9a6a08", sw=3))
    parts.append(rect(8, 8, PANEL - 16, H - 16, s.linear([(0, "#fff3c4"), (1, "#f2d27a")], 0, 0, 1, 1),
                      stroke="#9a6a08", sw=3, rx=14))
    parts += toolbar_slots(s, "#fffbe8", "#c9961c")
    parts.append(inner_rim("#8a5a08", 8))
    parts.append(inner_rim("#fff3c4", 2))
    for (x, y), c in zip(((PANEL + 20, 30), (W - 30, 30), (PANEL + 20, H - 30), (W - 30, H - 30)),
                         ("#e53950", "#3d7fe0", "#5fd35f", "#b06bff")):
        parts.append(circle(x, y, 13, s.ball(c), stroke="#6b4a08", sw=2.5))
    for x in range(PANEL + 80, TOP_RIGHT_CONTROLS - 10, 110):
        parts.append(poly([(x, 18), (x + 10, 30), (x, 42), (x - 10, 30)], s.ball("#ff5b8a"), stroke="#6b4a08",
                          sw=1.8))
    s.add(group(parts, clip_path=clip))


def sea(s):
    clip = border_clip(s)
    parts = [rect(0, 0, W, H, s.linear([(0, "#7fd4ff"), (1, "#2a8ad0")], 0, 0, 0, 1), sw=0)]
    for i, y in enumerate(range(10, H, 24)):
        for x in range(-40 + (i % 2) * 30, W, 60):
            parts.append(path("M%d,%d q15,-10 30,0 q15,10 30,0" % (x, y), "none", stroke="#ffffff", sw=2.5,
                              opacity=0.5))
    parts.append(rect(8, 8, PANEL - 16, H - 16, s.linear([(0, "#fff6dc"), (1, "#f5d78a")], 0, 0, 1, 1),
                      stroke="#c9a35a", sw=3, rx=18))
    parts += toolbar_slots(s, "#fffdf4", "#6cb8e0")
    parts.append(inner_rim("#1e6fa8", 6))
    rnd = random.Random(61)
    # Shells and starfish on the bottom border; fish on the right.
    for x in range(PANEL + 40, W - 40, 80):
        if rnd.random() < 0.5:
            parts.append(poly(star_points(x, H - 30, 14, 6), s.ball("#ff8a3d"), stroke="#a8501e", sw=2))
        else:
            parts.append(path("M%d,%d a14,14 0 0 1 28,0 Z" % (x - 14, H - 22), s.ball("#ffb3c8"), stroke="#a8506e",
                              sw=2))
    for y in range(BORDER + 50, H - BORDER - 20, 110):
        c = rnd.choice(("#ffd23f", "#ff7ab8", "#ff8a3d"))
        parts.append(ellipse(W - 32, y, 16, 10, s.ball(c), stroke=darken(c, 0.45), sw=2))
        parts.append(poly([(W - 16, y), (W - 6, y - 8), (W - 6, y + 8)], c, stroke=darken(c, 0.45), sw=2))
        parts.append(circle(W - 40, y - 2, 2, "#3b2a20", sw=0))
    for x in range(PANEL + 40, TOP_RIGHT_CONTROLS - 10, 90):
        parts.append(circle(x, 30, 7, s.ball(lighten("#bfe6ff", 0.3)), stroke="#1e6fa8", sw=1.5))
    s.add(group(parts, clip_path=clip))


FRAMES = {
    "1.stone": stone,
    "2.wood": wood,
    "3.flowers": flowers,
    "4.gold": gold,
    "5.sea": sea,
}
