#!/bin/sh
# Loading and drawing figures of the video engine, under a private X server.
# Usage: bench/video.sh [picture folder]    (BUILD selects the build folder)
set -e
. "$(dirname "$0")/preamble.inc"
cmake --build "$build" --target bench-video -j2 >/dev/null
exec python3 "$root/tests/support/xserver.py" "$build/bench/bench-video" "$@"
