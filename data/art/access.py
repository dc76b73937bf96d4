"""The pictures of play without a mouse button: the highlight that shows the
choice at hand.

The highlight is laid out for stretching by the game: its corners (16 x 16)
stay, its edges stretch between them, and its middle is left out. Its band,
dark outside and light inside, shows on every background: on a pale sky the
dark line, on a dark wall the light one.
"""

from svg import rect

HIGHLIGHT = 48


def highlight(s):
    size = HIGHLIGHT
    s.add(rect(2.5, 2.5, size - 5, size - 5, "none", sw=5, rx=11))
    s.add(rect(6, 6, size - 12, size - 12, "none", stroke="#ffe45c", sw=4, rx=8))
    s.add(rect(5.5, 5.5, size - 11, size - 11, "none", stroke="#ffffff", sw=1.2, rx=8, opacity=0.8))


ACCESS = {"highlight": (HIGHLIGHT, HIGHLIGHT, highlight)}
