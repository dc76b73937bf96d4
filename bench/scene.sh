#!/bin/sh
# Frame time, snap cost per mouse move, save and load time, GL textures and
# resident memory with 10, 100 and 1,000 pieces on the scene (of the 27
# toolbar pictures), each step in a fresh process and a scratch copy of the
# game folder, under a private Xvfb. Loading includes the background and
# frame pictures the saved game names. The frames are measured full screen
# at each screen size of SIZES (default 1024x768 1920x1080), side by side;
# above 1024x768 also without the larger pictures of BMP2x/.
# Usage: bench/scene.sh [pieces...]    (BUILD selects the build folder)
# BASELINE may name the build folder of an earlier version: each step then
# runs RUNS times (default 3) for either, alternately, on each version's own
# pictures; every run is printed, then the medians, the baseline's first:
# "97.5>41" is 97.5 for the baseline and 41 for this build (one figure where
# both are the same).
set -e
. "$(dirname "$0")/preamble.inc"
cmake --build "$build" --target bench-game brickwork-garden -j2 >/dev/null
[ -z "$BASELINE" ] || cmake --build "$BASELINE" --target bench-game brickwork-garden -j2 >/dev/null
enter_scratch
if [ -n "$BASELINE" ]; then
    case "$BASELINE" in /*) ;; *) BASELINE="$root/$BASELINE" ;; esac
    mkdir base this
    mv BMP BMP2x this/
    cp -r "$BASELINE/game/BMP" "$BASELINE/game/BMP2x" base/
fi

# step FOLDER BUILD_FOLDER SIZE ARGS...: the benchmark's step in the folder,
# under an X server of that size.
step() {
    folder=$1 program=$2/bench/bench-game size=$3
    shift 3
    (cd "$folder" && python3 "$root/tests/support/xserver.py" --size "${size}x24" "$program" "$@")
}

# measure SIZE ARGS...: the step, for this build alone or beside the baseline.
measure() {
    if [ ! -d base ]; then
        step . "$build" "$@"
        return
    fi
    : >base.txt
    : >this.txt
    for run in $(seq "${RUNS:-3}"); do
        step base "$BASELINE" "$@" | tee -a base.txt | sed 's/^/  baseline: /'
        step this "$build" "$@" | tee -a this.txt | sed 's/^/  this:     /'
    done
    python3 - base.txt this.txt <<'PYTHON'
import re, statistics, sys
number = re.compile(r"-?\d+(?:\.\d+)?")
base, this = ([number.findall(line) for line in open(name)] for name in sys.argv[1:3])
template = number.sub("{}", open(sys.argv[2]).readline().strip())
medians = [[statistics.median(float(run[k]) for run in runs) for k in range(len(runs[0]))]
           for runs in (base, this)]
print("  medians: " + template.format(*("%g" % a if a == b else "%g>%g" % (a, b)
                                      for a, b in zip(*medians))))
PYTHON
}

# inside COMMAND: the command in the game folder of each version measured.
inside() {
    if [ -d base ]; then
        (cd base && eval "$1") && (cd this && eval "$1")
    else
        eval "$1"
    fi
}

echo "Playing: the toolbar's pictures laid as pieces through a saved game, a piece carried by the mouse"
for pieces in ${@:-10 100 1000}; do
    for size in ${SIZES:-1024x768 1920x1080}; do
        measure "$size" scene "$pieces"
        # Above 1024x768 the game draws from BMP2x/; the same without it.
        if [ "$size" != 1024x768 ]; then
            inside "mv BMP2x BMP2x.aside"
            echo "  (BMP/ only:)"
            measure "$size" scene "$pieces"
            inside "mv BMP2x.aside BMP2x"
        fi
    done
    inside "mv savegame.txt saved-$pieces.txt"
done
echo "Loading each saved game into a fresh level (one picture per file, shared)"
for pieces in ${@:-10 100 1000}; do
    inside "cp saved-$pieces.txt savegame.txt"
    measure 1024x768 load "$pieces"
done
