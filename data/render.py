#!/usr/bin/python3
"""Writes the sources of the game's pictures and sounds.

  render.py list              one line per output: path|width|height|format|module|twin
  render.py svg PATH OUT.svg  the drawing of one picture, as SVG
  render.py wav PATH OUT.wav  one synthesised sound

PATH is the output's path below the game folder, e.g. "BMP/palace/1.wall.png".
A twin of "yes" asks the build to render the same drawing at twice the size
into BMP2x/ as well (e.g. "BMP2x/palace/1.wall.png"), for screens larger than
the scene; the banners have none, since the game checks the very files it
shows.
The build renders the SVG with rsvg-convert and normalises the result; see
data/CMakeLists.txt. Nothing here reads the clock or unseeded randomness, so
every output is the same on every build.
"""

import os
import sys

sys.path.insert(0, os.path.join(os.path.dirname(os.path.abspath(__file__)), "art"))

import access  # noqa: E402
import controls  # noqa: E402
import decoration  # noqa: E402
import frames  # noqa: E402
import gallery  # noqa: E402
import palace  # noqa: E402
import person  # noqa: E402
import scenes  # noqa: E402
import sounds  # noqa: E402
from svg import Svg  # noqa: E402

# Palace pieces keep their exact canvas so that shared widths stay shared;
# decorations and persons lose their transparent margins ("trim").
PIECE_FOLDERS = (("palace", palace, "png"), ("decoration", decoration, "trim"), ("person", person, "trim"))


def catalogue():
    """Every output: path -> (width, height, format, module name, drawing function)."""
    items = {}
    for folder, module, form in PIECE_FOLDERS:
        for name, (w, h, draw) in module.PIECES.items():
            items["BMP/%s/%s.png" % (folder, name)] = (w, h, form, module.__name__, draw)
    for name, (w, h, draw) in controls.CONTROLS.items():
        items["BMP/button/%s.png" % name] = (w, h, "png", "controls", draw)
    for name, (w, h, draw) in access.ACCESS.items():
        items["BMP/access/%s.png" % name] = (w, h, "png", "access", draw)
    for name, (w, h, draw) in gallery.GALLERY.items():
        items["BMP/gallery/%s.png" % name] = (w, h, "png", "gallery", draw)
    for name, draw in frames.FRAMES.items():
        items["BMP/frame/%s.png" % name] = (1024, 768, "png", "frames", draw)
    for name, draw in scenes.BACKGROUNDS.items():
        items["BMP/background/%s.jpg" % name] = (1024, 768, "jpg", "scenes", draw)
    for name, draw in scenes.BANNERS.items():
        items["BMP/%s.jpg" % name] = (1024, 768, "jpg", "scenes", draw)
    for name, make in sounds.SOUNDS.items():
        items["Sound/%s.wav" % name] = (0, 0, "wav", "sounds", make)
    return items


def main(argv):
    items = catalogue()
    if len(argv) == 2 and argv[1] == "list":
        for key in sorted(items):
            w, h, form, module, _ = items[key]
            # Sounds and the banners ("BMP/startup.jpg") lie directly in their folder.
            twin = "yes" if key.startswith("BMP/") and key.count("/") > 1 else "no"
            print("%s|%d|%d|%s|%s|%s" % (key, w, h, form, module, twin))
        return 0
    if len(argv) == 4 and argv[1] in ("svg", "wav") and argv[2] in items:
        w, h, form, _, make = items[argv[2]]
        if argv[1] == "svg":
            s = Svg(w, h)
            make(s)
            with open(argv[3], "w", encoding="utf-8") as out:
                out.write(s.text())
        else:
            sounds.write_wav(argv[3], make())
        return 0
    sys.stderr.write(__doc__)
    return 2


if __name__ == "__main__":
    sys.exit(main(sys.argv))
