#!/bin/sh
# Start-up figures: the real game launched under a private Xvfb, from launch
# to the level's log lines and to the first game frame on screen; then the
# parts (catalogues, mask preparation, toolbar, level, first frame) timed
# in-process in a scratch copy of the game folder without ".mask" files.
# The start-up picture stays up until the next full second of the wall
# clock, so launch-to-frame includes up to one second of waiting by design.
# BUILD names the build folder (default build). BASELINE may name the build
# folder of an earlier version (e.g. of the parent commit): its game is
# measured first, the same way, and the in-process parts run on its pictures
# (this build's program on that version's pieces: the toolbar's memory then
# as it was with them).
set -e
. "$(dirname "$0")/preamble.inc"
cmake --build "$build" --target bench-game brickwork-garden -j2 >/dev/null
[ -z "$BASELINE" ] || cmake --build "$BASELINE" --target brickwork-garden -j2 >/dev/null

# measure LABEL BUILD_FOLDER
measure() {
echo "== $1: $(ls "$2"/game/BMP/palace/[123].*.png "$2"/game/BMP/decoration/[123].*.png \
    "$2"/game/BMP/person/[123].*.png | wc -l) pieces"
GAME_DIR="$2/game" python3 - "$root" <<'PYTHON'
import os, sys, time
sys.path.insert(0, sys.argv[1] + "/tests/e2e")
from harness import Game, Picture, XServer, wait_until

banner = Picture.from_file(os.environ["GAME_DIR"] + "/BMP/startup.jpg")
with XServer.xvfb() as x:
    game = Game(x)
    try:
        started = time.monotonic()
        def logged(text):
            return wait_until(lambda: any(text in line for line in game.log()), 60, 0.005)
        logged("Renderer")
        renderer = time.monotonic() - started
        # The start-up picture stays until the wall clock's next full second
        # (its tick); then the level is built.
        wait_until(lambda: x.screenshot().matches(banner), 30, 0.005)
        tick = int(time.time()) + 1 - time.time() + time.monotonic() - started
        logged("PalaceBuild 703")
        built = time.monotonic() - started
        # The first game frame: the screen no longer shows the start-up
        # picture.
        first = wait_until(lambda: not x.screenshot().matches(banner), 30, 0.005)
        shown = time.monotonic() - started
    finally:
        game.close()
print("launch to renderer logged:          %6.0f ms" % (renderer * 1000))
print("launch to level built:              %6.0f ms" % (built * 1000))
print("launch to first game frame on screen: %4.0f ms%s" % (shown * 1000, "" if first else " (not seen)"))
print("start-up picture's tick to first game frame: %4.0f ms (the tick is the first full second the picture is up)" % ((shown - tick) * 1000))
PYTHON
scratch=$(mktemp -d)
cp -r "$2/game/BMP" "$scratch/"
(cd "$scratch" && find . -name '*.mask' -delete &&
 python3 "$root/tests/support/xserver.py" "$build/bench/bench-game" startup)
rm -rf "$scratch"
}

[ -z "$BASELINE" ] || measure "baseline $BASELINE" "$BASELINE"
measure "this build $build" "$build"
