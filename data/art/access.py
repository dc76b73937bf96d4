"""The pictures of play without a mouse button: the highlight that shows the
choice at hand, the ring of a resting pointer, and the game's own pointer.

The highlight is laid out for stretching by the game: its corners (16 x 16)
stay, its edges stretch between them, and its middle is left out. Its band,
dark outside and light inside, shows on every background: on a pale sky the
dark line, on a dark wall the light one.
"""

import math

from svg import circle, path, poly, rect

HIGHLIGHT = 48


def highlight(s):
    size = HIGHLIGHT
    s.add(rect(2.5, 2.5, size - 5, size - 5, "none", sw=5, rx=11))
    s.add(rect(6, 6, size - 12, size - 12, "none", stroke="#ffe45c", sw=4, rx=8))
    s.add(rect(5.5, 5.5, size - 11, size - 11, "none", stroke="#ffffff", sw=1.2, rx=8, opacity=0.8))


ACCESS = {"highlight": (HIGHLIGHT, HIGHLIGHT, highlight)}


# The ring that fills while a resting pointer waits to act: a cream track in
# dark edges, filled clockwise from the top in yellow, one picture for each
# eighth. The game centres it on the pointer.
RING = 64
RING_STEPS = 8


def ring(filled):
    def draw(s):
        c, r = RING / 2, 24
        s.add(circle(c, c, r, "none", sw=14))
        s.add(circle(c, c, r, "none", stroke="#fff6d8", sw=9))
        if filled:
            end = 2 * math.pi * filled / RING_STEPS
            x, y = c + r * math.sin(end), c - r * math.cos(end)
            big = 1 if filled > RING_STEPS / 2 else 0
            s.add(path("M %s %s A %s %s 0 %d 1 %.2f %.2f" % (c, c - r, r, r, big, x, y),
                       "none", stroke="#ffc21a", sw=7))
    return draw


# The game's own pointer, an arrow drawn at three times a desktop pointer's
# size (16 x 24) with its tip at (3, 3); the game draws it smaller for twice.
POINTER_W, POINTER_H = 48, 72


def pointer(s):
    arrow = [(3, 3), (3, 54), (15, 42), (24, 63), (33, 60), (24, 39), (39, 39)]
    s.add(poly(arrow, s.lit("#ffffff", 0.15), sw=4))


ACCESS["pointer"] = (POINTER_W, POINTER_H, pointer)
for step in range(RING_STEPS):
    ACCESS["ring%d" % step] = (RING, RING, ring(step))
