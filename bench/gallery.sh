#!/bin/sh
# The gallery: the time from the g key to its first page on screen, for a
# gallery of 500 palaces (or the counts given) beside one of 12, a page's
# worth; each first with every thumbnail of the page still to make, then
# with them made; and what a palace and its thumbnail cost on disk. Each
# count in a fresh process and a scratch copy of the game folder under a
# private Xvfb.
# Usage: bench/gallery.sh [palaces...]    (BUILD selects the build folder)
set -e
. "$(dirname "$0")/preamble.inc"
cmake --build "$build" --target bench-game brickwork-garden -j2 >/dev/null
enter_scratch
for palaces in 12 ${@:-500}; do
    rm -rf gallery
    python3 "$root/tests/support/xserver.py" "$build/bench/bench-game" gallery "$palaces"
done
