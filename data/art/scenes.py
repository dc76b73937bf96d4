"""Backgrounds and the two banners, 1024 x 768.

Every scene has its ground from y = GROUND down, so that a palace built in the
middle of the screen (x 254 to 964, down to y 708 where the frame begins)
stands on grass, sand or snow. Scenery stays low and to the sides; the sky
above the middle is kept calm for the palace.
"""

import math
import random

from svg import Svg, rect, path, circle, ellipse, poly, group, lighten, darken, star_points, OUTLINE
import palace
import person

W, H = 1024, 768
GROUND = 560


def sky(s, top, bottom):
    s.add(rect(0, 0, W, H, s.linear([(0, top), (1, bottom)]), sw=0))


def cloud(s, x, y, k=1.0, colour="#ffffff"):
    blobs = [(-30, 8, 22), (0, 0, 30), (32, 6, 24), (56, 12, 16)]
    s.add(group([circle(x + dx * k, y + dy * k, (r + 2.5) * k, darken(colour, 0.25), sw=0)
                 for dx, dy, r in blobs] + [rect(x - 32 * k, y + 10 * k, 92 * k, 22 * k, darken(colour, 0.25),
                                                  sw=0, rx=11 * k)]))
    s.add(group([circle(x + dx * k, y + dy * k, r * k, s.ball(colour), sw=0) for dx, dy, r in blobs] +
                [rect(x - 29.5 * k, y + 12 * k, 87 * k, 17.5 * k, colour, sw=0, rx=9 * k)]))


def sun(s, x, y, r, colour="#ffd23f", face=True):
    s.add(circle(x, y, r * 1.9, s.radial([(0, colour, 0.55), (1, colour, 0)], 0.5, 0.5, 0.5), sw=0))
    s.add(circle(x, y, r, s.ball(colour), sw=4, stroke=darken(colour, 0.3)))
    if face:
        for dx in (-r * 0.33, r * 0.33):
            s.add(ellipse(x + dx, y - r * 0.1, r * 0.08, r * 0.13, OUTLINE, sw=0))
            s.add(circle(x + dx * 1.5, y + r * 0.25, r * 0.12, "#ff8f6a", sw=0, opacity=0.6))
        s.add(path("M%s,%s Q%s,%s %s,%s" % (x - r * 0.3, y + r * 0.3, x, y + r * 0.55, x + r * 0.3, y + r * 0.3),
                   "none", sw=3.5))


def hills(s, y, colour, bumps, seed):
    rnd = random.Random(seed)
    d = "M0,%d " % H
    d += "L0,%d " % y
    step = W / float(bumps)
    for i in range(bumps):
        x1 = step * (i + 0.5)
        y1 = y - rnd.randint(20, 60)
        d += "Q%d,%d %d,%d " % (x1, y1, step * (i + 1), y)
    d += "L%d,%d Z" % (W, H)
    s.add(path(d, s.linear([(0, lighten(colour, 0.2)), (1, darken(colour, 0.15))]), stroke=darken(colour, 0.3),
               sw=3))


def ground(s, colour, edge=None):
    edge = edge or darken(colour, 0.25)
    s.add(path("M0,%d Q256,%d 512,%d Q768,%d 1024,%d L1024,768 L0,768 Z" % (GROUND, GROUND - 14, GROUND,
                                                                             GROUND + 14, GROUND),
               s.linear([(0, lighten(colour, 0.15)), (1, darken(colour, 0.2))]), stroke=edge, sw=3))


def flower_dots(s, seed, colours, count=70):
    rnd = random.Random(seed)
    for _ in range(count):
        x = rnd.uniform(10, W - 10)
        y = rnd.uniform(GROUND + 30, H - 10)
        c = rnd.choice(colours)
        r = 2.5 + (y - GROUND) / 60.0
        s.add(circle(x, y, r, c, stroke=darken(c, 0.35), sw=1))
        s.add(circle(x, y, r * 0.4, "#ffe14d", sw=0))


def grass_tufts(s, seed, colour, count=40):
    rnd = random.Random(seed)
    for _ in range(count):
        x = rnd.uniform(0, W)
        y = rnd.uniform(GROUND + 20, H)
        k = 0.6 + (y - GROUND) / 200.0
        s.add(path("M%.1f,%.1f q%.1f,%.1f %.1f,%.1f M%.1f,%.1f q0,%.1f %.1f,%.1f M%.1f,%.1f q%.1f,%.1f %.1f,%.1f" % (
            x, y, -3 * k, -6 * k, -6 * k, -10 * k, x, y, -8 * k, 0, -14 * k, x, y, 3 * k, -6 * k, 6 * k, -10 * k),
            "none", stroke=colour, sw=2))


def little_tree(s, x, base, k):
    """A far-away round tree on the hills."""
    s.add(rect(x - 3 * k, base - 18 * k, 6 * k, 18 * k, "#8a5a2a", stroke="#5e3a1a", sw=1.5))
    s.add(circle(x, base - 26 * k, 14 * k, s.ball("#4cbb47"), stroke="#2f7a2c", sw=2))


def birds(s, spots):
    for x, y, k in spots:
        s.add(path("M%.1f,%.1f q%.1f,%.1f %.1f,0 q%.1f,%.1f %.1f,0" % (x, y, 6 * k, -6 * k, 12 * k, 6 * k, -6 * k,
                                                                       12 * k), "none", stroke="#3b4a6b", sw=2.2))


def meadow(s):
    sky(s, "#5fb8ff", "#d6f0ff")
    sun(s, 860, 140, 62)
    cloud(s, 380, 130, 1.3)
    cloud(s, 620, 230, 0.9)
    birds(s, ((520, 170, 1.0), (548, 186, 0.8), (700, 120, 0.9)))
    hills(s, GROUND - 20, "#7fd36a", 5, 1)
    for x, k in ((300, 0.9), (330, 1.2), (900, 1.0), (935, 0.8)):
        little_tree(s, x, GROUND - 8, k)
    ground(s, "#5fc24f")
    grass_tufts(s, 2, "#3f9a38", 60)
    flower_dots(s, 3, ["#ffffff", "#ff7ab8", "#ffd23f", "#b06bff"], 60)


def seaside(s):
    sky(s, "#3fa9f5", "#e3f6ff")
    sun(s, 430, 120, 50)
    cloud(s, 700, 150, 1.1)
    birds(s, ((600, 250, 1.2), (640, 230, 0.9), (330, 300, 1.0)))
    s.add(rect(0, 470, W, GROUND - 440, s.linear([(0, "#3fb2e8"), (1, "#1e7fc4")]), stroke="#175f94", sw=3))
    for i, y in enumerate(range(490, GROUND, 22)):
        for x in range(-40 + (i % 2) * 40, W, 80):
            s.add(path("M%d,%d q10,-8 20,0 q10,8 20,0" % (x, y), "none", stroke="#ffffff", sw=2.5, opacity=0.6))
    # A little sail boat far out.
    s.add(path("M820,470 L900,470 L888,486 L832,486 Z", s.lit("#e5483f", 0.3), sw=2.5))
    s.add(poly([(860, 466), (860, 404), (896, 466)], "#ffffff", sw=2.5))
    s.add(poly([(856, 466), (856, 414), (830, 466)], "#ffd23f", sw=2.5))
    ground(s, "#f5d78a")
    rnd = random.Random(5)
    for _ in range(16):
        x, y = rnd.uniform(280, 980), rnd.uniform(GROUND + 40, H - 70)
        s.add(path("M%.1f,%.1f q6,-10 12,0 Z" % (x, y), "#ffb3a8", stroke="#c9715f", sw=1.5))


def sunset(s):
    s.add(rect(0, 0, W, H, s.linear([(0, "#5b3a9e"), (0.45, "#ff7a7a"), (0.8, "#ffc46b")]), sw=0))
    sun(s, 620, GROUND - 40, 90, "#ffb33f", face=False)
    cloud(s, 400, 180, 1.2, "#ffd2e0")
    cloud(s, 820, 260, 0.9, "#ffd2e0")
    hills(s, GROUND - 10, "#8a4fa8", 4, 7)
    ground(s, "#b86a6a")
    grass_tufts(s, 8, "#8a4a58", 50)


def night(s):
    sky(s, "#0c1a4a", "#2f4fa0")
    rnd = random.Random(11)
    for _ in range(90):
        x, y = rnd.uniform(0, W), rnd.uniform(0, GROUND - 60)
        r = rnd.choice((1.2, 1.6, 2.2))
        s.add(circle(x, y, r, "#ffffff", sw=0, opacity=0.9))
    for x, y in ((420, 110), (700, 90), (560, 240), (880, 320)):
        s.add(poly(star_points(x, y, 11, 4.5), s.ball("#fff3a0"), stroke="#c9a800", sw=1.5))
    s.add(circle(830, 140, 60, s.radial([(0, "#fff8d0", 0.5), (1, "#fff8d0", 0)], 0.5, 0.5, 0.5), sw=0))
    s.add(path("M830,100 A42,42 0 1 0 872,160 A34,34 0 1 1 830,100 Z", s.ball("#fff3a0"), stroke="#c9a800", sw=3))
    hills(s, GROUND - 20, "#28458a", 5, 12)
    ground(s, "#2f6b4f")
    rnd = random.Random(13)
    for _ in range(14):
        x, y = rnd.uniform(280, 980), rnd.uniform(GROUND + 30, H - 70)
        s.add(circle(x, y, 7, s.radial([(0, "#fffb9a", 0.9), (1, "#fffb9a", 0)], 0.5, 0.5, 0.5), sw=0))
        s.add(circle(x, y, 2, "#fffbd0", sw=0))


def snow(s):
    sky(s, "#9fd0f5", "#f4fbff")
    for x, h_ in ((300, 260), (560, 320), (820, 240)):
        s.add(poly([(x - 220, GROUND), (x, GROUND - h_), (x + 220, GROUND)],
                   s.linear([(0, "#c9d9ee"), (1, "#7f98bb")], 0, 0, 1, 0.6), stroke="#5a708f", sw=3))
        s.add(path("M%d,%d L%d,%d L%d,%d L%d,%d L%d,%d L%d,%d Z" % (
            x - 66, GROUND - h_ * 0.7, x, GROUND - h_, x + 66, GROUND - h_ * 0.7, x + 30, GROUND - h_ * 0.62,
            x, GROUND - h_ * 0.72, x - 30, GROUND - h_ * 0.62), "#ffffff", stroke="#5a708f", sw=2.5))
    cloud(s, 450, 120, 1.0)
    ground(s, "#f4f8ff", "#9fb3cc")
    snowman(s, 900, GROUND + 70)
    rnd = random.Random(17)
    for _ in range(120):
        x, y = rnd.uniform(0, W), rnd.uniform(0, H)
        s.add(circle(x, y, rnd.choice((2, 3, 4)), "#ffffff", stroke="#c8d8ec", sw=0.8))


def snowman(s, x, ground_y):
    """A friendly snowman standing on ground_y."""
    snow_ball = s.ball("#ffffff")
    for cy, r in ((ground_y - 30, 30), (ground_y - 76, 22), (ground_y - 110, 16)):
        s.add(circle(x, cy, r, snow_ball, stroke="#7f98bb", sw=3))
    for dx in (-6, 6):
        s.add(circle(x + dx, ground_y - 114, 2.6, OUTLINE, sw=0))
    s.add(poly([(x, ground_y - 109), (x + 18, ground_y - 106), (x, ground_y - 104)], "#ff8a3d", sw=1.5))
    s.add(path("M%d,%d q14,8 28,0 l-2,8 q-12,6 -24,0 Z" % (x - 14, ground_y - 96), "#e53935", sw=2))
    s.add(rect(x + 4, ground_y - 94, 8, 20, "#e53935", sw=2, rx=2))
    s.add(rect(x - 16, ground_y - 128, 32, 5, "#2b2b3b", sw=2))
    s.add(rect(x - 11, ground_y - 146, 22, 20, s.lit("#2b2b3b", 0.3), sw=2))
    for cy in (ground_y - 82, ground_y - 70, ground_y - 40, ground_y - 24):
        s.add(circle(x, cy, 3, OUTLINE, sw=0))
    for side in (-1, 1):
        s.add(path("M%d,%d l%d,-22 m%d,8 l%d,-4" % (x + side * 20, ground_y - 80, side * 26, -side * 8,
                                                     -side * 8), "none", stroke="#8a5a2a", sw=3))


def fir(s, x, base, k, colour="#2e9e47"):
    """A fir tree of the forest, k times the size of a small one."""
    s.add(rect(x - 6 * k, base - 24 * k, 12 * k, 24 * k, s.lit("#8a5a2a", 0.3), stroke="#5e3a1a", sw=2))
    for i, (w, y) in enumerate(((44, 24), (34, 62), (24, 96))):
        s.add(poly([(x - w * k, base - y * k), (x, base - (y + 56) * k), (x + w * k, base - y * k)],
                   s.linear([(0, lighten(colour, 0.3)), (1, darken(colour, 0.3))], 0, 0, 1, 0.6),
                   stroke=darken(colour, 0.45), sw=2.5))


def forest(s):
    sky(s, "#7fc8ff", "#e6f7ff")
    sun(s, 560, 110, 46)
    cloud(s, 760, 150, 1.0)
    hills(s, GROUND - 30, "#5fb447", 6, 31)
    for x, k, c in ((40, 1.6, "#2e9e47"), (130, 1.2, "#3fae4a"), (200, 1.8, "#2b8a3a"), (920, 1.7, "#2e9e47"),
                    (990, 1.3, "#3fae4a"), (850, 1.1, "#2b8a3a")):
        fir(s, x, GROUND + 20, k, c)
    ground(s, "#4cbb47")
    # A path of round stones winding up to the palace.
    rnd = random.Random(33)
    for i in range(12):
        y = H - 20 - i * 16
        x = 600 + 60 * math.sin(i * 0.7) + rnd.uniform(-6, 6)
        s.add(ellipse(x, y, 24 - i, 8 - i * 0.4, s.ball("#d8d3e3"), stroke="#8f8a9e", sw=2))
    for x, y in ((330, 650), (880, 700), (420, 720)):
        s.add(rect(x - 4, y - 18, 8, 18, "#fff1dc", stroke=OUTLINE, sw=2))
        s.add(path("M%d,%d Q%d,%d %d,%d Z" % (x - 16, y - 16, x, y - 40, x + 16, y - 16), s.ball("#e5304f"),
                   stroke=OUTLINE, sw=2.5))
        s.add(circle(x - 5, y - 25, 3, "#ffffff", sw=0))
    grass_tufts(s, 34, "#2f7a2c", 50)


def autumn(s):
    sky(s, "#8ecbff", "#fff0d6")
    sun(s, 880, 130, 56, "#ffc83f")
    cloud(s, 420, 140, 1.1, "#fff8f0")
    hills(s, GROUND - 20, "#e0b04a", 5, 41)
    for x, k, c in ((90, 1.3, "#ff8a3d"), (190, 1.0, "#e5483f"), (960, 1.2, "#ffc83f"), (880, 0.9, "#ff8a3d")):
        s.add(rect(x - 8 * k, GROUND - 90 * k, 16 * k, 100 * k, s.lit("#8a5a2a", 0.3), stroke="#5e3a1a", sw=2.5))
        for dx, dy, r in ((-34, -100, 40), (30, -106, 40), (0, -140, 46), (-10, -84, 34)):
            s.add(circle(x + dx * k, GROUND + dy * k, r * k, s.ball(c), stroke=darken(c, 0.4), sw=2.5))
    ground(s, "#b8c94a")
    rnd = random.Random(43)
    for _ in range(60):
        x, y = rnd.uniform(10, W - 10), rnd.uniform(GROUND + 30, H - 8)
        c = rnd.choice(("#ff8a3d", "#e5483f", "#ffc83f"))
        s.add(ellipse(x, y, 7, 3.5, c, stroke=darken(c, 0.4), sw=1, transform="rotate(%d %.1f %.1f)" % (
            rnd.randint(0, 180), x, y)))
    for x in (300, 960):
        s.add(circle(x, GROUND + 120, 26, s.ball("#ff9a3d"), stroke=OUTLINE, sw=3))
        s.add(path("M%d,%d q2,-12 8,-14" % (x, GROUND + 96), "none", stroke="#3f9a38", sw=4))


def candy(s):
    sky(s, "#ffb3d9", "#fff0f8")
    for x, y, k in ((300, 120, 1.0), (760, 90, 1.3)):
        cloud(s, x, y, k, "#ffffff")
    rnd = random.Random(53)
    for _ in range(30):
        x, y = rnd.uniform(0, W), rnd.uniform(0, GROUND - 140)
        s.add(poly(star_points(x, y, 6, 2.5), "#ffffff", stroke="#ff7ab8", sw=1))
    hills(s, GROUND - 10, "#b5e8ff", 4, 51)
    # Lollipops and candy canes at the sides.
    for x, base, c in ((70, GROUND + 60, "#ff5b8a"), (200, GROUND + 20, "#b06bff"), (930, GROUND + 50, "#4da6ff")):
        s.add(rect(x - 5, base - 150, 10, 150, "#ffffff", stroke=OUTLINE, sw=2.5))
        s.add(circle(x, base - 170, 42, s.ball(c), stroke=darken(c, 0.4), sw=3))
        s.add(path("M%d,%d m0,-6 a6,6 0 1 1 -6,6 a14,14 0 0 1 14,-14 a22,22 0 0 1 22,22 a30,30 0 0 1 -30,30" % (
            x, base - 170), "none", stroke="#ffffff", sw=5, opacity=0.8))
    for x in (820, 290):
        s.add(path("M%d,%d L%d,%d Q%d,%d %d,%d" % (x, GROUND + 40, x, GROUND - 80, x, GROUND - 110, x + 30,
                                                   GROUND - 110), "none", stroke=OUTLINE, sw=16))
        s.add(path("M%d,%d L%d,%d Q%d,%d %d,%d" % (x, GROUND + 40, x, GROUND - 80, x, GROUND - 110, x + 30,
                                                   GROUND - 110), "none", stroke="#ffffff", sw=10))
        s.add(path("M%d,%d L%d,%d Q%d,%d %d,%d" % (x, GROUND + 40, x, GROUND - 80, x, GROUND - 110, x + 30,
                                                   GROUND - 110), "none", stroke="#e53950", sw=10,
                   stroke_dasharray="10 10"))
    ground(s, "#ffd6ea", "#e58ab8")
    flower_dots(s, 54, ["#ff5b8a", "#4da6ff", "#ffd23f", "#5fd35f", "#b06bff"], 80)


# The castle of the banners, built from the palace pieces: (piece, x, y) with
# y counted up from the ground, so it shows how the pieces stack.
CASTLE = [("1.wall", 80, -60), ("1.window-wall", 80, -120), ("1.wall", 320, -60),
          ("1.window-wall", 320, -120), ("1.gate", 200, -120), ("3.battlements", 80, -150),
          ("3.battlements", 320, -150), ("3.gable", 200, -190)] + \
    [("2.tower", x, y) for x in (0, 440) for y in (-120, -240)] + [("3.roof", x, -340) for x in (0, 440)]
CASTLE_WIDTH = 520
# Window centres and sizes, (cx, top, w, h), in the castle's own units.
CASTLE_WINDOWS = [(140, -112, 28, 40), (380, -112, 28, 40)] + \
    [(x, y + 30, 22, 38) for x in (40, 480) for y in (-120, -240)]


def embed(s, draw, w, h, x, y):
    """A piece's drawing as SVG text, its top-left corner moved to (x, y)."""
    sub = Svg(w, h)
    sub.count = s.count
    draw(sub)
    s.count = sub.count
    s.defs.extend(sub.defs)
    return '<g transform="translate(%s,%s)">%s</g>' % (x, y, "".join(sub.body))


def castle(s, x, y, dusk=False):
    """The banners' castle with its left edge at x, standing on y; at dusk its
    colours are dimmed to the blue of the night."""
    parts = []
    for name, px, py in CASTLE:
        w, h, draw = palace.PIECES[name]
        parts.append(embed(s, draw, w, h, x + px, y + py))
    if dusk:
        night_tint = s.colour_matrix([0.42, 0, 0, 0, 0.02,
                                      0, 0.46, 0, 0, 0.04,
                                      0, 0, 0.62, 0, 0.12,
                                      0, 0, 0, 1, 0])
        s.add(group(parts, filter=night_tint))
    else:
        s.add(group(parts))


def balloon(s, x, y, colour):
    s.add(path("M%d,%d q-6,30 4,60" % (x, y + 34), "none", stroke="#5a4a3a", sw=2))
    s.add(ellipse(x, y, 26, 32, s.ball(colour), stroke=darken(colour, 0.4), sw=3))
    s.add(poly([(x - 5, y + 36), (x + 5, y + 36), (x, y + 30)], colour, stroke=darken(colour, 0.4), sw=2))


def startup(s):
    sky(s, "#5fb8ff", "#e3f6ff")
    sun(s, 150, 130, 70)
    cloud(s, 820, 120, 1.2)
    cloud(s, 500, 90, 0.8)
    rainbow_colours = ["#ff4d4d", "#ff9a3d", "#ffe14d", "#5fd35f", "#4da6ff", "#9a6bff"]
    for i, c in enumerate(rainbow_colours):
        r = 420 - i * 22
        s.add(path("M%d,600 A%d,%d 0 0 1 %d,600" % (512 - r, r, r, 512 + r), "none", stroke=c, sw=23,
                   opacity=0.85))
    hills(s, 600, "#7fd36a", 4, 21)
    s.add(path("M0,640 Q512,610 1024,640 L1024,768 L0,768 Z", s.linear([(0, "#6fd05a"), (1, "#3f9a38")]),
               stroke="#2f7a2c", sw=3))
    flower_dots(s, 23, ["#ffffff", "#ff7ab8", "#ffd23f"], 40)
    castle(s, 512 - CASTLE_WIDTH // 2, 650)
    # Friends waiting in front of the palace.
    for name, x, bottom in (("1.princess", 150, 716), ("2.knight", 222, 722), ("3.dog", 700, 728),
                            ("3.dragon", 800, 730)):
        w, h, draw = person.PIECES[name]
        s.add(embed(s, draw, w, h, x, bottom - h))
    for x, y, c in ((120, 330, "#ff5b8a"), (190, 290, "#ffd23f"), (860, 330, "#4da6ff"), (930, 280, "#5fd35f")):
        balloon(s, x, y, c)


def shutdown(s):
    night(s)
    left, ground_y = 512 - CASTLE_WIDTH // 2, 700
    castle(s, left, ground_y, dusk=True)
    # Warm lights in the windows: the palace is going to sleep.
    for cx, top, w, h in CASTLE_WINDOWS:
        s.add(circle(left + cx, ground_y + top + h / 2.0, 34,
                     s.radial([(0, "#ffe98a", 0.55), (1, "#ffe98a", 0)], 0.5, 0.5, 0.5), sw=0))
        palace.arched_window(s, left + cx, ground_y + top, w, h, lit=True)


BACKGROUNDS = {
    "1.meadow": meadow,
    "2.seaside": seaside,
    "3.sunset": sunset,
    "4.night": night,
    "5.snow": snow,
    "6.forest": forest,
    "7.autumn": autumn,
    "8.candy": candy,
}

BANNERS = {
    "startup": startup,
    "shutdown": shutdown,
}
