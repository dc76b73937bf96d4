#!/bin/sh
# Presses per piece in each access: the real game under a private Xvfb,
# driven by xdotool, builds one palace of five pieces (a wall, a tower on it,
# a roof on the tower, a king beside the wall, a flag on the roof), each laid
# where it snaps, by the mouse's clicks, by keys, by two switches, by one
# switch (Space only, at a scan time of 1000 ms: the time per piece too) and
# by dwell. Each palace is checked in savegame.txt; the targets are printed
# beside the figures. ACCESS may name fewer accesses (default all).
# Usage: bench/access.sh    (BUILD selects the build folder)
set -e
. "$(dirname "$0")/preamble.inc"
cmake --build "$build" --target brickwork-garden -j2 >/dev/null
GAME_DIR="$build/game" python3 - "$root" ${ACCESS:-mouse keys two-switches switch dwell} <<'PYTHON'
import os, re, sys, time
sys.path.insert(0, sys.argv[1] + "/tests/e2e")
from harness import BUTTONS, REST, Game, Piece, Scene, XServer, wait_until

PIECES = ["palace/1.wall.png", "palace/2.tower.png", "palace/3.roof.png", "person/1.king.png",
          "decoration/1.flag.png"]
TARGETS = {"mouse": "", "keys": "at most 8", "two-switches": "at most 10",
           "switch": "at most 25 s", "dwell": "at most 3"}


def arrow(row, forward):
    return (158 if forward else 68, 291 + 183 * (row - 1))


def on(game, under, name):
    """Where a mouse player lets the piece go just above the laid one."""
    left, top = next((x, y) for n, x, y in laid(game) if n == under)
    return left + Piece(game, under).width // 2, top - Piece(game, name).height // 2 - 2


def beside(game, wall, name):
    """Where a mouse player lets the piece go right of the laid one, on the
    same ground."""
    left, top = next((x, y) for n, x, y in laid(game) if n == wall)
    w, p = Piece(game, wall), Piece(game, name)
    return left + w.width + p.width // 2 + 2, top + w.height - p.height // 2 - 2


def cell(k):
    return lambda game: Piece(game, PIECES[k]).in_cell()


# What a mouse player clicks for each piece: arrows and folders, the cell,
# then where it lays (a function of the pieces laid so far).
CLICKS = [
    [arrow(1, 0), arrow(1, 0), cell(0), lambda g: (560, 600)],
    [arrow(2, 0), arrow(2, 0), cell(1), lambda g: on(g, PIECES[0], PIECES[1])],
    [arrow(3, 0)] * 3 + [cell(2), lambda g: on(g, PIECES[1], PIECES[2])],
    [BUTTONS["person"], cell(3), lambda g: beside(g, PIECES[0], PIECES[3])],
    [BUTTONS["decoration"], arrow(1, 1), arrow(1, 1), cell(4),
     lambda g: on(g, PIECES[2], PIECES[4])],
]

T = lambda n: ["Tab"] * n
B = lambda n: ["shift+Tab"] * n
S = lambda n: ["space"] * n
D = lambda n: ["Down"] * n
U = lambda n: ["Up"] * n
R = lambda n: ["Return"] * n
# The presses for each piece: with keys Tab and Shift+Tab through one list
# (each cell with its arrows, the folders, the laid pieces, the controls) or
# an arrow key to the nearest target that way, and while carrying to the
# nearest place; with switches the groups (each cell with its arrows, each
# folder, ...), then their items. A cell's arrow keeps the highlight.
PRESSES = {
    "keys": [T(1) + R(2) + B(1) + R(3),
             D(1) + T(1) + R(2) + B(1) + R(2),
             D(2) + T(1) + R(3) + B(1) + R(2),
             U(2) + ["Left"] + R(2) + T(4) + R(1) + T(1) + R(1),
             U(2) + ["Right"] + R(1) + T(2) + R(2) + B(2) + R(1) + T(3) + R(2)],
    "two-switches": [R(1) + S(1) + R(2) + S(2) + R(3),
                     S(1) + R(1) + S(1) + R(2) + S(2) + R(2),
                     S(2) + R(1) + S(1) + R(3) + S(2) + R(2),
                     S(3) + R(3) + S(4) + R(1) + S(1) + R(1),
                     S(5) + R(2) + S(2) + R(2) + S(1) + R(1) + S(3) + R(2)],
}


def laid(game):
    """The laid pieces in savegame.txt, the last laid first."""
    text = open(game.path("savegame.txt")).read() if os.path.exists(game.path("savegame.txt")) else ""
    return [(n[4:], int(x), int(y)) for n, x, y in
            re.findall(r" \d+ (BMP/\S+)(?: 0 0)? (\d+) (\d+) 0 ", text)]


def saved(game, x, count):
    x.key("s")
    assert wait_until(lambda: len(laid(game)) == count, 20), (count, laid(game))
    return laid(game)


def palace_built(game):
    """The five pieces, each snapped against the one it was laid by."""
    pieces = {n: (x, y, Piece(game, n)) for n, x, y in laid(game)}
    assert sorted(pieces) == sorted(PIECES), laid(game)
    (wx, wy, w), (tx, ty, t), (rx, ry, r), (kx, ky, k), (fx, fy, f) = (pieces[n] for n in PIECES)
    assert ty + t.height == wy and ry + r.height == ty and fy + f.height == ry, laid(game)
    assert ky + k.height == wy + w.height and kx in (wx + w.width, wx - k.width), laid(game)


def ring_shown(x, at):
    """The cream track of a resting pointer's ring in its dark edge."""
    shot = x.screenshot()
    return sum(shot.pixel(at[0] - 8, at[1] - 23)) > 600 and sum(shot.pixel(at[0] - 10, at[1] - 28)) < 250


def by_pointer(game, x, dwell):
    for count, clicks in enumerate(CLICKS):
        for click in clicks:
            at = click(game) if callable(click) else click
            if not dwell:
                x.click(*at)
                continue
            # Acted once the ring goes, or once the log tells of a cell
            # turned or a piece taken (which may look like a ring).
            x.move(*REST)
            lines = len(game.log())
            x.move(*at)
            assert wait_until(lambda: ring_shown(x, at), 20), "no ring at %s" % (at,)
            assert wait_until(lambda: len(game.log()) > lines or not ring_shown(x, at), 20), at
        saved(game, x, count + 1)
    return [len(c) for c in CLICKS]


def by_keys(game, x, access):
    for count, keys in enumerate(PRESSES[access]):
        x.key(*keys)
        saved(game, x, count + 1)
    return [len(k) for k in PRESSES[access]]


def by_one_switch(game, x):
    """Space where two switches press Return; the highlight's own moves
    are waited for instead of their Space."""
    everywhere = [(i, j) for i in range(0, 1024, 6) for j in range(0, 768, 6)]
    seconds = []
    for count, keys in enumerate(PRESSES["two-switches"]):
        start = time.monotonic()
        for key in keys:
            before = x.screenshot()
            if key == "Return":
                x.key("space")
            assert wait_until(lambda: x.screenshot().differs(before, everywhere) > 0, 30), key
        saved(game, x, count + 1)
        seconds.append(time.monotonic() - start)
    return [keys.count("Return") for keys in PRESSES["two-switches"]], seconds


with XServer.xvfb() as server:
    x = Scene(server)
    for access in sys.argv[2:]:
        arguments = ["--access=" + access] + (["--scan-time=1000"] if access == "switch" else [])
        game = Game(x, arguments=arguments)
        try:
            game.wait_until_playing()
            x.move(*REST)
            seconds = None
            if access in ("mouse", "dwell"):
                counts = by_pointer(game, x, access == "dwell")
            elif access == "switch":
                counts, seconds = by_one_switch(game, x)
            else:
                counts = by_keys(game, x, access)
            palace_built(game)
            unit = {"mouse": "clicks", "dwell": "dwells", "switch": "Space presses"}.get(
                access, "presses")
            print("%-13s %s per piece %s, %.1f on average (target %s)" % (
                access, unit, counts, sum(counts) / len(counts), TARGETS[access] or "none"))
            if seconds:
                print("%-13s seconds per piece %s, %.1f on average (target %s)" % (
                    "", ["%.1f" % s for s in seconds], sum(seconds) / len(seconds),
                    TARGETS[access]))
        except AssertionError:
            print("\n".join(game.log()[-15:]))
            raise
        finally:
            game.close()
PYTHON
