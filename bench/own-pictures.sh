#!/bin/sh
# A family's own pictures that are no pictures cost the start nothing: the
# real game launched under a private Xvfb, in turns without and with a GIF
# bomb (a GIF of a few dozen bytes that claims 65535 x 65535 pixels) named
# own/palace/1.bomb.png, from launch to the level built and the peak memory
# (VmHWM) once it plays. Targets: with the bomb, at most 1.5 times the start
# and 1.2 times the memory without it. The start-up picture waits for the
# wall clock's next full second, so a start moves by up to a second; the
# median of RUNS (default 3) launches each is shown. BUILD names the build
# folder (default build).
set -e
. "$(dirname "$0")/preamble.inc"
cmake --build "$build" --target brickwork-garden -j2 >/dev/null
GAME_DIR="$build/game" RUNS=${RUNS:-3} python3 - "$root" <<'PYTHON'
import os, pathlib, statistics, sys, time
sys.path.insert(0, sys.argv[1] + "/tests/e2e")
from harness import Game, XServer, gif_bomb, wait_until

def bomb(folder):
    os.makedirs(folder + "/own/palace")
    pathlib.Path(folder + "/own/palace/1.bomb.png").write_bytes(gif_bomb(65535))

def start(prepare):
    """Seconds from launch to the level built, and the peak memory in MiB."""
    with XServer.xvfb() as x:
        game = Game(x, prepare)
        try:
            started = time.monotonic()
            game.wait_until_playing()
            built = time.monotonic() - started
            with open("/proc/%d/status" % game.process.pid) as f:
                peak = next(int(l.split()[1]) for l in f if l.startswith("VmHWM:")) / 1024
            assert prepare is None or any("1.bomb.png skipped" in l for l in game.log())
        finally:
            game.close()
    return built, peak

runs = {"without": [], "with the bomb": []}
for _ in range(int(os.environ["RUNS"])):
    for label, prepare in (("without", None), ("with the bomb", bomb)):
        runs[label].append(start(prepare))
median = {label: [statistics.median(r[k] for r in runs[label]) for k in (0, 1)] for label in runs}
(base_start, base_peak), (bomb_start, bomb_peak) = median["without"], median["with the bomb"]
print("                     without   with the bomb   ratio (target)")
print("launch to level built %6.0f ms  %6.0f ms      %.2f (at most 1.5)"
      % (base_start * 1000, bomb_start * 1000, bomb_start / base_start))
print("peak memory           %6.1f MiB %6.1f MiB     %.2f (at most 1.2)"
      % (base_peak, bomb_peak, bomb_peak / base_peak))
PYTHON
