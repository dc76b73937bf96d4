#!/usr/bin/python3
"""Writes the game's icon drawing (data/art/icon.py) as an SVG file.

  make-icon.py OUT.svg
"""

import os
import sys

ART = os.path.join(os.path.dirname(os.path.abspath(__file__)), "..", "data", "art")
sys.path.insert(0, ART)

import icon  # noqa: E402

if len(sys.argv) != 2:
    sys.stderr.write(__doc__)
    sys.exit(2)
with open(sys.argv[1], "w", encoding="utf-8") as out:
    out.write(icon.svg())
