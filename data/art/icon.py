"""The game's desktop icon: a little castle from the palace pieces under a
smiling sun, on a rounded sky tile.

The drawing is 256 x 256 units; packaging/make-icon.py writes it as SVG and
the build renders the freedesktop sizes from that one file.
"""

import palace
from scenes import sun
from svg import Svg, rect, path, group, darken, OUTLINE

SIZE = 256


def piece(s, draw, x, y, k):
    """Draws a palace piece with its top-left corner at (x, y), scaled by k."""
    start = len(s.body)
    draw(s)
    drawn = s.body[start:]
    del s.body[start:]
    s.add(group(drawn, transform="translate(%s,%s) scale(%s)" % (x, y, k)))


def draw(s):
    tile = s.clip(rect(8, 8, 240, 240, "#000", sw=0, rx=44))
    scene = []
    s.body, outer = scene, s.body
    s.add(rect(0, 0, SIZE, SIZE, s.linear([(0, "#5db8f5"), (1, "#c9ecff")]), sw=0))
    sun(s, 204, 50, 22, face=False)
    s.add(path("M0,214 Q70,186 128,204 Q190,222 256,196 L256,256 L0,256 Z",
               s.lit("#5fc44f", 0.3), stroke=darken("#5fc44f", 0.45), sw=3))
    # Two towers with their roofs beside a gate under battlements; pieces
    # scaled by 0.62 keep the castle standing on the hill inside the tile.
    k = 0.62
    left, base = 39.0, 214.0
    for x in (left, left + (80 + 120) * k):
        piece(s, palace.cone_roof, x, base - 220 * k, k)
        piece(s, palace.tower, x, base - 120 * k, k)
    middle = left + 80 * k
    piece(s, palace.battlements, middle, base - 150 * k, k)
    piece(s, palace.gate, middle, base - 120 * k, k)
    s.body = outer
    s.add(group(scene, clip_path=tile))
    s.add(rect(9.5, 9.5, 237, 237, "none", stroke=OUTLINE, sw=5, rx=43))


def svg():
    """The icon as an SVG document."""
    s = Svg(SIZE, SIZE)
    draw(s)
    return s.text()
