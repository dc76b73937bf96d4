#!/bin/sh
# An hour-equivalent of play on the real level, in-process under a private
# Xvfb: ROUNDS rounds (default 400, about 4,000 actions: drags from every
# cell, drops, stamps, pick-ups, tints, mirrors, size steps, folder,
# background and frame changes, a save every 10 rounds, a load every 20, a
# cleared scene every 50). Prints the pieces, live GL textures and resident
# memory after every cleared scene (every 50 rounds); once warm both must stay
# flat.
# BUILD names the build folder (default build).
set -e
. "$(dirname "$0")/preamble.inc"
cmake --build "$build" --target bench-game brickwork-garden -j2 >/dev/null
enter_scratch
python3 "$root/tests/support/xserver.py" "$build/bench/bench-game" soak "${ROUNDS:-400}"
