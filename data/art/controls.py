"""The toolbar's buttons, arrows and check box, each in its states.

No control carries a word: each shows a small picture of what it does.
States: 01 away; 02 the mouse over it (lighter, with a warm glow);
03 held down (darker, its picture pushed down and right by two units).
The check box adds 04 and 05, the ticked box away and under the mouse. The
exit button adds 04, faded and grey, shown in every state under the child
lock; the undo and redo buttons add 04, greyed out, for when there is
nothing to take back or bring again, the gallery's bin adds 04 for the
child lock, and the print button adds 04, greyed out, for when there is no
printer, printing is off, or the last print is too recent.

Sizes follow the toolbar's layout, which places each button from the
rectangles of the buttons built before it; tests/data/DataTest.cpp works the
layout through and checks that nothing collides.
"""

from svg import (rect, path, circle, ellipse, line, poly, group, lighten, darken, mix, star_points, OUTLINE)

GOLD = "#ffd23f"
GLOW = "#ffe23a"

AWAY, OVER, PRESSED, INACTIVE = "01", "02", "03", "04"


def plate(s, w, h, colour, state, rx=None):
    """The rounded button body; returns the (dx, dy) by which its picture is pushed."""
    rx = (h - 6) / 2.0 if rx is None else rx
    if state == OVER:
        s.add(rect(1.5, 1.5, w - 3, h - 3, "none", stroke=GLOW, sw=3.5, rx=rx + 1.5, filter=s.blur(1.0)))
        s.add(rect(2, 2, w - 4, h - 4, "none", stroke="#fff8c0", sw=1.5, rx=rx + 1))
        colour = lighten(colour, 0.25)
    shift = 0
    if state == PRESSED:
        colour = darken(colour, 0.22)
        shift = 1
    s.add(rect(3 + shift, 3 + shift, w - 6 - shift, h - 6 - shift, s.lit(colour, 0.4), sw=2, rx=rx))
    if state == PRESSED:
        s.add(path("M%s,%s Q%s,%s %s,%s" % (6, h / 2.0, 6, 6, 3 + rx, 6), "none", stroke=darken(colour, 0.45),
                   sw=2, opacity=0.6))
    else:
        s.add(rect(3 + rx * 0.6, 4.5, w - 6 - rx * 1.2, (h - 6) * 0.3, "#ffffff", sw=0, rx=(h - 6) * 0.15,
                   opacity=0.35))
    return (2, 2) if state == PRESSED else (0, 0)


def button(colour, icon, w=60, h=28):
    """Three drawing functions (away, over, pressed) of a button showing icon."""

    def make(state):
        def draw(s):
            dx, dy = plate(s, w, h, colour, state)
            s.add('<g transform="translate(%d,%d)">' % (dx, dy))
            icon(s, w, h, state)
            s.add("</g>")

        return draw

    return {AWAY: make(AWAY), OVER: make(OVER), PRESSED: make(PRESSED)}


def landscape(s, x, y, w, h):
    """A tiny picture: sky, sun, hill; used by the background and wallpaper icons."""
    clip = s.clip('<rect x="%s" y="%s" width="%s" height="%s" rx="2"/>' % (x, y, w, h))
    s.add(group([rect(x, y, w, h, s.linear([(0, "#8fd3ff"), (1, "#d8f1ff")]), sw=0),
                 circle(x + w * 0.75, y + h * 0.3, h * 0.2, GOLD, sw=0),
                 ellipse(x + w * 0.3, y + h * 1.05, w * 0.55, h * 0.5, "#5fcf5a", sw=0),
                 ellipse(x + w * 0.85, y + h * 1.1, w * 0.4, h * 0.4, "#3fae4a", sw=0)], clip_path=clip))
    s.add(rect(x, y, w, h, "none", sw=1.8, rx=2))


def icon_background(s, w, h, state):
    landscape(s, w / 2.0 - 16, 6, 32, h - 12)


def icon_frame(s, w, h, state):
    x, y, fw, fh = w / 2.0 - 16, 5, 32, h - 10
    s.add(rect(x, y, fw, fh, s.lit("#c8862a", 0.4), sw=1.8, rx=1))
    s.add(rect(x + 5, y + 4, fw - 10, fh - 8, s.linear([(0, "#8fd3ff"), (1, "#ffffff")]), sw=1.5))
    for cx, cy in ((x, y), (x + fw, y), (x, y + fh), (x + fw, y + fh)):
        s.add(circle(cx, cy, 2.6, GOLD, sw=1.2))


def icon_clear(s, w, h, state):
    # A broom sweeping, with two sparkles.
    cx = w / 2.0
    s.add(line(cx + 12, 5, cx - 2, 15, stroke="#8a5a2a", sw=4))
    s.add(line(cx + 12, 5, cx - 2, 15, sw=1))
    s.add(path("M%s,%s L%s,%s L%s,%s L%s,%s Z" % (cx - 6, 12, cx + 2, 18, cx - 6, h - 5, cx - 16, h - 9),
               s.lit(GOLD, 0.3), sw=1.8))
    for sx, sy, r in ((cx + 14, h - 9, 4), (cx - 20, 8, 3)):
        s.add(poly(star_points(sx, sy, r, r * 0.35, 4), "#ffffff", sw=1))


def icon_camera(s, w, h, state):
    cx = w / 2.0
    s.add(rect(cx - 8, 5, 8, 4, "#5a5f70", sw=1.5, rx=1))
    s.add(rect(cx - 14, 8, 28, h - 13, s.lit("#4a4f63", 0.4), sw=1.8, rx=3))
    s.add(circle(cx, 8 + (h - 13) / 2.0, 6.5, "#d9e4f2", sw=1.5))
    s.add(circle(cx, 8 + (h - 13) / 2.0, 4, s.ball("#3d7fe0"), sw=1))
    s.add(circle(cx + 10, 11, 1.8, GOLD, sw=0))


def icon_wallpaper(s, w, h, state):
    cx = w / 2.0
    s.add(rect(cx - 4, h - 8, 8, 3, "#5a5f70", sw=1.2))
    s.add(rect(cx - 16, 4, 32, h - 11, "#4a4f63", sw=1.6, rx=2))
    landscape(s, cx - 13, 6.5, 26, h - 16)


def chest(s, cx, top, open_lid):
    s.add(rect(cx - 13, top + 6, 26, 10, s.lit("#b06a2c", 0.4), sw=1.8, rx=2))
    if open_lid:
        s.add(path("M%s,%s L%s,%s L%s,%s L%s,%s Z" % (cx - 13, top + 6, cx - 10, top - 1, cx + 10, top - 1,
                                                   cx + 13, top + 6), s.lit("#8d5424", 0.3), sw=1.8))
    else:
        s.add(path("M%s,%s Q%s,%s %s,%s Z" % (cx - 13, top + 7, cx, top - 3, cx + 13, top + 7),
                   s.lit("#c9803a", 0.4), sw=1.8))
    s.add(rect(cx - 2.5, top + 7, 5, 5, GOLD, sw=1))


def icon_save(s, w, h, state):
    # An arrow going down into a treasure chest: keep the palace.
    cx = w / 2.0 + 8
    chest(s, cx, 7, False)
    s.add(path("M%s,6 L%s,13 L%s,13 L%s,20 L%s,13 L%s,13 L%s,6 Z" % (cx - 24, cx - 24, cx - 28, cx - 21,
                                                                   cx - 14, cx - 18, cx - 18),
               s.lit("#5fd35f", 0.3), sw=1.5))


def icon_load(s, w, h, state):
    # An arrow coming up out of an open chest: bring the palace back.
    cx = w / 2.0 + 8
    chest(s, cx, 7, True)
    s.add(path("M%s,%s L%s,12 L%s,12 L%s,5 L%s,12 L%s,12 L%s,%s Z" % (
        cx - 24, h - 7, cx - 24, cx - 28, cx - 21, cx - 14, cx - 18, cx - 18, h - 7),
        s.lit("#ff9a3d", 0.3), sw=1.5))


def arrow_shape(s, w, h, fill, state):
    """A fat arrow pointing right that fills the w x h box; the button is the arrow."""
    glow = state == OVER
    shift = 2 if state == PRESSED else 0
    m = h / 2.0
    pts = [(3 + shift, m - 4 + shift), (w - 24 + shift, m - 4 + shift), (w - 24 + shift, 2 + shift),
           (w - 3, m + shift / 2.0), (w - 24 + shift, h - 2), (w - 24 + shift, m + 4 + shift),
           (3 + shift, m + 4 + shift)]
    if glow:
        s.add(poly(pts, "none", stroke=GLOW, sw=4, filter=s.blur(1.2)))
    s.add(poly(pts, fill, sw=2))
    s.add(line(6 + shift, m - 2 + shift, w - 26 + shift, m - 2 + shift, stroke="#ffffff", sw=1.5,
               opacity=0 if state == PRESSED else 0.5))


def arrow(state):
    def draw(s):
        base = "#ff9a3d"
        c = lighten(base, 0.25) if state == OVER else darken(base, 0.2) if state == PRESSED else base
        arrow_shape(s, 88, 22, s.lit(c, 0.4), state)

    return draw


def colour_arrow(state):
    def draw(s):
        stops = ["#ff4d4d", "#ff9a3d", "#ffe14d", "#5fd35f", "#4da6ff", "#9a6bff"]
        if state == OVER:
            stops = [lighten(c, 0.3) for c in stops]
        elif state == PRESSED:
            stops = [darken(c, 0.25) for c in stops]
        fill = s.linear([(i / 5.0, c) for i, c in enumerate(stops)], 0, 0, 1, 0)
        arrow_shape(s, 88, 22, fill, state)

    return draw


def icon_person(s, w, h, state):
    cx, cy = w / 2.0, h / 2.0 + 2
    s.add(circle(cx, cy, 9, s.ball("#ffd3b0"), sw=1.8))
    for dx in (-3.2, 3.2):
        s.add(circle(cx + dx, cy - 1, 1.3, OUTLINE, sw=0))
    s.add(path("M%s,%s Q%s,%s %s,%s" % (cx - 3.5, cy + 3, cx, cy + 6, cx + 3.5, cy + 3), "none", sw=1.4))
    s.add(poly([(cx - 8, cy - 7), (cx - 8, cy - 15), (cx - 4, cy - 10), (cx, cy - 16), (cx + 4, cy - 10),
                (cx + 8, cy - 15), (cx + 8, cy - 7)], s.ball(GOLD), sw=1.4))


def icon_palace(s, w, h, state):
    cx = w / 2.0
    s.add(rect(cx - 7, 13, 14, h - 18, s.lit("#f2c879", 0.3), sw=1.6))
    s.add(poly([(cx - 9, 14), (cx, 3), (cx + 9, 14)], s.lit("#e5483f", 0.3), sw=1.6))
    s.add(rect(cx - 17, 20, 10, h - 25, s.lit("#f2c879", 0.3), sw=1.6))
    s.add(rect(cx + 7, 20, 10, h - 25, s.lit("#f2c879", 0.3), sw=1.6))
    s.add(path("M%s,%s L%s,%s A3,3 0 0 1 %s,%s L%s,%s Z" % (cx - 3, h - 5, cx - 3, 22, cx + 3, 22, cx + 3, h - 5),
               "#8a5a2a", sw=1.2))


def icon_decoration(s, w, h, state):
    cx = w / 2.0
    s.add(rect(cx - 2, 18, 4, h - 22, "#9a5b2a", sw=1.2))
    for dx, dy, r in ((-6, 14, 7), (6, 14, 7), (0, 8, 8)):
        s.add(circle(cx + dx, dy, r + 1.2, OUTLINE, sw=0))
    for dx, dy, r in ((-6, 14, 7), (6, 14, 7), (0, 8, 8)):
        s.add(circle(cx + dx, dy, r, s.ball("#4cbb47"), sw=0))
    for dx, dy in ((-5, 11), (4, 7), (5, 16)):
        s.add(circle(cx + dx, dy, 1.8, "#ff4d4d", sw=0.8))
    s.add(path("M%s,%s l2,-4 l2,4 Z" % (cx + 12, h - 5), "#ff7ab8", sw=0.8))


def exit_button(state):
    def draw(s):
        if state == INACTIVE:
            s.add(group([circle(12, 12, 10, s.ball("#a8a4b4"), sw=2, stroke="#6e6a78")]
                        + [line(a[0], a[1], b[0], b[1], stroke="#e4e2ea", sw=3)
                           for a, b in (((8, 8), (16, 16)), ((16, 8), (8, 16)))], opacity=0.6))
            return
        red = "#e53935"
        c = lighten(red, 0.25) if state == OVER else darken(red, 0.25) if state == PRESSED else red
        if state == OVER:
            s.add(circle(12, 12, 10.5, "none", stroke=GLOW, sw=2.5, filter=s.blur(0.8)))
        d = 1 if state == PRESSED else 0
        s.add(circle(12 + d, 12 + d, 10, s.ball(c), sw=2))
        for a, b in (((8, 8), (16, 16)), ((16, 8), (8, 16))):
            s.add(line(a[0] + d, a[1] + d, b[0] + d, b[1] + d, stroke="#ffffff", sw=3))

    return draw


def mirror_button(state):
    def draw(s):
        dx, dy = plate(s, 48, 48, "#4da6ff", state, rx=10)
        parts = [line(24, 8, 24, 40, stroke="#ffffff", sw=2, stroke_dasharray="3,3"),
                 poly([(20, 12), (20, 36), (7, 36)], s.lit(GOLD, 0.3), sw=1.8),
                 poly([(28, 12), (28, 36), (41, 36)], "#ffffff", sw=1.8, opacity=0.85)]
        s.add(group(parts, transform="translate(%d,%d)" % (dx, dy)))

    return draw



def history_button(forward):
    """The undo button (a curved arrow going back) or the redo button (the
    same arrow going forward), in its four states."""

    def make(state):
        def draw(s):
            inactive = state == INACTIVE
            plate_colour = "#b9bec8" if inactive else "#4da6ff"
            dx, dy = plate(s, 48, 48, plate_colour, AWAY if inactive else state, rx=10)
            arrow_colour = "#e4e6ea" if inactive else GOLD
            edge = "#8a8f99" if inactive else OUTLINE
            # Head on the left pointing left; the band runs right along the
            # top and curls down the right side. The redo arrow is its mirror.
            band = "M19,19 L27,19 A9.5,9.5 0 0 1 27,38 L17,38"
            head = [(7, 19), (19, 9), (19, 29)]
            parts = [path(band, "none", stroke=edge, sw=11),
                     poly(head, s.lit(arrow_colour, 0.3), stroke=edge, sw=2),
                     path(band, "none", stroke=s.lit(arrow_colour, 0.3), sw=7)]
            if not inactive:
                parts.append(path("M21,17 L27,17", "none", stroke="#ffffff", sw=1.5, opacity=0.6))
            transform = "translate(%d,%d)" % (dx, dy)
            if forward:
                transform += " translate(48,0) scale(-1,1)"
            s.add(group(parts, transform=transform))

        return draw

    return {n: make(n) for n in (AWAY, OVER, PRESSED, INACTIVE)}


def gallery_button(state):
    """A little framed picture of a palace on a blue plate: the gallery of
    the child's palaces. It opens the gallery and closes it again."""
    def draw(s):
        dx, dy = plate(s, 48, 48, "#4da6ff", state, rx=10)
        parts = [rect(9, 10, 30, 26, s.lit("#c8862a", 0.4), sw=2, rx=2),
                 rect(13, 14, 22, 18, s.linear([(0, "#8fd3ff"), (1, "#e8f7ff")]), sw=1.5),
                 rect(16, 22, 16, 10, s.lit("#f2d49b", 0.3), sw=1.2),
                 poly([(15, 23), (24, 16), (33, 23)], s.lit("#ff6b8a", 0.3), sw=1.2),
                 rect(22, 26, 4, 6, "#8a5a2a", sw=0.8),
                 ellipse(24, 33, 11, 2.2, "#5fcf5a", sw=0)]
        for cx, cy in ((9, 10), (39, 10), (9, 36), (39, 36)):
            parts.append(circle(cx, cy, 2.6, GOLD, sw=1.2))
        s.add(group(parts, transform="translate(%d,%d)" % (dx, dy)))

    return draw


def print_button(state):
    """A little printer with a picture coming out of it: a sunny hill with a
    red-roofed house, on a blue plate. Grey and still when it cannot print."""
    def draw(s):
        inactive = state == INACTIVE
        dx, dy = plate(s, 48, 48, "#b9bec8" if inactive else "#4da6ff", AWAY if inactive else state,
                       rx=10)
        edge = "#8a8f99" if inactive else OUTLINE
        body = "#d8dbe2" if inactive else "#ffb23f"

        def tone(colour):
            return "#e4e6ea" if inactive else colour

        # The sheet waiting at the back, the body, then the picture coming
        # out of the front slot, lower when the button is held.
        out = 0 if inactive or state == AWAY else 2
        parts = [rect(15, 7, 18, 12, "#ffffff", stroke=edge, sw=1.6, rx=1),
                 rect(7, 15, 34, 16, s.lit(body, 0.4), stroke=edge, sw=2, rx=4),
                 rect(10, 26, 28, 3, tone("#6b4a2a"), stroke=edge, sw=1, rx=1.5),
                 circle(35, 20, 2, tone("#5fcf5a"), stroke=edge, sw=1)]
        top = 27 + out
        parts += [rect(13, top, 22, 15, "#ffffff", stroke=edge, sw=1.6, rx=1),
                  rect(15, top + 2, 18, 11, tone("#8fd3ff"), sw=0),
                  path("M15,%s Q22,%s 33,%s L33,%s L15,%s Z" % (top + 10, top + 6, top + 9, top + 13,
                                                                top + 13), tone("#5fcf5a"), sw=0),
                  circle(30, top + 5, 2.2, tone(GOLD), stroke=edge, sw=0.8),
                  rect(18, top + 7, 6, 4, tone("#f2d49b"), stroke=edge, sw=0.8),
                  poly([(17, top + 7.5), (21, top + 4), (25, top + 7.5)], tone("#ff4d4d"), stroke=edge,
                       sw=0.8)]
        s.add(group(parts, transform="translate(%d,%d)" % (dx, dy),
                    opacity=0.75 if inactive else None))

    return draw


def page_button(state):
    """A big round-ended arrow pointing right, to the next page of the
    gallery; mirrored, to the page before."""
    def draw(s):
        dx, dy = plate(s, 80, 48, "#ff9a3d", state, rx=18)
        pts = [(16, 19), (44, 19), (44, 10), (64, 24), (44, 38), (44, 29), (16, 29)]
        parts = [poly(pts, s.lit("#ffffff", 0.1), sw=2.2),
                 line(19, 21.5, 42, 21.5, stroke="#ffe9c8", sw=1.5, opacity=0.8)]
        s.add(group(parts, transform="translate(%d,%d)" % (dx, dy)))

    return draw


def bin_button(state):
    """A green bin with its lid lifting: throws the highlighted palace away
    (into the desktop's trash). Grey and still under the child lock."""
    def draw(s):
        inactive = state == INACTIVE
        dx, dy = plate(s, 56, 56, "#b9bec8" if inactive else "#ff6b8a", AWAY if inactive else state,
                       rx=12)
        body = "#d8dbe2" if inactive else "#5fcf5a"
        edge = "#8a8f99" if inactive else OUTLINE
        lift = 0 if inactive or state == AWAY else -3
        parts = [path("M17,21 L39,21 L36,45 L20,45 Z", s.lit(body, 0.35), stroke=edge, sw=2.2),
                 rect(14, 15 + lift, 28, 6, s.lit(body, 0.35), stroke=edge, sw=2, rx=2),
                 rect(24, 11 + lift, 8, 4, s.lit(body, 0.35), stroke=edge, sw=1.6, rx=1.5)]
        for x in (23, 28, 33):
            parts.append(line(x, 25, x - (x - 28) * 0.15, 41, stroke=edge, sw=1.6, opacity=0.7))
        if not inactive:
            parts.append(poly(star_points(44, 13, 4, 1.4, 4), "#ffffff", sw=1))
        s.add(group(parts, transform="translate(%d,%d)" % (dx, dy),
                    opacity=0.75 if inactive else None))

    return draw


def size_button(state):
    # Three blocks growing from left to right: "larger" as drawn, "smaller" mirrored.
    def draw(s):
        dx, dy = plate(s, 70, 28, "#9a6bff", state)
        colours = ("#ff5b8a", "#ffd23f", "#5fd35f")
        boxes = ((12, 15, 7), (26, 11, 11), (44, 6, 16))
        parts = []
        for (x, y, size), c in zip(boxes, colours):
            parts.append(rect(x, y, size, size, s.lit(c, 0.35), sw=1.6, rx=1.5))
        parts.append(line(10, 22.5, 62, 22.5, stroke="#ffffff", sw=1.5, opacity=0.7))
        s.add(group(parts, transform="translate(%d,%d)" % (dx, dy)))

    return draw


def checkbox(number):
    ticked = number in ("04", "05")
    state = {"01": AWAY, "02": OVER, "03": PRESSED, "04": AWAY, "05": OVER}[number]

    def draw(s):
        w, h = 40, 34
        if state == OVER:
            s.add(rect(3, 3, w - 6, h - 6, "none", stroke=GLOW, sw=3.5, rx=7, filter=s.blur(1.2)))
        base = "#fffaf0"
        if state == OVER:
            base = "#ffffff"
        if state == PRESSED:
            base = "#e6dcc8"
        d = 1 if state == PRESSED else 0
        s.add(rect(5 + d, 4 + d, w - 10, h - 8, s.linear([(0, "#ffffff"), (1, darken(base, 0.08))], 0, 0, 0.5, 1),
                   sw=2.5, rx=6))
        s.add(rect(8 + d, 7 + d, w - 16, h - 14, "none", stroke=mix(base, "#9a6bff", 0.5), sw=1.5, rx=4))
        if ticked or state == PRESSED:
            colour = "#3fbf4a" if ticked else "#9fd9a4"
            tick = "M%s,%s L%s,%s L%s,%s" % (10 + d, 17 + d, 17 + d, 25 + d, 33 + d, 6 + d)
            s.add(path(tick, "none", stroke=OUTLINE, sw=7))
            s.add(path(tick, "none", stroke=colour, sw=4))

    return draw


def add_states(table, name, states, w, h):
    for number, draw in states.items():
        table["%s %s" % (name, number)] = (w, h, draw)


CONTROLS = {}
add_states(CONTROLS, "background", button("#4da6ff", icon_background), 60, 28)
add_states(CONTROLS, "frame", button("#ffb23f", icon_frame), 60, 28)
add_states(CONTROLS, "clear", button("#ff6b8a", icon_clear), 60, 28)
add_states(CONTROLS, "save picture", button("#b07aff", icon_camera, w=90), 90, 28)
add_states(CONTROLS, "wallpaper", button("#3fc7b4", icon_wallpaper, w=90), 90, 28)
add_states(CONTROLS, "save", button("#5fcf5a", icon_save, w=90), 90, 28)
add_states(CONTROLS, "load", button("#ff9a3d", icon_load, w=90), 90, 28)
add_states(CONTROLS, "arrow", {n: arrow(n) for n in (AWAY, OVER, PRESSED)}, 88, 22)
add_states(CONTROLS, "arrow color", {n: colour_arrow(n) for n in (AWAY, OVER, PRESSED)}, 88, 22)
add_states(CONTROLS, "exit", {n: exit_button(n) for n in (AWAY, OVER, PRESSED, INACTIVE)}, 24, 24)
add_states(CONTROLS, "mirror", {n: mirror_button(n) for n in (AWAY, OVER, PRESSED)}, 48, 48)
add_states(CONTROLS, "undo", history_button(False), 48, 48)
add_states(CONTROLS, "redo", history_button(True), 48, 48)
add_states(CONTROLS, "gallery", {n: gallery_button(n) for n in (AWAY, OVER, PRESSED)}, 48, 48)
add_states(CONTROLS, "print", {n: print_button(n) for n in (AWAY, OVER, PRESSED, INACTIVE)}, 48, 48)
add_states(CONTROLS, "page", {n: page_button(n) for n in (AWAY, OVER, PRESSED)}, 80, 48)
add_states(CONTROLS, "bin", {n: bin_button(n) for n in (AWAY, OVER, PRESSED, INACTIVE)}, 56, 56)
add_states(CONTROLS, "dec size", {n: size_button(n) for n in (AWAY, OVER, PRESSED)}, 70, 28)
add_states(CONTROLS, "checkbox", {n: checkbox(n) for n in ("01", "02", "03", "04", "05")}, 40, 34)
# The folder buttons are named "folder 1.01" and so on: folder 1 holds the
# persons, folder 2 the palace pieces, folder 3 the decorations.
for number, colour, icon in (("1", "#ff8ec8", icon_person), ("2", "#ffd23f", icon_palace),
                             ("3", "#7fe07a", icon_decoration)):
    for state, draw in button(colour, icon, w=56, h=34).items():
        CONTROLS["folder %s.%s" % (number, state)] = (56, 34, draw)
