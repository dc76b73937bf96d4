"""Palace pieces: blocks, towers and tops that stack edge to edge.

Shared measures keep the pieces fitting: every wall block is 120 wide and 60
high, towers are 80 wide like their roofs, and the tops that sit on walls are
120 wide. Rectangular pieces are opaque right to their edges so that two
pieces snapped together leave no gap.
"""

from svg import rect, path, circle, line, poly, group, lighten, darken, OUTLINE

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


def cone_roof(s):
    # 80 wide at its foot, like a tower; a golden ball on the tip.
    base, w = 100, 80
    outer = "M1.5,%d Q14,64 40,16 Q66,64 78.5,%d Z" % (base - 1.5, base - 1.5)
    s.add(path(outer, s.linear([(0, lighten(ROOF_RED, 0.35)), (0.5, ROOF_RED), (1, darken(ROOF_RED, 0.35))],
                                0, 0, 1, 0.3)))
    clip = s.clip('<path d="%s"/>' % outer)
    scallops = []
    for row, y in enumerate(range(40, base, 12)):
        off = 0 if row % 2 == 0 else 6
        for x in range(-12 + off, w + 12, 12):
            scallops.append(path("M%d,%d a6,6 0 0 0 12,0" % (x, y), "none",
                                 stroke=darken(ROOF_RED, 0.35), sw=1.6))
    s.add(group(scallops, clip_path=clip))
    s.add(rect(0, base - 8, w, 8, s.lit("#c0392b", 0.3), stroke=OUTLINE, sw=2.5))
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
}
