"""Persons and animals: round friendly faces, big eyes, rosy cheeks."""

from svg import rect, path, circle, ellipse, line, poly, darken, star_points, OUTLINE

SKIN = "#ffd3b0"
GOLD = "#ffd23f"


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
}
