"""Palace pieces: blocks, towers and tops that stack edge to edge.

Shared measures keep the pieces fitting: every wall block is 120 wide and 60
high (or a multiple of 60), towers are 80 wide like their roofs, turrets,
pillars and chimneys 40 wide like the spire, and the tops that sit on walls
are 120 wide; every width is a multiple of 40. Rectangular pieces are opaque right to their edges so that two
pieces snapped together leave no gap.
"""

import math

from svg import rect, path, circle, ellipse, line, poly, group, lighten, darken, star_points, OUTLINE

STONE = "#f2c879"
STONE_DARK = "#d9a55a"
ROOF_RED = "#e5483f"
ROOF_BLUE = "#3d7fe0"
WOOD = "#a0602c"
GLASS = "#4fa3e8"
GOLD = "#ffd23f"


def bricks(s, x, y, w, h, colour, row_h=20, brick_w=40):
    """Brick courses filling a rectangle; each brick softly lit from the top left."""
    out = []
    rows = int(round(h / row_h))
    for r in range(rows):
        off = 0 if r % 2 == 0 else -brick_w // 2
        bx = x + off
        while bx < x + w:
            left = max(bx, x)
            right = min(bx + brick_w, x + w)
            shade = [0.0, 0.06, -0.04, 0.03][(r * 3 + (bx - x) // brick_w) % 4]
            c = lighten(colour, shade) if shade >= 0 else darken(colour, -shade)
            out.append(rect(left + 1.5, y + r * row_h + 1.5, right - left - 3, row_h - 3,
                            s.lit(c, 0.25), stroke=darken(colour, 0.28), sw=1.2, rx=3))
            bx += brick_w
    return out


def block(s, w, h, colour=STONE):
    """An opaque stone block with a mortar background and an outline at its edge."""
    s.add(rect(0, 0, w, h, darken(colour, 0.2), sw=0))
    for b in bricks(s, 0, 0, w, h, colour):
        s.add(b)
    s.add(rect(1.5, 1.5, w - 3, h - 3, "none"))


def arched_window(s, cx, top, w, h, lit=False):
    """An arched window with a wooden frame and sill; lit ones glow warm yellow."""
    r = w / 2.0
    d = "M%s,%s L%s,%s A%s,%s 0 0 1 %s,%s L%s,%s Z" % (
        cx - r, top + h, cx - r, top + r, r, r, cx + r, top + r, cx + r, top + h)
    s.add(path(d, WOOD, sw=6))
    glass = [(0, "#fffbe0"), (0.5, "#ffe067"), (1, "#f2a900")] if lit else \
        [(0, "#bfe6ff"), (0.5, GLASS), (1, "#2a5fa8")]
    s.add(path(d, s.linear(glass, 0, 0, 0.7, 1), sw=2.5))
    s.add(line(cx, top + 3, cx, top + h - 1, stroke=WOOD, sw=3))
    s.add(line(cx - r + 1, top + r + 2, cx + r - 1, top + r + 2, stroke=WOOD, sw=3))
    s.add(path("M%s,%s Q%s,%s %s,%s" % (cx - r + 4, top + r, cx - r + 4, top + 5, cx - 3, top + 4),
               "none", stroke="#ffffff", sw=2.5, opacity=0.8))
    s.add(rect(cx - r - 5, top + h - 1, w + 10, 6, s.lit(STONE, 0.3), sw=2, rx=2))


def wall(s):
    block(s, 120, 60)


def window_wall(s):
    block(s, 120, 60)
    arched_window(s, 60, 6, 28, 38)
    # A flower box on the sill.
    for i, c in enumerate(("#ff5b8a", "#ffd23f", "#ffffff", "#ff5b8a", "#b06bff")):
        s.add(circle(46 + i * 7, 45, 3.6, s.ball(c), stroke=darken(c, 0.4), sw=1))
    s.add(rect(42, 47, 36, 8, s.lit("#c0392b", 0.3), sw=1.8, rx=1.5))


def gate(s):
    block(s, 120, 120)
    # A rounded arch of light keystones around a wooden double door.
    s.add(path("M22,120 L22,62 A38,38 0 0 1 98,62 L98,120 Z", s.lit("#fbe3b0", 0.3), sw=3))
    door = "M31,120 L31,63 A29,29 0 0 1 89,63 L89,120 Z"
    s.add(path(door, s.linear([(0, "#c98544"), (0.5, WOOD), (1, "#6e3d17")], 0, 0, 1, 0.6), sw=3))
    for x in (45, 60, 75):
        s.add(line(x, 40 if x == 60 else 44, x, 118, stroke=darken(WOOD, 0.45), sw=1.6))
    for y in (70, 100):
        s.add(rect(32, y, 56, 5, "#5c5c6e", stroke=OUTLINE, sw=1.2))
    s.add(circle(53, 88, 4, "none", stroke="#3c3c48", sw=2.2))
    s.add(circle(67, 88, 4, "none", stroke="#3c3c48", sw=2.2))
    s.add(rect(1.5, 1.5, 117, 117, "none"))


def round_tower(s, w, h, colour=STONE, slit=True):
    """A tower with round shading, lit from the left."""
    s.add(rect(0, 0, w, h, darken(colour, 0.2), sw=0))
    for b in bricks(s, 0, 0, w, h, colour, brick_w=32):
        s.add(b)
    s.add(rect(0, 0, w, h, s.linear([(0, "#ffffff", 0.35), (0.35, "#ffffff", 0.0),
                                     (0.75, "#000000", 0.0), (1, "#000000", 0.28)], 0, 0, 1, 0), sw=0))
    if slit:
        arched_window(s, w / 2.0, 30, 22, 38)
    s.add(rect(1.5, 1.5, w - 3, h - 3, "none"))


def tower(s):
    round_tower(s, 80, 120)


def bridge(s):
    # Deck on top, an open arch below; the deck is opaque across the whole width.
    d = "M1.5,1.5 L158.5,1.5 L158.5,58.5 L132,58.5 A52,38 0 0 0 28,58.5 L1.5,58.5 Z"
    clip = s.clip('<path d="%s"/>' % d)
    s.add(path(d, darken(STONE, 0.2), sw=0))
    s.add(group(bricks(s, 0, 0, 160, 60, STONE), clip_path=clip))
    s.add(path("M28,58.5 A52,38 0 0 1 132,58.5", "none", stroke=lighten(STONE, 0.4), sw=7))
    s.add(path("M28,58.5 A52,38 0 0 1 132,58.5", "none", stroke=OUTLINE, sw=2))
    s.add(rect(0, 0, 160, 9, s.lit("#e0b46a", 0.3), sw=0))
    s.add(path(d, "none", join="miter"))
    s.add(line(1.5, 9, 158.5, 9, sw=2))


def stairs(s):
    # Four steps rising to the right; the space above the steps is left clear.
    pts = [(1.5, 58.5), (1.5, 45), (30, 45), (30, 30), (60, 30), (60, 15), (90, 15), (90, 1.5),
           (118.5, 1.5), (118.5, 58.5)]
    clip = s.clip(poly(pts, "#000", sw=0))
    s.add(poly(pts, darken(STONE, 0.2), sw=0))
    s.add(group(bricks(s, 0, 0, 120, 60, STONE, row_h=15, brick_w=30), clip_path=clip))
    for i in range(4):
        s.add(rect(i * 30 + 1, 45 - i * 15 - 0.5, 28 + (1.5 if i == 3 else 0), 5, lighten(STONE, 0.45), sw=0))
    s.add(poly(pts, "none", join="miter"))


def cone_roof(s, colour=ROOF_RED, band="#c0392b"):
    # 80 wide at its foot, like a tower; a golden ball on the tip.
    base, w = 100, 80
    outer = "M1.5,%d Q14,64 40,16 Q66,64 78.5,%d Z" % (base - 1.5, base - 1.5)
    s.add(path(outer, s.linear([(0, lighten(colour, 0.35)), (0.5, colour), (1, darken(colour, 0.35))],
                                0, 0, 1, 0.3)))
    clip = s.clip('<path d="%s"/>' % outer)
    scallops = []
    for row, y in enumerate(range(40, base, 12)):
        off = 0 if row % 2 == 0 else 6
        for x in range(-12 + off, w + 12, 12):
            scallops.append(path("M%d,%d a6,6 0 0 0 12,0" % (x, y), "none",
                                 stroke=darken(colour, 0.35), sw=1.6))
    s.add(group(scallops, clip_path=clip))
    s.add(rect(0, base - 8, w, 8, s.lit(band, 0.3), stroke=OUTLINE, sw=2.5))
    s.add(line(40, 16, 40, 7, sw=3))
    s.add(circle(40, 7, 5.5, s.ball(GOLD), sw=2))


def gable_roof(s):
    # 120 wide, sits on a wall block.
    pts = [(1.5, 68.5), (60, 1.5), (118.5, 68.5)]
    s.add(poly(pts, s.linear([(0, lighten(ROOF_BLUE, 0.35)), (0.5, ROOF_BLUE), (1, darken(ROOF_BLUE, 0.35))],
                             0, 0, 1, 0.4)))
    clip = s.clip(poly(pts, "#000", sw=0))
    tiles = []
    for row, y in enumerate(range(22, 70, 10)):
        tiles.append(line(0, y, 120, y, stroke=darken(ROOF_BLUE, 0.3), sw=1.4))
        for x in range(row % 2 * 7, 120, 14):
            tiles.append(line(x, y - 10, x, y, stroke=darken(ROOF_BLUE, 0.3), sw=1.2))
    s.add(group(tiles, clip_path=clip))
    s.add(circle(60, 38, 9, s.linear([(0, "#bfe6ff"), (1, GLASS)], 0, 0, 0.6, 1), sw=4, stroke=WOOD))
    s.add(circle(60, 38, 9, "none", sw=1.5))
    s.add(poly(pts, "none"))
    # The eave: full width at the bottom, so the roof sits flush on its wall.
    s.add(rect(0, 62, 120, 8, s.lit(darken(ROOF_BLUE, 0.25), 0.3), stroke=OUTLINE, sw=2.5, join="miter"))


def battlements(s):
    # Crenellations 120 wide; the bottom band is solid across the width.
    pts = [(1.5, 28.5), (1.5, 1.5), (18, 1.5), (18, 13), (34, 13), (34, 1.5), (52, 1.5), (52, 13),
           (68, 13), (68, 1.5), (86, 1.5), (86, 13), (102, 13), (102, 1.5), (118.5, 1.5), (118.5, 28.5)]
    clip = s.clip(poly(pts, "#000", sw=0))
    s.add(poly(pts, darken(STONE, 0.2), sw=0))
    s.add(group(bricks(s, 0, 0, 120, 30, STONE, row_h=15, brick_w=20), clip_path=clip))
    s.add(poly(pts, "none", join="miter"))



PINK = "#f7b2c8"
BLUE_STONE = "#a9c8f0"
WATER = "#4fb6f0"


def portcullis(s):
    block(s, 120, 120)
    arch = "M22,120 L22,62 A38,38 0 0 1 98,62 L98,120 Z"
    s.add(path(arch, s.lit("#fbe3b0", 0.3), sw=3))
    inside = "M31,120 L31,63 A29,29 0 0 1 89,63 L89,120 Z"
    s.add(path(inside, s.linear([(0, "#4a3a5e"), (1, "#231a30")]), sw=3))
    # The iron grid, half raised: its spikes hang above the way in.
    clip = s.clip('<path d="%s"/>' % inside)
    bars = [line(x, 30, x, 96, stroke="#8a8fa3", sw=4.5) for x in range(38, 88, 10)]
    bars += [line(30, y, 90, y, stroke="#8a8fa3", sw=4) for y in range(46, 96, 12)]
    s.add('<g clip-path="%s">%s</g>' % (clip, "".join(bars)))
    for x in range(38, 88, 10):
        s.add(poly([(x - 3, 96), (x + 3, 96), (x, 104)], "#8a8fa3", sw=1.5))
    s.add(circle(60, 40, 7, s.ball(GOLD), sw=2))
    s.add(rect(1.5, 1.5, 117, 117, "none"))


def rose_window(s):
    block(s, 120, 60, PINK)
    s.add(circle(60, 30, 24, s.lit("#fbe3b0", 0.3), sw=3))
    colours = ["#e53950", "#ffd23f", "#3d7fe0", "#5fd35f", "#b06bff", "#ff8a3d", "#e53950", "#3d7fe0"]
    for k, c in enumerate(colours):
        a0, a1 = math.radians(k * 45 - 90), math.radians(k * 45 - 45)
        s.add(path("M60,30 L%.1f,%.1f A18,18 0 0 1 %.1f,%.1f Z" % (
            60 + 18 * math.cos(a0), 30 + 18 * math.sin(a0), 60 + 18 * math.cos(a1), 30 + 18 * math.sin(a1)),
            s.lit(c, 0.35), sw=1.8))
    s.add(circle(60, 30, 6, s.ball(GOLD), sw=2))
    s.add(circle(60, 30, 18, "none", sw=2.5))


def wall_arches(s):
    block(s, 120, 60, PINK)
    for cx in (20, 60, 100):
        d = "M%d,58.5 L%d,28 A12,12 0 0 1 %d,28 L%d,58.5 Z" % (cx - 12, cx - 12, cx + 12, cx + 12)
        s.add(path(d, s.linear([(0, "#5a4a78"), (1, "#2e2440")]), sw=2.5))
        s.add(path("M%d,28 A12,12 0 0 1 %d,28" % (cx - 12, cx + 12), "none", stroke="#fbe3b0", sw=3))
        s.add(path(d, "none", sw=2.5))
    for cx in (40, 80):
        s.add(rect(cx - 5, 22, 10, 37, s.lit("#fff3d6", 0.3), sw=2))
        s.add(rect(cx - 7, 18, 14, 5, s.lit("#fff3d6", 0.3), sw=1.8))
    s.add(rect(1.5, 1.5, 117, 57, "none"))


def wall_balcony(s):
    block(s, 120, 60)
    door = "M46,44 L46,18 A14,14 0 0 1 74,18 L74,44 Z"
    s.add(path(door, s.linear([(0, "#c98544"), (1, "#6e3d17")], 0, 0, 1, 0.6), sw=2.5))
    s.add(line(60, 6, 60, 44, stroke=darken(WOOD, 0.45), sw=1.5))
    s.add(rect(30, 42, 60, 6, s.lit("#fbe3b0", 0.3), sw=2.2, rx=2))
    for x in range(34, 90, 8):
        s.add(rect(x - 2, 48, 4, 9, s.lit("#fbe3b0", 0.3), sw=1.4))
    s.add(rect(28, 55, 64, 4, s.lit("#e0b46a", 0.3), sw=1.8, rx=1.5))
    for x, c in ((36, "#ff5b8a"), (84, "#ff5b8a")):
        s.add(circle(x, 38, 4.5, s.ball(c), stroke=darken(c, 0.4), sw=1))


def wall_clock(s):
    block(s, 120, 60, BLUE_STONE)
    s.add(circle(60, 30, 23, s.lit(GOLD, 0.3), sw=3))
    s.add(circle(60, 30, 18, s.ball("#ffffff"), sw=2))
    for k in range(12):
        a = math.radians(k * 30)
        s.add(circle(60 + 14 * math.cos(a), 30 + 14 * math.sin(a), 1.4, OUTLINE, sw=0))
    s.add(line(60, 30, 60, 19, sw=2.6))
    s.add(line(60, 30, 68, 33, sw=2.6))
    s.add(circle(60, 30, 2.2, "#e53950", sw=0))


def pillar(s):
    s.add(rect(0, 0, 40, 120, darken(STONE, 0.2), sw=0))
    s.add(rect(6, 14, 28, 92, s.linear([(0, "#ffffff"), (0.3, "#fff3d6"), (1, "#d9b98a")], 0, 0, 1, 0), sw=2.5))
    for x in (13, 20, 27):
        s.add(line(x, 16, x, 104, stroke="#d4b27e", sw=1.6))
    s.add(rect(1.5, 1.5, 37, 14, s.lit("#fbe3b0", 0.3), sw=2.5, rx=2))
    s.add(rect(1.5, 104.5, 37, 14, s.lit("#fbe3b0", 0.3), sw=2.5, rx=2))
    s.add(circle(20, 8.5, 3.5, s.ball(GOLD), sw=1.5))
    s.add(rect(1.5, 1.5, 37, 117, "none"))


def tower_door(s):
    round_tower(s, 80, 120, BLUE_STONE, slit=False)
    arched_window(s, 40, 14, 20, 28)
    door = "M20,120 L20,82 A20,20 0 0 1 60,82 L60,120 Z"
    s.add(path(door, s.linear([(0, "#c98544"), (0.5, WOOD), (1, "#6e3d17")], 0, 0, 1, 0.6), sw=3))
    for x in (30, 40, 50):
        s.add(line(x, 66 if x == 40 else 70, x, 118, stroke=darken(WOOD, 0.45), sw=1.4))
    s.add(circle(50, 100, 2.8, s.ball(GOLD), sw=1))
    s.add(rect(1.5, 1.5, 77, 117, "none"))


def tower_short(s):
    round_tower(s, 80, 60, PINK, slit=False)
    s.add(circle(40, 30, 12, s.linear([(0, "#bfe6ff"), (1, GLASS)], 0, 0, 0.6, 1), sw=4, stroke=WOOD))
    s.add(circle(40, 30, 12, "none", sw=1.5))
    s.add(line(40, 19, 40, 41, stroke=WOOD, sw=2.5))
    s.add(line(29, 30, 51, 30, stroke=WOOD, sw=2.5))
    s.add(rect(1.5, 1.5, 77, 57, "none"))


def turret(s):
    round_tower(s, 40, 120, STONE, slit=False)
    for top in (20, 70):
        s.add(rect(16, top, 8, 22, s.linear([(0, "#4a3a5e"), (1, "#231a30")]), sw=2, rx=4))
    s.add(rect(1.5, 1.5, 37, 117, "none"))


def drawbridge(s):
    # Planks on two chains, the deck opaque from end to end.
    s.add(rect(0, 28, 160, 32, darken(WOOD, 0.3), sw=0))
    for x in range(0, 160, 20):
        s.add(rect(x + 1, 29.5, 18, 29, s.lit(lighten(WOOD, 0.1 if x % 40 else 0), 0.3),
                   stroke=darken(WOOD, 0.45), sw=1.4, rx=2))
    for x in (6, 154):
        s.add(rect(x - 5, 1.5, 10, 30, s.lit("#9aa0b5", 0.3), sw=2, rx=2))
    for x0, x1 in ((10, 50), (150, 110)):
        for k in range(6):
            t = k / 5.0
            s.add(ellipse(x0 + (x1 - x0) * t, 6 + 24 * t, 3.5, 2.5, "none", stroke="#5c5c6e", sw=2))
    for x in (50, 110):
        s.add(circle(x, 32, 4, s.ball("#9aa0b5"), sw=1.5))
    s.add(rect(1.5, 29.5, 157, 29, "none", join="miter"))


def moat(s):
    s.add(rect(0, 0, 160, 30, darken(STONE, 0.2), sw=0))
    s.add(group(bricks(s, 0, 0, 20, 30, STONE, row_h=15, brick_w=20)))
    s.add(group(bricks(s, 140, 0, 20, 30, STONE, row_h=15, brick_w=20)))
    s.add(rect(20, 4, 120, 26, s.linear([(0, "#9be0ff"), (0.5, WATER), (1, "#1e7fc4")]), sw=2))
    for x, y in ((34, 12), (74, 18), (110, 11)):
        s.add(path("M%d,%d q6,-5 12,0 q6,5 12,0" % (x, y), "none", stroke="#ffffff", sw=2, opacity=0.8))
    s.add(ellipse(96, 22, 5, 3, "#ff8a3d", sw=1.2))
    s.add(poly([(100, 22), (106, 18), (106, 26)], "#ff8a3d", sw=1.2))
    s.add(rect(1.5, 1.5, 157, 27, "none", join="miter"))


def chimney(s):
    s.add(rect(0, 0, 40, 60, darken("#c8644a", 0.2), sw=0))
    for b in bricks(s, 0, 12, 40, 48, "#e07a5a", row_h=12, brick_w=20):
        s.add(b)
    s.add(rect(0, 0, 40, 13, s.lit("#7d7d8a", 0.3), sw=0))
    s.add(rect(1.5, 1.5, 37, 57, "none"))
    s.add(line(1.5, 13, 38.5, 13, sw=2))


def onion_dome(s):
    d = "M6,98.5 C6,70 24,60 34,40 Q40,28 40,16 Q40,28 46,40 C56,60 74,70 74,98.5 Z"
    s.add(path(d, s.linear([(0, lighten("#5fd3a0", 0.4)), (0.5, "#2fae78"), (1, darken("#2fae78", 0.35))],
                           0, 0, 1, 0.3)))
    clip = s.clip('<path d="%s"/>' % d)
    stripes = [path("M40,16 Q%d,60 %d,100" % (40 + dx // 2, 40 + dx), "none", stroke=GOLD, sw=2)
               for dx in (-24, -12, 0, 12, 24)]
    s.add(group(stripes, clip_path=clip))
    s.add(path(d, "none"))
    s.add(rect(0, 92, 80, 8, s.lit(GOLD, 0.3), sw=2.2))
    s.add(line(40, 16, 40, 6, sw=3))
    s.add(circle(40, 6, 4.5, s.ball(GOLD), sw=1.8))


def spire(s):
    d = "M1.5,98.5 L20,8 L38.5,98.5 Z"
    s.add(path(d, s.linear([(0, lighten(ROOF_BLUE, 0.35)), (0.5, ROOF_BLUE), (1, darken(ROOF_BLUE, 0.35))],
                           0, 0, 1, 0.2)))
    for y in range(30, 96, 14):
        half = 18.5 * (y - 8) / 90.5
        s.add(line(20 - half + 1, y, 20 + half - 1, y, stroke=darken(ROOF_BLUE, 0.3), sw=1.4))
    s.add(rect(0, 92, 40, 8, s.lit(darken(ROOF_BLUE, 0.25), 0.3), sw=2.2))
    s.add(poly(star_points(20, 6, 6, 2.5), s.ball(GOLD), sw=1.4))


def dome(s):
    d = "M1.5,68.5 L1.5,60 A58.5,52 0 0 1 118.5,60 L118.5,68.5 Z"
    s.add(path(d, s.ball("#ffc83f")))
    for x in (30, 60, 90):
        s.add(path("M%d,%d Q%d,30 60,9" % (x, 60, x + (60 - x) // 3), "none", stroke=darken("#ffc83f", 0.3),
                   sw=1.6))
    s.add(rect(0, 58, 120, 12, s.lit("#fbe3b0", 0.3), sw=2.5, join="miter"))
    for x in range(10, 120, 20):
        s.add(circle(x, 64, 2.6, "#e53950", sw=0.8))
    s.add(line(60, 9, 60, 2, sw=2.5))
    s.add(circle(60, 4, 3.5, s.ball("#ffffff"), sw=1.5))


def cone_violet(s):
    cone_roof(s, "#8a5cf0", "#5b3ab8")
    # A pennant flying from the tip.
    s.add(line(40, 8, 40, 0, sw=2))
    s.add(path("M41,1 L62,5 L41,10 Z", s.lit("#ffd23f", 0.3), sw=1.6))


def tower_top(s):
    pts = [(1.5, 28.5), (1.5, 1.5), (16, 1.5), (16, 13), (32, 13), (32, 1.5), (48, 1.5), (48, 13),
           (64, 13), (64, 1.5), (78.5, 1.5), (78.5, 28.5)]
    clip = s.clip(poly(pts, "#000", sw=0))
    s.add(poly(pts, darken(BLUE_STONE, 0.2), sw=0))
    s.add(group(bricks(s, 0, 0, 80, 30, BLUE_STONE, row_h=15, brick_w=16), clip_path=clip))
    s.add(poly(pts, "none", join="miter"))


def canopy(s):
    d = "M1.5,10 L118.5,10 L118.5,20 Q109,32 99,20 Q89,32 79,20 Q69,32 60,20 Q50,32 40,20 Q30,32 21,20 " \
        "Q11,32 1.5,20 Z"
    clip = s.clip('<path d="%s"/>' % d)
    stripes = [rect(x, 0, 10, 40, "#e53950" if x % 20 == 0 else "#ffffff", sw=0) for x in range(0, 120, 10)]
    s.add(group(stripes, clip_path=clip))
    s.add(path(d, s.linear([(0, "#ffffff", 0.3), (1, "#000000", 0.15)]), sw=2.5))
    s.add(rect(0, 2, 120, 9, s.lit(GOLD, 0.3), sw=2.2, rx=3))
    # The awning's two posts and its foot, which stands on the wall below.
    for x in (2, 111):
        s.add(rect(x, 10, 7, 24, s.lit(GOLD, 0.3), sw=1.8))
    s.add(rect(0, 32, 120, 8, s.lit(darken(GOLD, 0.2), 0.3), sw=2.2, join="miter"))


PIECES = {
    "1.wall": (120, 60, wall),
    "1.window-wall": (120, 60, window_wall),
    "1.gate": (120, 120, gate),
    "2.tower": (80, 120, tower),
    "2.bridge": (160, 60, bridge),
    "2.stairs": (120, 60, stairs),
    "3.roof": (80, 100, cone_roof),
    "3.gable": (120, 70, gable_roof),
    "3.battlements": (120, 30, battlements),
    "1.portcullis": (120, 120, portcullis),
    "1.rose-window": (120, 60, rose_window),
    "1.wall-arches": (120, 60, wall_arches),
    "1.wall-balcony": (120, 60, wall_balcony),
    "1.wall-clock": (120, 60, wall_clock),
    "1.pillar": (40, 120, pillar),
    "2.tower-door": (80, 120, tower_door),
    "2.tower-short": (80, 60, tower_short),
    "2.turret": (40, 120, turret),
    "2.drawbridge": (160, 60, drawbridge),
    "2.moat": (160, 30, moat),
    "2.chimney": (40, 60, chimney),
    "3.onion-dome": (80, 100, onion_dome),
    "3.spire": (40, 100, spire),
    "3.dome": (120, 70, dome),
    "3.cone-violet": (80, 100, cone_violet),
    "3.tower-top": (80, 30, tower_top),
    "3.canopy": (120, 40, canopy),
}
