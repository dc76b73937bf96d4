#!/bin/sh
# Memory of the undo history: 100 steps of play (tints, mirrors, backgrounds
# and frames, new pieces laid) over a scene of 1,000 pieces (or the counts
# given), through the game's input callbacks, each count in a fresh process
# and a scratch copy of the game folder under a private Xvfb. Prints what the
# heap grew by for the scene's first step and for the 100 steps after it, and
# the time of an undo and of a redo with their frames.
# Usage: bench/history.sh [pieces...]    (BUILD selects the build folder)
set -e
. "$(dirname "$0")/preamble.inc"
cmake --build "$build" --target bench-game brickwork-garden -j2 >/dev/null
enter_scratch
for pieces in ${@:-1000}; do
    python3 "$root/tests/support/xserver.py" "$build/bench/bench-game" history "$pieces"
done
