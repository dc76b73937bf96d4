#!/bin/sh
# The gallery: the time from the g key to its first page on screen, for a
# gallery of 500 palaces (or the counts given) beside one of 12, a page's
# worth; each first with every thumbnail of the page still to make, then
# with them made; and what a palace and its thumbnail cost on disk. Each
# count in a fresh process and a scratch copy of the game folder under a
# private Xvfb.
# Usage: bench/gallery.sh [palaces...]    (BUILD selects the build folder)
# BASELINE may name the build folder of an earlier version: its bench-game
# (built already) is then measured the same way, in turn with this build's,
# RUNS times (default 1), each on its own game folder; the medians follow.
set -e
. "$(dirname "$0")/preamble.inc"
cmake --build "$build" --target bench-game brickwork-garden -j2 >/dev/null
scratch=$(mktemp -d)
trap 'rm -rf "$scratch"' EXIT

# measure LABEL BUILD_FOLDER PALACES: one line of figures, labelled.
measure() {
    rm -rf "$scratch/game"
    mkdir "$scratch/game"
    cp -r "$2/game/BMP" "$2/game/BMP2x" "$scratch/game/"
    (cd "$scratch/game" &&
     python3 "$root/tests/support/xserver.py" "$2/bench/bench-game" gallery "$3") |
        sed "s|^|$1: |" | tee -a "$scratch/figures"
}

run=1
while [ "$run" -le "${RUNS:-1}" ]; do
    for palaces in 12 ${@:-500}; do
        [ -z "$BASELINE" ] || measure baseline "$BASELINE" "$palaces"
        measure "this build" "$build" "$palaces"
    done
    run=$((run + 1))
done
[ -z "$BASELINE" ] && exit 0
# median COLUMN: the median of that column of the figures read.
median() {
    cut -d' ' -f"$1" | sort -n | awk '{ v[NR] = $1 } END { m = int((NR + 1) / 2); printf "%7.1f", (v[m] + v[NR + 1 - m]) / 2 }'
}
echo "Medians of ${RUNS:-1} runs: first page with its thumbnails to make | with them made"
for label in baseline "this build"; do
    for palaces in 12 ${@:-500}; do
        grep "^$label: *$palaces palaces:" "$scratch/figures" |
            sed 's/.*first page *\([0-9.]*\) ms[^,]*, *\([0-9.]*\) ms.*/\1 \2/' >"$scratch/pair"
        echo "  $label, $palaces palaces: $(median 1 <"$scratch/pair") ms | $(median 2 <"$scratch/pair") ms"
    done
done
