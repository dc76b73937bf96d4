#!/bin/sh
# Frame time, snap cost per mouse move, save and load time, GL textures and
# resident memory with 10, 100 and 1,000 pieces on the scene (of the 27
# toolbar pictures), each step in a fresh process and a scratch copy of the
# game folder, under a private Xvfb. Loading includes the background and
# frame pictures the saved game names. The frames are measured full screen
# at each screen size of SIZES (default 1024x768 1920x1080), side by side;
# above 1024x768 also without the larger pictures of BMP2x/.
# Usage: bench/scene.sh [pieces...]    (BUILD selects the build folder)
set -e
. "$(dirname "$0")/preamble.inc"
cmake --build "$build" --target bench-game brickwork-garden -j2 >/dev/null
enter_scratch
echo "Playing: the toolbar's pictures laid as pieces through a saved game, a piece carried by the mouse"
for pieces in ${@:-10 100 1000}; do
    for size in ${SIZES:-1024x768 1920x1080}; do
        python3 "$root/tests/support/xserver.py" --size "${size}x24" \
            "$build/bench/bench-game" scene "$pieces"
        # Above 1024x768 the game draws from BMP2x/; the same without it.
        if [ "$size" != 1024x768 ]; then
            mv BMP2x BMP2x.aside
            printf '  (BMP/ only:) '
            python3 "$root/tests/support/xserver.py" --size "${size}x24" \
                "$build/bench/bench-game" scene "$pieces"
            mv BMP2x.aside BMP2x
        fi
    done
    mv savegame.txt "saved-$pieces.txt"
done
echo "Loading each saved game into a fresh level (one picture per file, shared)"
for pieces in ${@:-10 100 1000}; do
    cp "saved-$pieces.txt" savegame.txt
    python3 "$root/tests/support/xserver.py" "$build/bench/bench-game" load "$pieces"
done
