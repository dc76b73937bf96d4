"""Decorations: flags and lanterns, trees and bushes, a fountain, flowers, a rainbow."""

import math

from svg import rect, path, circle, ellipse, line, poly, lighten, darken, star_points, OUTLINE

GOLD = "#ffd23f"
LEAF = "#4cbb47"
TRUNK = "#9a5b2a"


def pole(s, x, top, bottom):
    s.add(rect(x - 3, top, 6, bottom - top, s.linear([(0, "#f1f1f1"), (1, "#8d8d99")], 0, 0, 1, 0), sw=2))
    s.add(circle(x, top - 3, 5, s.ball(GOLD), sw=2))


def flag(s):
    pole(s, 8, 8, 98)
    s.add(path("M11,12 C28,4 38,20 57,12 L57,48 C38,56 28,40 11,48 Z",
               s.linear([(0, "#ff6b6b"), (0.6, "#e53935"), (1, "#a8201e")], 0, 0, 1, 1)))
    s.add(poly(star_points(33, 30, 9, 4), s.ball(GOLD), sw=1.5))
    s.add(rect(1.5, 93, 14, 5.5, "#7d7d8a", sw=2, rx=2))


def banner(s):
    s.add(rect(2, 4, 46, 6, s.lit(TRUNK, 0.3), sw=2, rx=3))
    body = "M6,10 L44,10 L44,82 L25,96 L6,82 Z"
    s.add(path(body, s.linear([(0, "#7fb2ff"), (0.5, "#3b6fd8"), (1, "#22418a")], 0, 0, 1, 1)))
    s.add(path("M11,14 L39,14 L39,79 L25,90 L11,79 Z", "none", stroke=GOLD, sw=2))
    # A little golden crown in the middle.
    s.add(path("M15,50 L15,36 L20,43 L25,33 L30,43 L35,36 L35,50 Z", s.ball(GOLD), sw=1.8))
    s.add(circle(25, 60, 4, s.ball("#ff5b8a"), sw=1.5))


def lantern(s):
    # Drawn on a 40 x 90 grid, shown a fifth larger.
    s.add('<g transform="scale(1.2)">')
    small_lantern(s)
    s.add("</g>")


def small_lantern(s):
    s.add(rect(17, 40, 6, 48, s.linear([(0, "#5f6475"), (1, "#2e3140")], 0, 0, 1, 0), sw=2))
    s.add(rect(8, 84, 24, 5, "#3e4252", sw=2, rx=2))
    s.add(circle(20, 20, 19, s.radial([(0, "#fff6b0", 0.9), (1, "#ffd23f", 0)], 0.5, 0.5, 0.5), sw=0))
    s.add(path("M8,14 L32,14 L29,38 L11,38 Z", s.radial([(0, "#fffbe0"), (0.5, "#ffe067"), (1, "#f2a900")],
                                                          0.45, 0.45, 0.7), sw=2.5))
    s.add(line(20, 14, 20, 38, sw=1.5))
    s.add(path("M5,14 L20,3 L35,14 Z", s.lit("#4a4f63", 0.35), sw=2.5))
    s.add(rect(9, 37, 22, 4, "#4a4f63", sw=2))


def leafy_tree(s):
    s.add(path("M52,150 C56,125 54,110 50,92 L70,92 C66,110 64,125 70,150 Z", s.lit(TRUNK, 0.3)))
    blobs = [(40, 70, 30), (80, 70, 30), (60, 48, 34), (34, 40, 24), (86, 40, 24), (60, 86, 26)]
    for cx, cy, r in blobs:
        s.add(circle(cx, cy, r + 1.5, OUTLINE, sw=0))
    for cx, cy, r in blobs:
        s.add(circle(cx, cy, r - 1, s.ball(LEAF), sw=0))
    for cx, cy in [(40, 58), (76, 46), (62, 80), (88, 72), (30, 80), (55, 30)]:
        s.add(circle(cx, cy, 5.5, s.ball("#ff4d4d"), sw=1.6))
        s.add(path("M%d,%d q2,-4 5,-5" % (cx, cy - 5), "none", stroke="#2f7a2c", sw=1.5))


def pine_tree(s):
    s.add(rect(33, 120, 14, 28, s.lit(TRUNK, 0.3), sw=2.5))
    layers = [(128, 40, 78), (96, 32, 54), (64, 24, 30)]
    for base, half, top in layers:
        pts = [(40 - half + 2, base), (40, top - 30), (40 + half - 2, base)]
        s.add(path("M%s,%s Q40,%s %s,%s L40,%s Z" % (pts[0][0], pts[0][1], base - 10, pts[2][0], pts[2][1], top - 30),
                   s.linear([(0, "#5dd36a"), (0.5, "#2e9e47"), (1, "#1c6e33")], 0, 0, 1, 0.6)))
    s.add(poly(star_points(40, 16, 12, 5), s.ball(GOLD), sw=2))


def bush(s):
    blobs = [(22, 38, 18), (50, 30, 24), (78, 38, 19)]
    for cx, cy, r in blobs:
        s.add(circle(cx, cy, r + 1.5, OUTLINE, sw=0))
    s.add(rect(6, 38, 88, 20, OUTLINE, sw=0, rx=9))
    for cx, cy, r in blobs:
        s.add(circle(cx, cy, r - 1, s.ball("#3fae4a"), sw=0))
    s.add(rect(8.5, 38, 83, 17.5, s.linear([(0, "#3fae4a"), (1, "#2b8a3a")]), sw=0, rx=8))
    for cx, cy, c in [(24, 32, "#ff7ab8"), (46, 22, "#ffffff"), (62, 36, "#ffd23f"), (80, 30, "#ff7ab8"),
                      (36, 46, "#ffd23f"), (70, 48, "#ffffff")]:
        for k in range(5):
            a = math.radians(k * 72)
            s.add(circle(cx + 4 * math.cos(a), cy + 4 * math.sin(a), 3.2, c, stroke=darken(c, 0.4), sw=0.8))
        s.add(circle(cx, cy, 2.4, "#f28c28", sw=0))


def fountain(s):
    water = "#6cc7ff"
    # Spray first, so the bowls overlap it.
    for dx in (-1, 1):
        s.add(path("M60,22 C%d,0 %d,12 %d,48" % (60 + dx * 20, 60 + dx * 38, 60 + dx * 42), "none",
                   stroke=lighten(water, 0.3), sw=5, opacity=0.9))
        s.add(path("M60,22 C%d,0 %d,12 %d,48" % (60 + dx * 20, 60 + dx * 38, 60 + dx * 42), "none",
                   stroke="#ffffff", sw=1.5, opacity=0.9))
    s.add(path("M60,26 L60,8", "none", stroke=lighten(water, 0.3), sw=6))
    s.add(rect(54, 36, 12, 34, s.linear([(0, "#fff6e0"), (1, "#c9b38f")], 0, 0, 1, 0), sw=2.5))
    s.add(path("M34,34 Q60,52 86,34 Z", s.lit("#f1e3c8", 0.3), sw=2.5))
    s.add(ellipse(60, 34, 26, 5, water, sw=2))
    s.add(path("M4,70 L116,70 L108,98 L12,98 Z", s.lit("#f1e3c8", 0.35)))
    s.add(ellipse(60, 70, 56, 9, s.linear([(0, "#b5e8ff"), (1, "#3aa4e8")]), sw=2.5))
    for x in (30, 60, 90):
        s.add(path("M%d,84 l0,10" % x, "none", stroke=darken("#f1e3c8", 0.25), sw=1.5))


def flowers(s):
    # Drawn on a 96 x 62 grid, shown a third larger.
    s.add('<g transform="scale(1.35)">')
    flower_box(s)
    s.add("</g>")


def flower_box(s):
    colours = ["#ff5b8a", "#ffd23f", "#b06bff", "#ff8a3d", "#ff5b8a"]
    for i, c in enumerate(colours):
        x = 12 + i * 18
        top = 16 + (i % 2) * 10
        s.add(path("M%d,60 Q%d,%d %d,%d" % (x, x - 4, (60 + top) // 2, x, top + 8), "none", stroke="#2f8f3a", sw=3))
        s.add(path("M%d,50 q-9,-4 -10,-12 q8,0 10,8" % x, "#57c75f", sw=1.5))
        s.add(path("M%d,%d l-7,-12 l4,4 l3,-8 l3,8 l4,-4 l-7,12 Z" % (x, top + 10), s.ball(c), sw=2))
    s.add(rect(0, 52, 96, 8, s.linear([(0, "#8d5a2b"), (1, "#5e3a1a")]), sw=2, rx=3))


def rainbow(s):
    bands = ["#ff4d4d", "#ff9a3d", "#ffe14d", "#5fd35f", "#4da6ff", "#9a6bff"]
    cx, cy = 80, 86
    for i, c in enumerate(bands):
        r = 76 - i * 8
        s.add(path("M%d,%d A%d,%d 0 0 1 %d,%d" % (cx - r, cy, r, r, cx + r, cy), "none", stroke=c, sw=8.5))
    s.add(path("M%d,%d A%d,%d 0 0 1 %d,%d" % (cx - 80, cy, 80, 80, cx + 80, cy), "none", sw=2.5))
    s.add(path("M%d,%d A%d,%d 0 0 1 %d,%d" % (cx - 32, cy, 32, 32, cx + 32, cy), "none", sw=2.5))
    for x in (22, 138):
        for dx, dy, r in ((-12, 0, 10), (0, -6, 12), (12, 0, 10)):
            s.add(circle(x + dx, cy - 6 + dy, r + 1.5, OUTLINE, sw=0))
        for dx, dy, r in ((-12, 0, 10), (0, -6, 12), (12, 0, 10)):
            s.add(circle(x + dx, cy - 6 + dy, r - 0.5, s.ball("#ffffff"), sw=0))


PIECES = {
    "1.flag": (60, 100, flag),
    "1.banner": (50, 100, banner),
    "1.lantern": (48, 108, lantern),
    "2.tree": (120, 150, leafy_tree),
    "2.pine": (80, 150, pine_tree),
    "2.bush": (100, 60, bush),
    "3.fountain": (120, 100, fountain),
    "3.flowers": (130, 84, flowers),
    "3.rainbow": (160, 96, rainbow),
}
