#!/bin/sh
# CPU share of the game while it shows an unchanged game screen: starts the
# real game under a private Xvfb, waits for the game phase, lets it settle and
# measures its processor time over a while. Target: at most 0.3 % of one core.
# BUILD names the build folder (default build); SECONDS_MEASURED the span.
set -e
cd "$(dirname "$0")/.."
BUILD=${BUILD:-build}
GAME_DIR=$(pwd)/$BUILD/game SECONDS_MEASURED=${SECONDS_MEASURED:-10} \
python3 - <<'PYTHON'
import os, signal, sys, time
sys.path.insert(0, "tests/e2e")
from harness import Game, XServer

span = float(os.environ["SECONDS_MEASURED"])
ticks = os.sysconf("SC_CLK_TCK")

def cpu_seconds(pid):
    with open("/proc/%d/stat" % pid) as f:
        fields = f.read().rsplit(")", 1)[1].split()
    return (int(fields[11]) + int(fields[12])) / ticks

with XServer.xvfb() as x:
    game = Game(x)
    try:
        game.wait_until_playing()
        time.sleep(2)
        start_cpu, start = cpu_seconds(game.process.pid), time.monotonic()
        time.sleep(span)
        used, wall = cpu_seconds(game.process.pid) - start_cpu, time.monotonic() - start
        game.process.send_signal(signal.SIGTERM)
        game.wait()
    finally:
        game.close()
print("idle game phase: %.1f %% of one core (%.2f s CPU in %.1f s)" % (100 * used / wall, used, wall))
PYTHON
