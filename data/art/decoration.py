"""Decorations: flags, lanterns and things that fly (row 1), plants (row 2), and
the larger things of a palace garden (row 3)."""

import math

from svg import rect, path, circle, ellipse, line, poly, group, lighten, darken, mix, star_points, OUTLINE

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


def leafy(s, blobs, top, width, height, colour, shade):
    """A bush's outlined body: round blobs of leaves on a rounded base from
    (6, top), width x height."""
    for cx, cy, r in blobs:
        s.add(circle(cx, cy, r + 1.5, OUTLINE, sw=0))
    s.add(rect(6, top, width, height, OUTLINE, sw=0, rx=height / 2 - 1))
    for cx, cy, r in blobs:
        s.add(circle(cx, cy, r - 1, s.ball(colour), sw=0))
    s.add(rect(8.5, top, width - 5, height - 2.5, s.linear([(0, colour), (1, shade)]), sw=0,
               rx=height / 2 - 2))


def bush(s):
    leafy(s, [(22, 38, 18), (50, 30, 24), (78, 38, 19)], 38, 88, 20, "#3fae4a", "#2b8a3a")
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



WATER = "#6cc7ff"
GLASS = "#4fa3e8"


def pennants(s):
    s.add(path("M4,8 Q80,30 156,8", "none", sw=2.5))
    colours = ["#e53950", "#ffd23f", "#3d7fe0", "#5fd35f", "#b06bff", "#ff8a3d", "#ff5b8a"]
    for k, c in enumerate(colours):
        x = 14 + k * 20.5
        t = (x - 4) / 152.0
        y = 8 + 4 * 22 * t * (1 - t) * 1.0
        s.add(poly([(x - 8, y), (x + 8, y + 1), (x, y + 24)], s.lit(c, 0.35), sw=2))
    for x in (4, 156):
        s.add(circle(x, 8, 4, s.ball(GOLD), sw=1.8))


def torch(s):
    s.add(path("M15,4 C4,18 8,30 15,36 C22,30 26,18 15,4 Z", s.radial([(0, "#fff6b0"), (0.5, "#ffb33f"),
                                                                        (1, "#e5483f")], 0.5, 0.7, 0.7), sw=2))
    s.add(path("M15,16 C11,24 12,30 15,33 C18,30 19,24 15,16 Z", "#fff6b0", sw=0))
    s.add(path("M7,36 L23,36 L19,50 L11,50 Z", s.lit("#7d7d8a", 0.3), sw=2.2))
    s.add(rect(11.5, 50, 7, 46, s.lit(TRUNK, 0.3), sw=2))
    s.add(rect(6, 92, 18, 6, "#5c5c6e", sw=2, rx=2))


def kite(s):
    s.add(path("M40,66 C30,80 52,86 40,100 C30,112 48,116 42,128", "none", stroke="#5a4a3a", sw=2))
    for k, y in enumerate((80, 96, 112)):
        c = ("#e53950", "#ffd23f", "#3d7fe0")[k]
        s.add(path("M%d,%d l-7,-5 l0,10 Z M%d,%d l7,-5 l0,10 Z" % (40, y, 40, y), s.lit(c, 0.3), sw=1.5))
    s.add(poly([(40, 4), (74, 32), (40, 66), (6, 32)], s.lit("#ff5b8a", 0.3)))
    s.add(poly([(40, 4), (74, 32), (40, 32)], s.lit("#ffd23f", 0.3), sw=2))
    s.add(poly([(40, 32), (6, 32), (40, 66)], s.lit("#ffd23f", 0.3), sw=2))
    s.add(line(40, 6, 40, 64, sw=1.5))
    s.add(line(8, 32, 72, 32, sw=1.5))


def weathervane(s):
    s.add(rect(27, 40, 6, 56, s.linear([(0, "#f1f1f1"), (1, "#8d8d99")], 0, 0, 1, 0), sw=2))
    s.add(line(8, 48, 52, 48, sw=3))
    for x in (5, 55):
        s.add(circle(x, 48, 4, s.ball(GOLD), sw=1.5))
    # A golden rooster on top.
    s.add(path("M14,34 Q14,18 30,20 Q34,8 42,12 Q40,16 44,20 Q38,22 40,30 Q44,38 34,40 L18,40 Q8,36 4,22 "
               "Q12,28 14,34 Z", s.lit(GOLD, 0.3), sw=2.2))
    s.add(path("M40,10 q2,-6 6,-4 q-2,2 -2,5 Z", "#e53950", sw=1.4))
    s.add(circle(38, 16, 1.6, OUTLINE, sw=0))
    s.add(rect(16, 92, 28, 6, "#7d7d8a", sw=2, rx=2))


def bell(s):
    s.add(path("M6,8 Q30,-2 54,8", "none", stroke=TRUNK, sw=6))
    s.add(path("M6,8 Q30,-2 54,8", "none", sw=1.5))
    s.add(path("M30,10 L30,16", "none", sw=3))
    d = "M30,14 C16,14 14,30 12,44 C10,52 4,54 4,58 L56,58 C56,54 50,52 48,44 C46,30 44,14 30,14 Z"
    s.add(path(d, s.linear([(0, "#fff1a8"), (0.45, GOLD), (1, "#c98a10")], 0, 0, 1, 0.5)))
    s.add(path("M14,48 Q30,54 46,48", "none", stroke="#c98a10", sw=2))
    s.add(circle(30, 63, 5.5, s.ball("#c98a10"), sw=2))
    s.add(path("M20,24 Q18,34 17,42", "none", stroke="#ffffff", sw=3, opacity=0.8))


def hot_air_balloon(s):
    for x0, x1 in ((30, 40), (70, 60)):
        s.add(line(x0, 86, x1, 110, sw=2))
    d = "M50,4 C84,4 96,30 92,50 C88,68 72,80 62,88 L38,88 C28,80 12,68 8,50 C4,30 16,4 50,4 Z"
    s.add(path(d, s.ball("#ff5b5b")))
    clip = s.clip('<path d="%s"/>' % d)
    s.add(group([path("M50,4 Q%d,46 50,88" % x, "none", stroke=c, sw=11) for x, c in
                 ((16, "#ffd23f"), (84, "#ffd23f"))] + [path("M50,4 L50,88", "none", stroke="#3d7fe0", sw=12)],
                clip_path=clip))
    s.add(path(d, "none"))
    s.add(rect(36, 86, 28, 6, s.lit(TRUNK, 0.3), sw=2, rx=2))
    s.add(path("M38,108 L62,108 L59,132 L41,132 Z", s.lit("#c98544", 0.3), sw=2.5))
    for y in (116, 124):
        s.add(line(40, y, 60, y, stroke=darken("#c98544", 0.4), sw=1.4))


def rose_bush(s):
    leafy(s, [(24, 40, 20), (54, 30, 26), (84, 40, 20)], 40, 96, 22, "#2e9e47", "#1f7a35")
    for cx, cy in ((24, 34), (50, 20), (66, 38), (86, 32), (36, 50), (76, 52)):
        s.add(circle(cx, cy, 7, s.ball("#e5304f"), stroke=darken("#e5304f", 0.45), sw=1.4))
        s.add(path("M%d,%d a3.5,3.5 0 1 1 3,3" % (cx - 3, cy), "none", stroke=darken("#e5304f", 0.45), sw=1.2))


def hedge(s):
    s.add(rect(1.5, 6, 117, 42.5, s.linear([(0, "#5dd36a"), (0.5, "#2e9e47"), (1, "#1c6e33")]), rx=10))
    for row, y in enumerate((16, 28, 40)):
        for x in range(10 + (row % 2) * 8, 112, 16):
            s.add(path("M%d,%d q6,-8 12,0" % (x, y), "none", stroke="#1c6e33", sw=1.6))
    for x, c in ((22, "#ffffff"), (58, "#ffd23f"), (96, "#ff7ab8")):
        s.add(circle(x, 10, 4, s.ball(c), stroke=darken(c, 0.4), sw=1))


def sunflower(s):
    s.add(path("M25,56 Q22,90 26,128", "none", sw=7))
    s.add(path("M25,56 Q22,90 26,128", "none", stroke="#3f9a38", sw=4))
    for dx, y in ((-1, 92), (1, 106)):
        s.add(path("M24,%d q%d,-12 %d,-6 q%d,8 %d,6 Z" % (y, dx * 14, dx * 22, -dx * 6, -dx * 22), "#57c75f", sw=1.8))
    for k in range(14):
        a = k * 360 / 14.0
        s.add('<g transform="rotate(%s 25 30)">' % a)
        s.add(ellipse(25, 10, 5, 11, s.lit("#ffd23f", 0.3), sw=1.6))
        s.add("</g>")
    s.add(circle(25, 30, 11, s.ball("#8a5a2a"), sw=2))
    for dx in (-4, 4):
        s.add(circle(25 + dx, 28, 1.6, OUTLINE, sw=0))
    s.add(path("M21,33 Q25,36 29,33", "none", sw=1.5))


def mushroom(s):
    s.add(path("M20,34 L40,34 Q44,54 42,58 L18,58 Q16,54 20,34 Z", s.lit("#fff1dc", 0.3), sw=2.5))
    s.add(path("M3,36 Q4,4 30,4 Q56,4 57,36 Q30,42 3,36 Z", s.ball("#e5304f")))
    for x, y, r in ((18, 18, 5), (34, 12, 4), (44, 24, 4.5), (26, 28, 3.5)):
        s.add(circle(x, y, r, "#ffffff", sw=1.2))
    for dx in (-5, 5):
        s.add(circle(30 + dx, 46, 1.8, OUTLINE, sw=0))
    s.add(path("M26,50 Q30,53 34,50", "none", sw=1.5))


def palm(s):
    s.add(path("M46,150 C50,120 58,90 54,62 L62,62 C68,90 60,120 58,150 Z", s.lit("#c98544", 0.3)))
    for y in range(74, 148, 12):
        s.add(path("M%d,%d q5,3 10,0" % (52 + (y - 74) // 24, y), "none", stroke=darken("#c98544", 0.4), sw=1.4))
    for d in ("M58,60 Q30,30 4,50 Q26,42 58,60 Z", "M58,60 Q86,30 112,50 Q90,42 58,60 Z",
              "M58,60 Q40,14 14,16 Q40,26 58,60 Z", "M58,60 Q76,14 102,16 Q76,26 58,60 Z",
              "M58,60 Q58,16 58,6 Q64,30 58,60 Z"):
        s.add(path(d, s.linear([(0, "#5dd36a"), (1, "#1c6e33")], 0, 0, 0.3, 1), sw=2.4))
    for dx in (-6, 4):
        s.add(circle(58 + dx, 64, 6, s.ball("#8a5a2a"), sw=1.8))


def tulips(s):
    colours = ["#e5304f", "#ffd23f", "#ff7ab8", "#b06bff"]
    for k, c in enumerate(colours):
        x = 12 + k * 18
        top = 16 + (k % 2) * 8
        s.add(path("M%d,66 L%d,%d" % (x, x, top + 10), "none", stroke="#2f8f3a", sw=3))
        s.add(path("M%d,60 q-8,-8 -6,-18 q6,6 6,14" % x, "#57c75f", sw=1.5))
        s.add(path("M%d,%d q-7,0 -7,-10 l3,-8 l4,5 l3,-7 l3,7 l4,-5 l3,8 q0,10 -7,10 Z" % (x + 3, top + 14),
                   s.ball(c), sw=1.8))
    s.add(rect(2, 60, 80, 8, s.linear([(0, "#8d5a2b"), (1, "#5e3a1a")]), sw=2, rx=3))


def pond(s):
    s.add(ellipse(75, 34, 72, 24, s.lit("#a8a3b5", 0.3), sw=3))
    s.add(ellipse(75, 34, 62, 18, s.linear([(0, "#b5e8ff"), (0.5, WATER), (1, "#2a8ad0")]), sw=2.5))
    for x, y in ((52, 30), (96, 38)):
        s.add(path("M%d,%d q6,-4 12,0" % (x, y), "none", stroke="#ffffff", sw=2, opacity=0.8))
    s.add(ellipse(104, 30, 12, 6, s.lit("#4cbb47", 0.3), sw=1.8))
    s.add(path("M104,30 L114,27", "none", stroke="#2f7a2c", sw=1.5))
    s.add(circle(102, 27, 3, s.ball("#ff7ab8"), sw=1))
    for x, y in ((8, 30), (18, 50), (134, 46), (144, 26)):
        s.add(circle(x, y, 6, s.ball("#c9c4d6"), sw=1.8))
    # A little duck.
    s.add(ellipse(50, 38, 10, 6, s.ball("#ffd23f"), sw=1.8))
    s.add(circle(44, 30, 5, s.ball("#ffd23f"), sw=1.8))
    s.add(poly([(39, 30), (34, 32), (39, 33)], "#ff8a3d", sw=1))
    s.add(circle(43, 29, 1, OUTLINE, sw=0))


def well(s):
    s.add(rect(10, 60, 70, 50, s.lit("#b9b4c6", 0.3), rx=4))
    for row, y in enumerate(range(62, 108, 12)):
        for x in range(12 + (row % 2) * 9, 76, 18):
            s.add(rect(x, y, 16, 10, s.lit(mix("#c9c4d6", "#a39eb3", (x + y) % 3 / 2.0), 0.2),
                       stroke="#6f6a80", sw=1, rx=2))
    s.add(ellipse(45, 60, 36, 8, s.linear([(0, "#2a5fa8"), (1, "#4fa3e8")]), sw=2.5))
    for x in (14, 76):
        s.add(rect(x - 3, 18, 6, 44, s.lit(TRUNK, 0.3), sw=2))
    s.add(poly([(4, 24), (45, 2), (86, 24)], s.lit("#e5483f", 0.3)))
    s.add(line(14, 32, 76, 32, stroke="#5a4a3a", sw=3))
    s.add(line(45, 32, 45, 44, stroke="#5a4a3a", sw=1.5))
    s.add(path("M37,44 L53,44 L51,56 L39,56 Z", s.lit("#c98544", 0.3), sw=2))


def treasure_chest(s):
    s.add(rect(4, 30, 82, 38, s.lit("#a0602c", 0.3), rx=3))
    s.add(path("M4,32 L4,20 Q45,-4 86,20 L86,32 Z", s.lit("#b8763a", 0.3)))
    # Gold peeking out under the lid.
    for x in range(10, 82, 10):
        s.add(circle(x, 30, 5, s.ball(GOLD), stroke="#9a7a10", sw=1.2))
    for x in (12, 78):
        s.add(rect(x - 4, 18, 8, 50, s.lit(GOLD, 0.3), sw=1.8))
    s.add(rect(4, 30, 82, 6, s.lit(GOLD, 0.3), sw=1.8))
    s.add(rect(38, 38, 14, 14, s.lit(GOLD, 0.3), sw=2, rx=2))
    s.add(circle(45, 44, 2.5, OUTLINE, sw=0))
    s.add(poly(star_points(70, 12, 6, 2.5), "#ffffff", sw=1))


def pumpkin_carriage(s):
    for x in (34, 116):
        s.add(circle(x, 100, 17, "none", stroke=OUTLINE, sw=7))
        s.add(circle(x, 100, 17, "none", stroke=GOLD, sw=4))
        for k in range(6):
            a = math.radians(k * 60)
            s.add(line(x, 100, x + 15 * math.cos(a), 100 + 15 * math.sin(a), stroke="#c98a10", sw=2))
        s.add(circle(x, 100, 4, s.ball(GOLD), sw=1.5))
    s.add(ellipse(75, 58, 62, 38, s.ball("#ff9a3d"), sw=3))
    for dx in (-38, -14, 14, 38):
        s.add(path("M%d,24 Q%d,58 %d,94" % (75 + dx // 3, 75 + dx, 75 + dx // 3), "none",
                   stroke=darken("#ff9a3d", 0.3), sw=2))
    s.add(path("M56,64 L56,48 A19,19 0 0 1 94,48 L94,64 Z", s.linear([(0, "#bfe6ff"), (1, GLASS)]), sw=3,
               stroke=GOLD))
    s.add(path("M56,64 L56,48 A19,19 0 0 1 94,48 L94,64 Z", "none", sw=1.5))
    s.add(path("M75,20 Q72,8 80,4", "none", stroke="#2f8f3a", sw=4))
    s.add(path("M75,20 Q86,6 96,14 Q86,14 78,20 Z", "#57c75f", sw=1.5))
    s.add(poly(star_points(75, 78, 7, 3), s.ball(GOLD), sw=1.4))


def rainbow_bridge(s):
    bands = ["#ff4d4d", "#ff9a3d", "#ffe14d", "#5fd35f", "#4da6ff", "#9a6bff"]
    for i, c in enumerate(bands):
        s.add(path("M10,%d Q80,%d 150,%d" % (70 + i * 0, 2 + i * 6, 70), "none", stroke=c, sw=6.5))
    s.add(path("M10,70 Q80,-2 150,70", "none", sw=2.5))
    s.add(path("M10,70 Q80,34 150,70", "none", sw=2.5))
    for x in (10, 150):
        s.add(rect(x - 8, 62, 16, 14, s.lit("#b9b4c6", 0.3), sw=2.2, rx=3))
    for x, y in ((48, 28), (112, 28), (80, 16)):
        s.add(poly(star_points(x, y, 6, 2.5), s.ball("#ffffff"), sw=1.2))


def picnic(s):
    s.add(path("M6,56 L30,30 L118,30 L112,56 Z", "#ffffff", sw=3))
    clip = s.clip('<path d="M6,56 L30,30 L118,30 L112,56 Z"/>')
    checks = []
    for r in range(4):
        for c in range(10):
            if (r + c) % 2 == 0:
                checks.append(rect(c * 13, 30 + r * 6.5, 13, 6.5, "#e53950", sw=0))
    s.add(group(checks, clip_path=clip))
    s.add(path("M6,56 L30,30 L118,30 L112,56 Z", "none", sw=3))
    s.add(path("M40,22 Q52,4 64,22", "none", stroke="#8a5a2a", sw=3.5))
    s.add(path("M34,22 L70,22 L66,42 L38,42 Z", s.lit("#d9a55a", 0.3), sw=2.2))
    for y in (28, 35):
        s.add(line(36, y, 68, y, stroke=darken("#d9a55a", 0.4), sw=1.3))
    s.add(circle(88, 38, 7, s.ball("#e5304f"), sw=1.8))
    s.add(path("M88,31 q2,-4 5,-4", "none", stroke="#2f7a2c", sw=1.5))
    s.add(path("M96,44 L108,44 L106,36 Q102,32 98,36 Z", s.lit("#ffd23f", 0.3), sw=1.6))


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
    "1.pennants": (160, 40, pennants),
    "1.torch": (30, 100, torch),
    "1.kite": (80, 132, kite),
    "1.weathervane": (60, 100, weathervane),
    "1.bell": (60, 72, bell),
    "1.hot-air-balloon": (100, 136, hot_air_balloon),
    "2.rose-bush": (108, 64, rose_bush),
    "2.hedge": (120, 52, hedge),
    "2.sunflower": (50, 130, sunflower),
    "2.mushroom": (60, 62, mushroom),
    "2.palm": (116, 152, palm),
    "2.tulips": (86, 72, tulips),
    "3.pond": (150, 64, pond),
    "3.well": (90, 114, well),
    "3.treasure-chest": (90, 72, treasure_chest),
    "3.pumpkin-carriage": (150, 120, pumpkin_carriage),
    "3.rainbow-bridge": (160, 80, rainbow_bridge),
    "3.picnic": (124, 60, picnic),
}
