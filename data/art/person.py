"""Persons and animals: round friendly faces, big eyes, rosy cheeks. Row 1 the
royal family and its magic friends, row 2 the palace's people, row 3 animals."""

from svg import rect, path, circle, ellipse, line, poly, darken, star_points, OUTLINE

SKIN = "#ffd3b0"
GOLD = "#ffd23f"
TRUNK_BRANCH = "#9a5b2a"


def face(s, cx, cy, r, skin=SKIN):
    s.add(circle(cx, cy, r, s.ball(skin), sw=2.5))
    for dx in (-r * 0.36, r * 0.36):
        s.add(ellipse(cx + dx, cy - r * 0.05, r * 0.11, r * 0.15, OUTLINE, sw=0))
        s.add(circle(cx + dx - r * 0.04, cy - r * 0.11, r * 0.045, "#ffffff", sw=0))
        s.add(circle(cx + dx * 1.45, cy + r * 0.3, r * 0.14, "#ff8f9a", sw=0, opacity=0.6))
    s.add(path("M%s,%s Q%s,%s %s,%s" % (cx - r * 0.3, cy + r * 0.35, cx, cy + r * 0.62, cx + r * 0.3, cy + r * 0.35),
               "none", sw=2.2))


def crown(s, cx, top, w, h):
    x0 = cx - w / 2.0
    pts = [(x0, top + h), (x0, top), (x0 + w * 0.25, top + h * 0.55), (cx, top - h * 0.15),
           (x0 + w * 0.75, top + h * 0.55), (x0 + w, top), (x0 + w, top + h)]
    s.add(poly(pts, s.ball(GOLD), sw=2))
    s.add(circle(cx, top + h * 0.7, 2.6, "#e53950", sw=1))


def body(s, cx, top, bottom, w_top, w_bottom, colour):
    d = "M%s,%s Q%s,%s %s,%s L%s,%s Q%s,%s %s,%s Z" % (
        cx - w_top / 2.0, top, cx, top - 6, cx + w_top / 2.0, top,
        cx + w_bottom / 2.0, bottom, cx, bottom + 4, cx - w_bottom / 2.0, bottom)
    s.add(path(d, s.lit(colour, 0.4)))


def feet(s, cx, y, colour="#5a3a22"):
    for dx in (-8, 8):
        s.add(ellipse(cx + dx, y, 8, 4.5, s.lit(colour, 0.3), sw=2))


def arms(s, cx, y, spread, colour, hand=SKIN, down=34):
    for side in (-1, 1):
        x = cx + side * spread
        s.add(path("M%s,%s Q%s,%s %s,%s" % (x, y, x + side * 8, y + down / 2.0, x + side * 6, y + down), "none",
                   sw=11))
        s.add(path("M%s,%s Q%s,%s %s,%s" % (x, y, x + side * 8, y + down / 2.0, x + side * 6, y + down), "none",
                   stroke=colour, sw=6.5))
        s.add(circle(x + side * 6, y + down + 2, 5, s.ball(hand), sw=2))


def king(s):
    s.add(path("M12,52 Q35,40 58,52 L64,132 L6,132 Z", s.lit("#c0292f", 0.3)))
    body(s, 35, 52, 130, 30, 50, "#7a3db8")
    s.add(rect(32, 54, 6, 74, "#ffffff", stroke="none", sw=0, opacity=0.8))
    arms(s, 35, 58, 14, "#7a3db8")
    s.add(line(60, 46, 54, 96, stroke="#8a5a2a", sw=4))
    s.add(circle(60, 44, 5, s.ball(GOLD), sw=2))
    feet(s, 35, 134)
    face(s, 35, 34, 17)
    s.add(path("M22,42 Q35,64 48,42 Q42,50 35,50 Q28,50 22,42 Z", "#f5f5f5", sw=2))
    crown(s, 35, 6, 28, 14)


def queen(s):
    s.add(path("M35,50 Q10,90 8,132 L62,132 Q60,90 35,50 Z", s.lit("#ff6fa8", 0.35)))
    body(s, 35, 50, 80, 26, 34, "#ff6fa8")
    s.add(path("M14,124 Q35,116 56,124", "none", stroke=GOLD, sw=3))
    arms(s, 35, 56, 12, "#ff6fa8")
    s.add(path("M17,34 Q14,62 22,66 L48,66 Q56,62 53,34 Z", s.lit("#8b4a1f", 0.3), sw=2.5))
    face(s, 35, 32, 16)
    crown(s, 35, 6, 26, 12)


def princess(s):
    s.add(path("M32,48 Q10,90 6,126 L58,126 Q54,90 32,48 Z", s.lit("#ffb3d9", 0.3)))
    for y in (92, 110):
        s.add(path("M%d,%d Q32,%d %d,%d" % (12 + (y - 92) // 6, y, y + 8, 52 - (y - 92) // 6, y), "none",
                   stroke="#ff7ab8", sw=2.5))
    body(s, 32, 48, 74, 24, 30, "#ff8ec8")
    arms(s, 32, 54, 11, "#ff8ec8")
    s.add(path("M15,30 Q10,66 20,70 L44,70 Q54,66 49,30 Z", s.lit(GOLD, 0.3), sw=2.5))
    face(s, 32, 30, 15)
    s.add(path("M18,24 Q32,10 46,24 Q40,18 32,20 Q24,18 18,24 Z", s.lit(GOLD, 0.3), sw=2))
    s.add(poly(star_points(32, 12, 7, 3), s.ball("#ffffff"), sw=1.5))


def knight(s):
    steel = "#b8c3d6"
    body(s, 35, 50, 122, 34, 40, steel)
    s.add(rect(31, 54, 8, 66, "#e53935", sw=0))
    arms(s, 35, 56, 15, steel, hand="#8e99ad")
    s.add(line(60, 94, 62, 40, stroke="#dfe6f2", sw=6))
    s.add(line(60, 94, 62, 40, sw=1.5))
    s.add(rect(54, 86, 14, 5, GOLD, sw=1.5, rx=2))
    # Round shield with a star.
    s.add(circle(14, 92, 13, s.ball("#3d7fe0"), sw=2.5))
    s.add(poly(star_points(14, 92, 7, 3), GOLD, sw=1))
    feet(s, 35, 126, "#6b7488")
    s.add(circle(35, 32, 19, s.ball(steel), sw=2.5))
    s.add(rect(22, 26, 26, 14, s.lit(SKIN, 0.2), sw=2, rx=6))
    for dx in (-5, 5):
        s.add(circle(35 + dx, 32, 2.4, OUTLINE, sw=0))
    s.add(path("M31,36 Q35,39 39,36", "none", sw=1.6))
    s.add(path("M35,13 Q48,2 52,10 Q44,8 38,16 Z", "#e53935", sw=2))


def guard(s):
    coat = "#2f6fd1"
    body(s, 30, 56, 132, 28, 34, coat)
    for y in (68, 84, 100):
        s.add(circle(30, y, 2.5, GOLD, sw=1))
    arms(s, 30, 62, 12, coat)
    s.add(line(50, 8, 50, 144, stroke="#9a5b2a", sw=5))
    s.add(line(50, 8, 50, 144, sw=1.2))
    s.add(path("M50,2 L56,16 L50,14 L44,16 Z", s.lit("#dfe6f2", 0.3), sw=2))
    feet(s, 30, 138, "#222233")
    face(s, 30, 42, 14)
    s.add(path("M16,36 L16,16 Q30,4 44,16 L44,36 Q30,30 16,36 Z", s.lit("#2b2b3b", 0.3), sw=2.5))
    s.add(rect(14, 33, 32, 5, "#e53935", sw=1.5, rx=2))


def jester(s):
    s.add(path("M32,48 L50,48 L54,118 L32,118 Z", s.lit("#ffd23f", 0.3)))
    s.add(path("M32,48 L14,48 L10,118 L32,118 Z", s.lit("#e53950", 0.3)))
    s.add(path("M14,48 Q32,62 50,48 L46,56 Q32,66 18,56 Z", s.ball("#5fd35f"), sw=2))
    arms(s, 32, 54, 14, "#5fd35f")
    feet(s, 32, 122, "#7a3db8")
    face(s, 32, 34, 15)
    s.add(path("M17,28 Q32,14 47,28 Q56,10 62,20 Q50,14 46,26 Z", s.lit("#e53950", 0.3), sw=2))
    s.add(path("M17,28 Q32,14 47,28 Q10,8 2,20 Q14,14 17,28 Z", s.lit("#ffd23f", 0.3), sw=2))
    s.add(path("M17,28 Q32,18 47,28 Q36,0 32,2 Q28,0 17,28 Z", s.lit("#3d7fe0", 0.3), sw=2))
    for x, y in ((62, 20), (2, 20), (32, 2)):
        s.add(circle(x, y, 4.5 if y > 5 else 4, s.ball(GOLD), sw=1.6))


def horse(s):
    coat = "#c8894a"
    mane = "#6b3f1c"
    for x, shade in ((40, 0.12), (98, 0.12), (52, 0.0), (110, 0.0)):
        s.add(rect(x - 5, 70, 10, 40, s.lit(darken(coat, shade), 0.3), sw=2.5, rx=4))
        s.add(rect(x - 6, 106, 12, 8, "#4a3324", sw=2, rx=2))
    s.add(path("M28,54 Q8,60 10,100 Q16,98 20,86 Q22,98 28,96 Q24,76 32,62 Z", s.lit(mane, 0.3), sw=2.5))
    s.add(ellipse(74, 62, 50, 24, s.lit(coat, 0.35), sw=3))
    # Neck and head, looking to the right.
    s.add(path("M96,52 L112,16 L134,22 L122,66 Z", s.lit(coat, 0.35), sw=3))
    s.add('<g transform="rotate(35 132 28)">')
    s.add(ellipse(134, 28, 20, 11, s.lit(coat, 0.35), sw=3))
    s.add("</g>")
    s.add(ellipse(145, 38, 5, 4, "#e8b07a", sw=0))
    s.add(circle(146, 37, 1.6, OUTLINE, sw=0))
    s.add(poly([(116, 16), (118, 2), (126, 12)], s.lit(coat, 0.3), sw=2))
    s.add(path("M114,8 Q96,22 92,50 L102,50 Q106,30 122,14 Z", s.lit(mane, 0.3), sw=2.5))
    s.add(circle(128, 22, 3.4, OUTLINE, sw=0))
    s.add(circle(127, 21, 1.1, "#ffffff", sw=0))
    s.add(path("M46,48 Q74,42 98,50 L98,72 Q74,78 46,72 Z", s.lit("#e53950", 0.3), sw=2))
    s.add(path("M50,52 L94,54", "none", stroke=GOLD, sw=2.5))


def dragon(s):
    green = "#5ccf5a"
    s.add(path("M40,96 Q8,100 6,130 Q4,146 22,140 Q16,130 26,120 Q36,110 48,112 Z", s.lit(green, 0.3)))
    s.add(poly([(14, 140), (4, 146), (22, 150), (24, 138)], s.lit("#ff8a3d", 0.3), sw=2))
    s.add(path("M70,64 Q60,14 96,6 Q92,30 112,26 Q104,48 124,48 Q106,70 84,76 Z", s.lit("#a46bff", 0.3)))
    s.add(path("M76,62 Q84,30 98,12 M84,68 Q100,40 112,28 M92,72 Q110,54 122,48", "none",
               stroke=darken("#a46bff", 0.35), sw=1.8))
    for x in (56, 100):
        s.add(ellipse(x, 140, 14, 8, s.lit(green, 0.3), sw=2.5))
    s.add(ellipse(78, 110, 40, 32, s.lit(green, 0.35), sw=3))
    s.add(ellipse(80, 118, 24, 20, s.lit("#fff1a8", 0.3), sw=2))
    for y in (108, 118, 128):
        s.add(path("M%d,%d Q80,%d %d,%d" % (62, y, y + 4, 98, y), "none", stroke="#d9c36a", sw=1.5))
    # Two little arms waving hello.
    for x0, x1 in ((98, 112), (64, 52)):
        s.add(path("M%d,104 Q%d,100 %d,92" % (x0, (x0 + x1) / 2, x1), "none", sw=9))
        s.add(path("M%d,104 Q%d,100 %d,92" % (x0, (x0 + x1) / 2, x1), "none", stroke="#6fdc6a", sw=5))
    s.add(path("M108,92 Q118,70 130,64 L140,76 Q126,84 120,104 Z", s.lit(green, 0.35), sw=3))
    s.add(ellipse(144, 56, 24, 20, s.lit(green, 0.35), sw=3))
    s.add(ellipse(160, 64, 10, 8, s.lit(green, 0.35), sw=2.5))
    s.add(circle(160, 60, 1.6, OUTLINE, sw=0))
    for x in (132, 146):
        s.add(path("M%d,40 L%d,26 L%d,38 Z" % (x, x + 2, x + 8), s.lit("#fff1a8", 0.3), sw=2))
    s.add(circle(142, 52, 7, "#ffffff", sw=2))
    s.add(circle(144, 52, 3.5, OUTLINE, sw=0))
    s.add(circle(145, 50.5, 1.2, "#ffffff", sw=0))
    s.add(path("M146,68 Q154,74 162,70", "none", sw=2))
    s.add(circle(134, 64, 4, "#ff8f9a", sw=0, opacity=0.6))
    for x, y in ((76, 80), (92, 78), (106, 82)):
        s.add(path("M%d,%d l5,-9 l5,9 Z" % (x - 5, y), "#ff8a3d", sw=1.5))


def dog(s):
    coat = "#f2e0c0"
    patch = "#b5793e"
    s.add(path("M14,38 Q2,26 6,16 Q14,28 20,34 Z", s.lit(coat, 0.3), sw=2.5))
    for x in (26, 38, 60, 72):
        s.add(rect(x - 5, 40, 10, 22, s.lit(coat, 0.3), sw=2.5, rx=4))
    s.add(ellipse(46, 40, 34, 15, s.lit(coat, 0.3), sw=3))
    s.add(ellipse(34, 36, 10, 7, patch, sw=0, opacity=0.9))
    s.add(circle(76, 22, 15, s.ball(coat), sw=3))
    s.add(path("M66,12 Q56,18 62,36 Q70,30 70,16 Z", s.lit(patch, 0.3), sw=2.5))
    s.add(ellipse(88, 28, 8, 6, s.lit(coat, 0.3), sw=2.5))
    s.add(circle(92, 25, 3, OUTLINE, sw=0))
    s.add(circle(78, 18, 2.8, OUTLINE, sw=0))
    s.add(circle(77, 17, 0.9, "#ffffff", sw=0))
    s.add(path("M84,34 Q86,40 90,34", "#ff7a8a", sw=1.5))
    s.add(path("M62,34 Q72,40 84,36", "none", stroke="#e53935", sw=3))
    s.add(circle(74, 39, 3, s.ball(GOLD), sw=1))



def long_hair(s, cx, cy, r, colour):
    """Long hair behind a face, falling to the shoulders."""
    s.add(path("M%s,%s Q%s,%s %s,%s L%s,%s Q%s,%s %s,%s Z" % (
        cx - r - 2, cy - 2, cx - r - 4, cy + r * 2.2, cx - r * 0.4, cy + r * 2.2, cx + r * 0.4, cy + r * 2.2,
        cx + r + 4, cy + r * 2.2, cx + r + 2, cy - 2), s.lit(colour, 0.3), sw=2.5))


def fringe(s, cx, cy, r, colour):
    s.add(path("M%s,%s Q%s,%s %s,%s Q%s,%s %s,%s Q%s,%s %s,%s Z" % (
        cx - r, cy, cx - r, cy - r * 1.2, cx, cy - r * 1.1, cx + r, cy - r * 1.2, cx + r, cy,
        cx, cy - r * 0.55, cx - r, cy), s.lit(colour, 0.3), sw=2.2))


def prince(s):
    s.add(path("M12,52 Q34,42 56,52 L60,120 L8,120 Z", s.lit("#3d7fe0", 0.3)))
    body(s, 34, 52, 104, 28, 34, "#2fae78")
    s.add(rect(20, 84, 28, 5, GOLD, sw=1.5))
    for dx in (-7, 7):
        s.add(rect(34 + dx - 5, 104, 10, 22, s.lit("#f5f5f5", 0.2), sw=2))
    arms(s, 34, 58, 13, "#2fae78")
    feet(s, 34, 128)
    face(s, 34, 34, 16)
    fringe(s, 34, 30, 16, "#8b4a1f")
    crown(s, 34, 8, 22, 10)


def wizard(s):
    s.add(path("M32,44 Q10,90 6,136 L58,136 Q54,90 32,44 Z", s.lit("#5b3ab8", 0.35)))
    for x, y in ((20, 100), (42, 118), (34, 84)):
        s.add(poly(star_points(x, y, 5, 2), GOLD, sw=1))
    arms(s, 32, 56, 13, "#5b3ab8")
    s.add(line(58, 30, 56, 136, stroke="#8a5a2a", sw=4))
    s.add(circle(58, 28, 6, s.ball("#6cc7ff"), sw=2))
    face(s, 32, 40, 14)
    s.add(path("M20,46 Q32,80 44,46 Q38,52 32,52 Q26,52 20,46 Z", s.lit("#ffffff", 0.1), sw=2))
    s.add(path("M14,32 L50,32 L36,2 Q34,-2 30,4 Z", s.lit("#5b3ab8", 0.35), sw=2.5))
    s.add(ellipse(32, 32, 22, 5, s.lit("#5b3ab8", 0.3), sw=2.2))
    s.add(poly(star_points(32, 20, 5, 2), GOLD, sw=1))


def winged_fairy(s):
    for side in (-1, 1):
        s.add(ellipse(34 + side * 16, 50, 13, 22, s.radial([(0, "#ffffff", 0.9), (1, "#b5e8ff", 0.8)]), sw=2,
                      transform="rotate(%d %d 50)" % (side * 25, 34 + side * 16)))
    s.add(path("M34,54 Q14,90 12,104 L56,104 Q54,90 34,54 Z", s.lit("#9be07a", 0.3)))
    s.add(path("M14,102 l6,-8 l6,8 l6,-8 l6,8 l6,-8 l6,8", "none", stroke="#5fb447", sw=2))
    arms(s, 34, 60, 10, "#9be07a", down=26)
    feet(s, 34, 108, "#ff7ab8")
    long_hair(s, 34, 36, 14, "#ff9a3d")
    face(s, 34, 36, 14)
    fringe(s, 34, 32, 14, "#ff9a3d")
    s.add(line(56, 86, 62, 66, stroke="#8a5a2a", sw=2.5))
    s.add(poly(star_points(62, 62, 7, 3), s.ball(GOLD), sw=1.4))
    for x, y in ((8, 20), (60, 14), (66, 40)):
        s.add(poly(star_points(x, y, 3.5, 1.5), "#fff3a0", sw=0.8))


def snow_queen(s):
    s.add(path("M34,48 Q8,92 4,134 L64,134 Q60,92 34,48 Z", s.lit("#9fd0f5", 0.35)))
    for x in (16, 34, 52):
        s.add(path("M%d,%d l0,12 m-6,-6 l12,0 m-10,-4 l8,8 m0,-8 l-8,8" % (x, 110), "none", stroke="#ffffff",
                   sw=1.8))
    body(s, 34, 48, 76, 26, 32, "#cfe8ff")
    arms(s, 34, 54, 12, "#cfe8ff")
    long_hair(s, 34, 32, 15, "#f4f8ff")
    face(s, 34, 32, 15)
    fringe(s, 34, 28, 15, "#f4f8ff")
    crown(s, 34, 4, 24, 12)


def royal_baby(s):
    s.add(path("M6,40 Q6,70 30,70 L54,70 Q74,70 74,40 Z", s.lit("#ffb3d9", 0.3)))
    s.add(path("M6,40 Q20,4 52,12 L40,40 Z", s.lit("#ff8ec8", 0.3)))
    for x in (18, 62):
        s.add(circle(x, 80, 8, s.ball("#8d8d99"), sw=2))
    face(s, 42, 30, 13)
    s.add(path("M36,18 q6,-8 6,0", "none", stroke="#8b4a1f", sw=2))
    crown(s, 42, 6, 16, 8)
    s.add(path("M6,40 L74,40", "none", stroke=GOLD, sw=3))
    s.add(path("M6,40 L74,40", "none", sw=1))


def little_prince(s):
    body(s, 26, 46, 78, 26, 30, "#e53950")
    s.add(rect(14, 66, 24, 4, GOLD, sw=1.2))
    for dx in (-6, 6):
        s.add(rect(26 + dx - 4, 78, 8, 16, s.lit("#3d7fe0", 0.3), sw=2))
    arms(s, 26, 50, 11, "#e53950", down=24)
    feet(s, 26, 96)
    face(s, 26, 30, 15)
    fringe(s, 26, 26, 15, "#ffd23f")
    crown(s, 26, 4, 18, 9)


def palace_cook(s):
    body(s, 32, 56, 126, 32, 40, "#ffffff")
    s.add(path("M18,74 L46,74 L48,124 L16,124 Z", s.lit("#ff8a8a", 0.2), sw=2))
    arms(s, 32, 62, 14, "#ffffff")
    # A cake on a plate, held up high.
    s.add(ellipse(58, 52, 14, 3, "#f1f1f1", sw=1.8))
    s.add(rect(48, 38, 20, 14, s.lit("#ff7ab8", 0.3), sw=2, rx=3))
    s.add(circle(58, 34, 4, s.ball("#e5304f"), sw=1.4))
    feet(s, 32, 130, "#333344")
    face(s, 32, 40, 15)
    s.add(path("M22,46 Q27,42 32,46 Q37,42 42,46", "none", stroke="#5a3a22", sw=3))
    s.add(path("M18,28 Q12,10 22,8 Q26,0 32,6 Q38,0 42,8 Q52,10 46,28 Z", s.ball("#ffffff"), sw=2.2))


def musician(s):
    body(s, 30, 54, 128, 28, 36, "#ff9a3d")
    for y in (66, 82, 98):
        s.add(line(18, y, 42, y, stroke="#ffd23f", sw=2))
    arms(s, 30, 60, 12, "#ff9a3d", down=28)
    # A lute.
    s.add(ellipse(44, 96, 12, 15, s.lit("#c98544", 0.3), sw=2.2, transform="rotate(30 44 96)"))
    s.add(circle(44, 96, 4, OUTLINE, sw=0))
    s.add(line(50, 86, 62, 66, stroke="#8a5a2a", sw=4))
    feet(s, 30, 132)
    face(s, 30, 38, 15)
    fringe(s, 30, 34, 15, "#2b2b3b")
    s.add(path("M14,28 Q30,14 48,26 L40,30 L18,30 Z", s.lit("#3d7fe0", 0.3), sw=2))
    s.add(path("M46,24 Q58,10 62,18 Q54,18 48,28 Z", "#e53950", sw=1.5))
    for x, y in ((8, 60), (60, 40)):
        s.add(path("M%d,%d l0,-10 l6,-2 l0,10" % (x, y), "none", sw=1.8))
        s.add(circle(x - 2, y, 2.5, OUTLINE, sw=0))


def royal_gardener(s):
    body(s, 32, 56, 122, 30, 36, "#5fb447")
    s.add(path("M20,62 L44,62 L44,118 L20,118 Z", s.lit("#8a5a2a", 0.3), sw=2))
    arms(s, 32, 62, 13, "#5fb447")
    # A watering can.
    s.add(path("M48,90 L66,90 L64,112 L50,112 Z", s.lit("#4da6ff", 0.3), sw=2))
    s.add(path("M66,96 L76,86", "none", sw=4))
    s.add(path("M66,96 L76,86", "none", stroke="#4da6ff", sw=2))
    for dx in (0, 3, 6):
        s.add(line(77 + dx, 88, 80 + dx, 96, stroke="#6cc7ff", sw=1.5))
    feet(s, 32, 126)
    face(s, 32, 38, 15)
    s.add(ellipse(32, 24, 24, 5, s.lit("#f5d78a", 0.3), sw=2))
    s.add(path("M20,24 Q20,8 32,8 Q44,8 44,24 Z", s.lit("#f5d78a", 0.3), sw=2))
    s.add(circle(40, 16, 3.5, s.ball("#ff5b8a"), sw=1))


def playing_children(s):
    # Two children holding hands, dancing.
    for cx, colour, hair_colour in ((26, "#ff7ab8", "#8b4a1f"), (74, "#4da6ff", "#ffd23f")):
        s.add(path("M%d,50 Q%d,80 %d,90 L%d,90 Q%d,80 %d,50 Z" % (cx - 8, cx - 18, cx - 20, cx + 20, cx + 18,
                                                                   cx + 8), s.lit(colour, 0.35)))
        feet(s, cx, 96)
        face(s, cx, 34, 14)
        fringe(s, cx, 30, 14, hair_colour)
    s.add(path("M34,60 Q50,72 66,60", "none", sw=9))
    s.add(path("M34,60 Q50,72 66,60", "none", stroke=SKIN, sw=5))
    for cx, side in ((26, -1), (74, 1)):
        s.add(path("M%d,56 q%d,-12 %d,-24" % (cx + side * 8, side * 8, side * 10), "none", sw=9))
        s.add(path("M%d,56 q%d,-12 %d,-24" % (cx + side * 8, side * 8, side * 10), "none", stroke=SKIN, sw=5))
    s.add(circle(50, 100, 7, s.ball("#e5304f"), sw=2))


def maid(s):
    s.add(path("M30,50 Q10,90 8,124 L52,124 Q50,90 30,50 Z", s.lit("#7a3db8", 0.3)))
    s.add(path("M20,68 L40,68 L44,120 L16,120 Z", s.ball("#ffffff"), sw=2))
    body(s, 30, 50, 70, 22, 26, "#7a3db8")
    arms(s, 30, 56, 11, "#7a3db8", down=30)
    # A feather duster.
    s.add(line(46, 90, 58, 56, stroke="#8a5a2a", sw=3))
    s.add(ellipse(60, 50, 8, 10, s.ball("#ff7ab8"), sw=1.8))
    feet(s, 30, 126, "#333344")
    face(s, 30, 34, 14)
    fringe(s, 30, 30, 14, "#b5793e")
    s.add(path("M18,20 Q30,12 42,20 L40,24 L20,24 Z", "#ffffff", sw=1.8))


def page_boy(s):
    body(s, 28, 52, 104, 26, 30, "#3d7fe0")
    s.add(path("M16,52 L40,52 L28,72 Z", "#ffd23f", sw=1.6))
    for dx in (-6, 6):
        s.add(rect(28 + dx - 4, 104, 8, 20, s.lit("#ffd23f", 0.3), sw=2))
    arms(s, 28, 58, 11, "#3d7fe0", down=26)
    # A rolled letter with a red seal.
    s.add(rect(40, 84, 20, 7, s.lit("#fff1dc", 0.3), sw=1.6, rx=3))
    s.add(circle(50, 92, 3, "#e53950", sw=1))
    feet(s, 28, 126)
    face(s, 28, 36, 14)
    fringe(s, 28, 32, 14, "#6b3f1c")
    s.add(path("M14,26 Q28,14 42,26 Z", s.lit("#e53950", 0.3), sw=2))
    s.add(path("M36,20 Q50,8 52,16 Q46,14 40,22 Z", "#ffffff", sw=1.4))


def eyes(s, x, y, gap, r=3.2):
    for dx in (0, gap):
        s.add(circle(x + dx, y, r, OUTLINE, sw=0))
        s.add(circle(x + dx - r * 0.3, y - r * 0.35, r * 0.35, "#ffffff", sw=0))


def kitten(s):
    coat = "#ff9a3d"
    s.add(path("M64,48 Q88,44 84,20 Q80,12 76,20 Q78,38 62,40 Z", s.lit(coat, 0.3), sw=2.5))
    s.add(ellipse(46, 46, 26, 16, s.lit(coat, 0.3), sw=3))
    for x in (30, 40, 54, 64):
        s.add(ellipse(x, 60, 6, 4, s.lit(coat, 0.3), sw=2))
    s.add(poly([(12, 14), (14, 2), (24, 10)], s.lit(coat, 0.3), sw=2.2))
    s.add(poly([(34, 10), (42, 2), (42, 16)], s.lit(coat, 0.3), sw=2.2))
    s.add(circle(26, 24, 15, s.ball(coat), sw=3))
    for x, y in ((38, 40), (50, 36), (58, 44)):
        s.add(path("M%d,%d l6,-4" % (x, y), "none", stroke=darken(coat, 0.3), sw=3))
    eyes(s, 20, 22, 12)
    s.add(poly([(24, 28), (28, 28), (26, 31)], "#ff7a8a", sw=1))
    for side in (-1, 1):
        s.add(line(26 + side * 5, 31, 26 + side * 16, 29, sw=1))
    s.add(circle(16, 28, 2.5, "#ff8f9a", sw=0, opacity=0.7))
    s.add(circle(36, 28, 2.5, "#ff8f9a", sw=0, opacity=0.7))


def unicorn(s):
    coat = "#ffffff"
    for x, shade in ((40, 0.1), (96, 0.1), (52, 0.0), (108, 0.0)):
        s.add(rect(x - 5, 64, 10, 38, s.lit(darken(coat, 0.06 + shade), 0.3), sw=2.5, rx=4))
        s.add(rect(x - 6, 98, 12, 8, s.lit(GOLD, 0.3), sw=2, rx=2))
    for k, c in enumerate(("#ff7ab8", "#b06bff", "#4da6ff")):
        s.add(path("M30,%d Q8,%d 14,%d" % (50 + k * 4, 70 + k * 6, 96 + k * 2), "none", stroke=c, sw=6))
    s.add(ellipse(74, 58, 48, 22, s.lit(coat, 0.15), sw=3))
    s.add(path("M94,50 L110,16 L130,22 L118,62 Z", s.lit(coat, 0.15), sw=3))
    s.add(ellipse(130, 30, 18, 11, s.lit(coat, 0.15), sw=3, transform="rotate(35 130 30)"))
    s.add(ellipse(140, 40, 5, 4, "#ffd3e0", sw=0))
    s.add(poly([(116, 16), (128, 0), (124, 18)], s.lit(GOLD, 0.3), sw=2))
    for k, c in enumerate(("#ff7ab8", "#ffd23f", "#5fd35f", "#4da6ff")):
        s.add(path("M%d,%d Q%d,%d %d,%d" % (112 - k * 4, 14 + k * 6, 98 - k * 2, 26 + k * 8, 94 - k * 2,
                                            50 + k * 2), "none", stroke=c, sw=5))
    eyes(s, 124, 24, 0, 3)
    s.add(circle(132, 34, 3, "#ff8f9a", sw=0, opacity=0.6))


def swan(s):
    s.add(path("M10,52 Q14,82 56,82 Q96,82 104,58 Q84,64 70,56 Q54,40 30,44 Q18,46 10,52 Z",
               s.lit("#ffffff", 0.1)))
    s.add(path("M26,52 Q44,40 64,56 Q46,52 34,60 Z", s.lit("#f1f1f1", 0.1), sw=2))
    s.add(path("M88,62 Q70,40 82,20 Q88,8 100,12", "none", sw=10))
    s.add(path("M88,62 Q70,40 82,20 Q88,8 100,12", "none", stroke="#ffffff", sw=6))
    s.add(circle(98, 14, 9, s.ball("#ffffff"), sw=2.5))
    s.add(poly([(105, 12), (118, 17), (105, 19)], "#ff8a3d", sw=1.5))
    s.add(circle(99, 12, 1.8, OUTLINE, sw=0))
    s.add(path("M4,84 q12,-6 24,0 q12,6 24,0 q12,-6 24,0 q12,6 24,0", "none", stroke="#4da6ff", sw=3))
    crown(s, 96, 0, 10, 6)


def owl(s):
    brown = "#b5793e"
    s.add(ellipse(32, 48, 28, 32, s.lit(brown, 0.3), sw=3))
    s.add(ellipse(32, 56, 17, 20, s.lit("#f2e0c0", 0.2), sw=2))
    for y in (50, 60, 70):
        s.add(path("M24,%d q4,4 8,0 q4,4 8,0" % y, "none", stroke=darken(brown, 0.2), sw=1.4))
    for side in (-1, 1):
        s.add(path("M%d,40 Q%d,60 %d,76" % (32 + side * 24, 32 + side * 32, 32 + side * 22), s.lit(brown, 0.2),
                   sw=2.2))
        s.add(poly([(32 + side * 8, 18), (32 + side * 22, 4), (32 + side * 22, 22)], s.lit(brown, 0.3), sw=2))
        s.add(circle(32 + side * 11, 32, 10, "#ffffff", sw=2))
        s.add(circle(32 + side * 11, 33, 5, OUTLINE, sw=0))
        s.add(circle(32 + side * 11 - 2, 31, 1.6, "#ffffff", sw=0))
    s.add(poly([(28, 40), (36, 40), (32, 48)], "#ff9a3d", sw=1.5))
    for dx in (-8, 8):
        s.add(path("M%d,78 l-3,5 m3,-5 l0,6 m0,-6 l3,5" % (32 + dx), "none", stroke="#ff9a3d", sw=2.2))
    s.add(rect(4, 82, 56, 6, s.lit(TRUNK_BRANCH, 0.3), sw=2, rx=3))


def snail(s):
    s.add(path("M8,60 Q2,60 4,52 L14,30 Q18,22 22,30 L26,46 L96,46 Q104,50 100,60 Z", s.lit("#b8e07a", 0.3)))
    for x in (12, 20):
        s.add(line(16, 30, x, 12, sw=2))
        s.add(circle(x, 12, 4, s.ball("#b8e07a"), sw=1.8))
        s.add(circle(x, 12, 1.6, OUTLINE, sw=0))
    s.add(circle(62, 34, 28, s.ball("#ff7ab8"), sw=3))
    s.add(path("M62,34 m0,-4 a4,4 0 1 1 -4,4 a9,9 0 0 1 9,-9 a14,14 0 0 1 14,14 a19,19 0 0 1 -19,19 "
               "a23,23 0 0 1 -23,-23", "none", stroke=darken("#ff7ab8", 0.35), sw=2.5))
    s.add(path("M10,42 Q14,46 18,42", "none", sw=1.5))


def rabbit(s):
    coat = "#f4f0ea"
    for dx, rot in ((-8, -12), (6, 10)):
        s.add(ellipse(32 + dx, 18, 7, 18, s.lit(coat, 0.2), sw=2.5, transform="rotate(%d %d 18)" % (rot, 32 + dx)))
        s.add(ellipse(32 + dx, 20, 3.5, 12, "#ffc0cb", sw=0, transform="rotate(%d %d 20)" % (rot, 32 + dx)))
    s.add(ellipse(50, 70, 28, 20, s.lit(coat, 0.2), sw=3))
    s.add(circle(78, 68, 8, s.ball("#ffffff"), sw=2))
    s.add(ellipse(40, 88, 12, 5, s.lit(coat, 0.2), sw=2))
    s.add(circle(30, 48, 17, s.ball(coat), sw=3))
    eyes(s, 24, 46, 12, 2.8)
    s.add(poly([(28, 52), (32, 52), (30, 55)], "#ff7a8a", sw=1))
    s.add(circle(20, 54, 3, "#ff8f9a", sw=0, opacity=0.6))
    s.add(circle(40, 54, 3, "#ff8f9a", sw=0, opacity=0.6))
    s.add(path("M62,92 L68,80 Q72,74 76,80 L72,92 Z", s.lit("#ff8a3d", 0.3), sw=1.8))
    s.add(path("M70,78 q-2,-6 2,-8 m-2,8 q4,-6 6,-4", "none", stroke="#3f9a38", sw=2))


PIECES = {
    "1.king": (70, 140, king),
    "1.queen": (70, 136, queen),
    "1.princess": (64, 130, princess),
    "2.knight": (74, 132, knight),
    "2.guard": (60, 146, guard),
    "2.jester": (64, 128, jester),
    "3.horse": (152, 118, horse),
    "3.dragon": (170, 152, dragon),
    "3.dog": (98, 64, dog),
    "1.prince": (68, 134, prince),
    "1.wizard": (70, 140, wizard),
    "1.winged-fairy": (76, 116, winged_fairy),
    "1.snow-queen": (68, 138, snow_queen),
    "1.royal-baby": (80, 92, royal_baby),
    "1.little-prince": (52, 102, little_prince),
    "2.palace-cook": (74, 136, palace_cook),
    "2.musician": (68, 138, musician),
    "2.royal-gardener": (86, 132, royal_gardener),
    "2.playing-children": (100, 110, playing_children),
    "2.maid": (70, 132, maid),
    "2.page-boy": (60, 132, page_boy),
    "3.kitten": (90, 68, kitten),
    "3.unicorn": (146, 110, unicorn),
    "3.swan": (124, 92, swan),
    "3.owl": (64, 92, owl),
    "3.snail": (106, 66, snail),
    "3.rabbit": (92, 98, rabbit),
}
