"""Every way a game ends: keys, signals, the window closed, damaged data, a
hostile machine, bad banners, the settings, and the display mode given back.
Each row is a game of its own under an X server of its own; rows run side by
side, since most of their time is the eight seconds of the shutdown
picture."""

import contextlib
import dataclasses
import functools
import glob
import os
import pathlib
import random
import re
import resource
import shutil
import signal
import subprocess
import tempfile
import unittest
from concurrent.futures import ThreadPoolExecutor

from harness import (BUTTONS, GAME_DIR, MIDDLE, REST, Game, Picture, Piece, Scene, XServer, fit,
                     gif_bomb, wait_until)
import printserver


@dataclasses.dataclass
class Row:
    """One game of the table and how it must end."""
    name: str
    server: str = ""  # "" (Xvfb 1024x768), "WxH", "no RandR", "dummy", "dummy wide", "XWayland"
    root: bool = False  # needs root: mounts, the dummy Xorg, a print server of its own
    prepare: object = None  # changes the game folder before the game starts
    play: object = None  # None: the game never plays; True: it plays; else what is played
    end: object = None  # how the game is ended (None: it ends by itself)
    code: int = 0  # its exit code
    last: str = None  # the message of its last log line (None: any)
    shutdown: bool = False  # the shutdown picture shows
    arguments: tuple = ()  # the command line
    settings: str = None  # the user's settings file
    env: dict = dataclasses.field(default_factory=dict)  # more environment
    printer: str = None  # the print server: None, "pdf", "no default" or "hung"
    workarea: str = None  # _NET_WORKAREA on the root window, as a panel sets it
    then: object = None  # checked after the game ended


def mount(*arguments):
    subprocess.run(["mount"] + list(arguments), check=True)


def damage_masks(folder):
    damages = ["", "12", "abc def\n", "120\n-5 10 400\n3 99999999999 2\n",
               "120\n0 0 200\n1 50 10\n" + "7\n" * 5000, "4294967296\n1 2 3\n"]
    for number, picture in enumerate(sorted(glob.glob(folder + "/BMP/*/[123].*.png"))):
        with open(picture + ".mask", "w") as f:
            f.write(damages[number % len(damages)])
        # Newer than its picture, so that the game takes it as it is.
        os.utime(picture + ".mask", (os.path.getmtime(picture) + 10,) * 2)


def alter_banner(folder):
    with open(folder + "/BMP/startup.jpg", "r+b") as f:
        f.seek(os.path.getsize(f.name) // 2)
        byte = f.read(1)[0]
        f.seek(-1, os.SEEK_CUR)
        f.write(bytes([byte ^ 0x55]))


def read_only(folder):
    """The folder, without masks, mounted read-only over itself."""
    for mask in glob.glob(folder + "/BMP/*/*.mask"):
        os.remove(mask)
    mount("--bind", folder, folder)
    mount("-o", "remount,bind,ro", folder)


def small_disk(folder):
    """The folder on a file system with half a megabyte to spare (beyond the
    pages its files take, and the masks the game writes)."""
    aside = tempfile.mkdtemp(prefix="brickwork-aside-")
    subprocess.run(["cp", "-a", folder + "/.", aside], check=True)
    size = int(subprocess.run(["du", "-s", "-B1", aside], stdout=subprocess.PIPE).stdout.split()[0])
    size += 4096 * len(glob.glob(aside + "/BMP/*/*.png"))
    mount("-t", "tmpfs", "-o", "size=%d" % (size + 512 * 1024), "tmpfs", folder)
    subprocess.run(["cp", "-a", aside + "/.", folder], check=True)
    shutil.rmtree(aside)


def keys_then_redrawn(x, *keys):
    """Presses the keys, then b; returns once the next background shows with
    the toolbar (undo and redo may wake up): every key before b was handled."""
    x.move(*REST)
    before = x.screenshot()
    x.key(*keys, "b")
    still = [p for n, p in BUTTONS.items() if n not in ("undo", "redo")]
    assert wait_until(lambda: (lambda s: s.differs(before, MIDDLE) > 0.3 and s.matches(
        before, still))(x.screenshot()), 20), "no toolbar after %s" % (keys,)


def lay_pieces(game, x):
    """Takes a piece from each cell, stamps a copy, lays it and removes it by
    a right click (every sound), then saves and loads: one piece per spot."""
    spots = ((400, 300), (600, 400), (800, 500))
    for y, spot in zip((199, 360, 565), spots):
        x.click(113, y)
        for button in (3, 1, 3):
            x.click(*spot, button=button)
    around = [(sx + dx, sy + dy) for sx, sy in spots for dx in (-20, 0, 20) for dy in (-20, 0, 20)]
    assert wait_until(lambda: x.screenshot().differs(game.empty, around) > 0.3, 20), "no pieces laid"
    keys_then_redrawn(x, "s", "l")


def read_only_play(game, x):
    """Plays, saves, takes a picture and sets the wallpaper, silently."""
    lay_pieces(game, x)
    keys_then_redrawn(x, "s", "p", "w")
    assert x.find_window("Brickwork Garden", 0) is None, "a message box showed"


def full_disk_play(game, x):
    """A save on a full disk fails and keeps the old save, and so does the
    gallery's palace in play, logged once; with room again, both are written
    again."""
    saved = game.path("savegame.txt")
    lay_pieces(game, x)
    old = pathlib.Path(saved).read_bytes()
    # The load began a new palace with the same pieces, the newest name.
    palace = wait_until(lambda: sorted(glob.glob(game.path("gallery/*.txt")))[1:], 20)
    assert palace, "the loaded palace was not kept\n" + game.report()
    kept = pathlib.Path(palace[-1]).read_bytes()
    subprocess.run(["dd", "if=/dev/zero", "of=" + game.path("filler"), "bs=64K"],
                   stderr=subprocess.DEVNULL)  # until the disk is full
    x.click(113, 199)
    x.click(500, 600)
    keys_then_redrawn(x, "s")
    assert pathlib.Path(saved).read_bytes() == old, "the failed save damaged the old one"
    assert [n for n in os.listdir(game.folder) if n.startswith("savegame")] == ["savegame.txt"]
    failed = lambda: [l for l in game.log() if " Unable to keep palace " in l]
    assert wait_until(failed, 20) and len(failed()) == 1, game.report()
    assert pathlib.Path(palace[-1]).read_bytes() == kept, "the failed write damaged the palace"
    os.remove(game.path("filler"))
    x.key("s")
    assert wait_until(lambda: pathlib.Path(saved).read_bytes() != old, 20), "no save with room"
    assert wait_until(lambda: pathlib.Path(palace[-1]).read_bytes() != kept, 20), "not kept"


def answer_message_box(game, x):
    box = x.find_window("Brickwork Garden", 60)
    assert box, "no message box\n" + game.report()
    x.key("Return", window=box)


def terminate_message_box(game, x):
    """SIGTERM while the box waits for an answer: the game ends within a
    second, box and all."""
    assert x.find_window("Brickwork Garden", 60), "no message box\n" + game.report()
    assert x.current_mode() == "1024x768@75", x.current_mode()
    game.process.send_signal(signal.SIGTERM)
    assert game.wait(1) == 0, game.report()
    assert wait_until(lambda: x.find_window("Brickwork Garden", 0) is None, 20), "box left"


def left_running(pid, started=()):
    """The live processes in the game's session (its id is the game's), or among started."""
    def alive(p):
        try:
            state, _, _, session = pathlib.Path("/proc/%s/stat" % p).read_text().rsplit(
                ")", 1)[1].split()[:4]
        except OSError:
            return False
        return state != "Z" and (int(p) in started or int(session) == pid)
    return {int(p) for p in os.listdir("/proc") if p.isdigit() and alive(p)}


def kill_message_box(game, x):
    """SIGKILL while the box is up: nothing the game started is left (the run
    then sees the watchdog switch back)."""
    assert x.find_window("Brickwork Garden", 60), "no message box\n" + game.report()
    assert x.current_mode() == "1024x768@75", x.current_mode()
    pid = game.process.pid
    started = left_running(pid) | {int(c) for t in glob.glob("/proc/%d/task/*/children" % pid)
                                   for c in pathlib.Path(t).read_text().split()}
    assert len(started) >= 3, started  # the game, its watchdog, the box
    game.process.kill()
    assert wait_until(lambda: not left_running(pid, started), 20), left_running(pid, started)


def out_of_files(game, x):
    """Escape once the game cannot open another file: its own switch back
    fails and says so, and the watchdog switches back instead."""
    pid, files = game.process.pid, resource.RLIMIT_NOFILE
    used = {int(fd) for fd in os.listdir("/proc/%d/fd" % pid)}
    resource.prlimit(pid, files, (min(set(range(len(used) + 1)) - used),
                                  resource.prlimit(pid, files)[1]))
    x.key("Escape")
    assert game.wait(60) == 0, game.report()
    assert game.log()[-1:] == ["brightwell 206 Unable to restore display settings"], game.report()


def remove(pattern):
    return lambda folder: [os.remove(p) for p in glob.glob(os.path.join(folder, pattern))]


def garbage(folder):
    with open(folder + "/BMP/palace/1.gate.png", "wb") as f:
        f.write(random.Random(7).randbytes(3000))


OWN = "own/palace/1.zz-family.png"  # a family's own piece: shows after the game's own


def own_pictures(*bad):
    """A game folder with the family's magenta piece and the bad pictures
    (name, ImageMagick size, None for garbage bytes, or what makes the path)."""
    def prepare(folder):
        for name, size in ((OWN, "100x80"),) + bad:
            os.makedirs(os.path.dirname(os.path.join(folder, name)), exist_ok=True)
            if callable(size):
                size(os.path.join(folder, name))
            elif size:
                subprocess.run(["convert", "-size", size, "xc:#ff00ff", "PNG32:" + os.path.join(
                    folder, name)], check=True)
            else:
                pathlib.Path(folder, name).write_bytes(random.Random(5).randbytes(2000))
    return prepare


def skipped(name, why):
    def check(game, x):
        assert any(line.endswith(" Own picture %s skipped: %s" % (name, why))
                   for line in game.log()), game.report()
    return check


def bad_own(what, name, make, why):
    """A row: the bad own picture is named in the log, the family's piece is
    played as usual."""
    return Row(what, prepare=own_pictures((name, make)),
               play=steps(skipped(name, why), own_piece_played), end=escape, last="exit")


def own_piece_played(game, x):
    """The left arrow of the first cell wraps to the family's piece; it is
    laid, saved, cleared and loaded again."""
    magenta = lambda: (lambda r, g, b: r > 220 and g < 40 and b > 220)(*x.screenshot().pixel(600, 400))
    x.click(68, 291)
    assert wait_until(lambda: any(line.endswith(" " + OWN) and " Add brick to cell " in line
                                  for line in game.log()), 20), game.report()
    x.click(113, 199)
    x.click(600, 400)
    x.move(*REST)
    assert wait_until(magenta, 20), "the family's piece was not laid"
    x.key("s")
    saved = pathlib.Path(game.path("savegame.txt"))
    assert wait_until(lambda: saved.exists() and OWN in saved.read_text(), 20), "not saved"
    x.click(*BUTTONS["clear"])
    x.move(*REST)
    assert wait_until(lambda: not magenta(), 20), "not cleared"
    x.key("l")
    assert wait_until(magenta, 20), "the family's piece was not loaded"


def fifos(folder):
    """The user's settings file and user-dirs.dirs as FIFOs nobody writes to."""
    for name in ("brickwork-garden/settings.conf", "user-dirs.dirs"):
        os.mkfifo(os.path.join(folder, "home/.config", name))


def steps(*plays):
    return lambda game, x: [play(game, x) for play in plays]


def logged(warning):
    """The game log holds the warning about the settings file's line."""
    def check(game, x):
        assert any(line.endswith(game.settings + warning) for line in game.log()), game.report()
    return check


def locked(game, x):
    """The child lock: the exit button looks faded, not red; Escape (with
    Shift or Ctrl alone too) and the button leave the game running."""
    ring = [(1004, 12), (1020, 12), (1012, 4), (1012, 20)]
    shot = x.screenshot()
    assert all(r - g < 40 for r, g, _ in (shot.pixel(*p) for p in ring)), "a red exit button"
    x.key("Escape", "shift+Escape", "ctrl+Escape")
    x.click(*BUTTONS["exit"])
    keys_then_redrawn(x)
    assert game.process.poll() is None, game.report()


def held(x, modifiers, key, done):
    """Presses key with the modifiers held until done() holds."""
    x.run("xdotool", "keydown", modifiers) if modifiers else None
    x.key(key)
    try:
        assert wait_until(done, 20), "%s+%s did nothing" % (modifiers, key)
    finally:
        x.run("xdotool", "keyup", modifiers) if modifiers else None


# Caps Lock is never Shift: Caps Lock on or off, the modifiers held, the key,
# and the step that shows (undo and redo over three steps: nothing, a piece,
# a new background). Under the lock, then, Escape with these leaves the game
# running; with Ctrl and Shift both it ends it (the rows' own ending).
UNDO_REDO = [(False, "ctrl", "z", 1), (False, "ctrl+shift", "z", 2), (True, "ctrl", "z", 1),
             (True, "ctrl+shift", "z", 2), (True, "ctrl", "y", 2)]
LOCKED_ESCAPES = [(False, ""), (False, "ctrl"), (False, "shift"), (True, ""), (True, "ctrl"),
                  (True, "shift")]


def modifiers(game, x):
    x.click(113, 199)
    x.click(500, 400)
    x.move(*REST)
    assert wait_until(lambda: x.screenshot().differs(game.empty, MIDDLE) > 0.01, 20), "no piece"
    shows = [game.empty, x.screenshot()]
    x.key("b")
    assert wait_until(lambda: x.screenshot().differs(shows[1], MIDDLE) > 0.3, 20), "no b"
    shows.append(x.screenshot())
    caps = False
    for on, keys, key, step in UNDO_REDO:
        if on != caps:
            x.key("Caps_Lock")
            caps = on
        held(x, keys, key, lambda: x.screenshot().matches(shows[step], MIDDLE))
    for on, keys in LOCKED_ESCAPES:
        if on != caps:
            x.key("Caps_Lock")
            caps = on
        x.key(keys + "+Escape" if keys else "Escape")
        keys_then_redrawn(x)
        assert game.process.poll() is None, "%s+Escape ended the game, Caps Lock %s" % (keys, on)


def escape_with(modifiers):
    """Caps Lock on, then Escape with the modifiers held: the game ends."""
    def end(game, x):
        x.key("Caps_Lock")
        held(x, modifiers, "Escape", lambda: game.log()[-1:] == ["brightwell 198 exit"])
    return end


# A gate, kept by the gallery, then a king laid just before the game ends.
LAID = (("palace/1.gate.png", (600, 400)), ("person/1.king.png", (800, 420)))
# The gallery's shelf and pennant strip, where no thumbnail or button lies.
SHELF = [(x, y) for x in range(150, 880, 37) for y in (745, 760)] + [
    (x, 4) for x in range(20, 700, 41)]


def palaces_with(game, picture="1.gate.png"):
    """The gallery's palaces holding the picture."""
    return [p for p in glob.glob(game.path("gallery/*.txt")) if picture in pathlib.Path(p).read_text()]


def lay(game, x, name, at):
    piece = Piece(game, name)
    x.click(*piece.in_cell())
    x.move(at[0] - 40, at[1] - 20)
    x.click(*at)
    x.move(*REST)


def build(game, x):
    """Lays a gate, which the gallery keeps within a second, then a king,
    which only the game's ending keeps."""
    lay(game, x, *LAID[0])
    assert wait_until(lambda: palaces_with(game), 20), "the palace was not kept\n" + game.report()
    x.key("n", "n")
    lay(game, x, *LAID[1])


def gallery_shown(x):
    return wait_until(lambda: x.screenshot().matches(picture("gallery/panel.png"), SHELF), 20)


def shown(game, x, name, at):
    """The piece's own pixels show where it was laid."""
    piece = Piece(game, name)
    drawn = Picture.from_file(game.path(piece.name))
    same = lambda shot: sum(max(abs(a - b) for a, b in zip(shot.pixel(*s), drawn.pixel(*p))) <= 8
                            for p, s in zip(piece.points, piece.at(at)))
    return wait_until(lambda: same(x.screenshot()) >= 0.9 * len(piece.points), 20)


def again(*arguments, keys=(), laid=LAID):
    """A new game in the same folder: after the keys, the pieces laid before
    show again."""
    def play(game, x):
        os.remove(game.path("gameLog.txt"))
        second = Game(x, folder=game.folder, arguments=arguments)
        try:
            second.wait_until_playing()
            x.move(*REST)
            for key in keys:
                x.key(key)
                assert key != "g" or gallery_shown(x), "no gallery\n" + second.report()
            for name, at in laid:
                assert shown(game, x, name, at), "no %s came back\n%s" % (name, second.report())
            second.process.send_signal(signal.SIGTERM)
            assert second.wait(20) == 0, second.report()
        finally:
            second.close()
    return play


def undeletable(game, x):
    """Under the child lock the gallery's bin is grey, and neither it nor
    Delete throws a palace away; Escape closes the gallery."""
    build(game, x)
    x.key("g")
    assert gallery_shown(x), "no gallery\n" + game.report()
    grey, shot = Picture.from_file(os.path.join(GAME_DIR, "BMP/button/bin 04.png")), x.screenshot()
    assert all(max(abs(a - b) for a, b in zip(shot.pixel(484 + i, 674 + j), grey.pixel(i, j))) <= 24
               for i in range(12, 44, 4) for j in range(12, 44, 4)), "the bin is not grey"
    x.key("Delete")
    x.click(512, 702)
    x.key("Escape")
    assert wait_until(lambda: not x.screenshot().matches(picture("gallery/panel.png"), SHELF), 20)
    assert len(palaces_with(game)) == 1 and not glob.glob(game.path("home/.local/share/Trash/*/*"))


GOOD = ("22 serialization::archive 18 0 0 0 0 1 1 0 1 3 1 0\n0 0 0 0 1.000000000e+00 "
        "1.000000000e+00 1.000000000e+00 21 BMP/person/1.king.png 0 0 669 381 0 0 0 0 10 0 0 "
        "669 381 731 519 0 0 62 138 65535 0 0 27 BMP/background/1.meadow.jpg 0 0 21 "
        "BMP/frame/1.stone.png\n")


def damaged_palaces(folder, many=0):
    """A good palace with a king, a damaged one, one naming a picture outside
    the game's folders and many more damaged ones, all newer than the good one."""
    os.makedirs(folder + "/gallery")
    for name, text in (("good", GOOD), ("damaged", GOOD[:60] + " 9 garbage"),
                       ("foreign", GOOD.replace("BMP/person/1.king.png", "/etc/person/1king.png"))):
        pathlib.Path(folder, "gallery", name + ".txt").write_text(text)
    for n in range(many):
        pathlib.Path(folder, "gallery", "%05d.txt" % n).write_text("22 serialization::archive 9")
    os.utime(folder + "/gallery/good.txt", (1, 1))


def damaged_shown(game, x):
    """The damaged palaces are logged once each, never shown or changed;
    the good one opens."""
    before = {p: (os.stat(p).st_mtime, pathlib.Path(p).read_bytes())
              for p in glob.glob(game.path("gallery/*"))}
    for _ in range(2):
        x.key("g")
        assert gallery_shown(x), "no gallery\n" + game.report()
        assert wait_until(lambda: os.path.exists(game.path("gallery/good.png")), 20), "not filled in"
        x.key("g")
    x.key("g", "Return")
    assert shown(game, x, "person/1.king.png", (700, 450)), "the good palace\n" + game.report()
    damaged = [line for line in game.log() if " Damaged palace gallery/" in line]
    assert sorted(line.split("gallery/")[1].split(".txt")[0] for line in damaged) == [
        "damaged", "foreign"], game.report()
    assert all((os.stat(p).st_mtime, pathlib.Path(p).read_bytes()) == kept
               for p, kept in before.items() if "good" not in p), "a damaged palace was changed"


def good_opens(game, x):
    x.key("g", "Return")
    assert shown(game, x, "person/1.king.png", (700, 450)), "the good palace\n" + game.report()


def renamed_own_picture(folder):
    """A palace of the family's piece, the picture then renamed."""
    own_pictures()(folder)
    os.rename(folder + "/" + OWN, folder + "/own/palace/1.renamed.png")
    os.makedirs(folder + "/gallery")
    text = GOOD.replace("21 BMP/person/1.king.png", "26 " + OWN).replace("669 381", "550 350")
    pathlib.Path(folder, "gallery/mine.txt").write_text(
        text.replace("731 519", "650 430").replace("62 138", "100 80"))


def stand_in_shown(game, x):
    """Listed and opened: a pale stand-in of the picture's size shows where
    it lay, nothing magenta."""
    x.key("g", "Return")
    pale = lambda r, g, b: min(r, g, b) > 190 and b > r
    assert wait_until(lambda: all(pale(*x.screenshot().pixel(*p)) for p in (
        (570, 365), (630, 365), (570, 415))), 20), "no stand-in\n" + game.report()


def whole_again(game, x):
    """The picture back under its name, the next game shows the piece."""
    assert OWN in pathlib.Path(game.path("gallery/mine.txt")).read_text(), "the name was lost"
    os.rename(game.path("own/palace/1.renamed.png"), game.path(OWN))
    os.remove(game.path("gameLog.txt"))
    second = Game(x, folder=game.folder)
    try:
        second.wait_until_playing()
        x.move(*REST)
        x.key("g", "Return")
        magenta = lambda r, g, b: r > 220 and g < 40 and b > 220
        assert wait_until(lambda: magenta(*x.screenshot().pixel(600, 390)), 20), second.report()
    finally:
        second.close()


def kept_when_not_thrown(game, x):
    """Delete on the palace in play fails: the scene and its file stay."""
    lay(game, x, *LAID[0])
    assert wait_until(lambda: palaces_with(game), 20), "the palace was not kept\n" + game.report()
    x.key("g", "Delete", "Escape")
    assert wait_until(lambda: any("PalaceBuild 914 " in line for line in game.log()), 20)
    assert shown(game, x, *LAID[0]) and palaces_with(game), "the scene was cleared"


def two_games(game, x):
    """Two games of one player in one folder never write each other's
    palaces: each keeps its own, and a palace one has in play opens in the
    other as a copy."""
    lay(game, x, *LAID[0])
    assert wait_until(lambda: palaces_with(game), 20), game.report()
    first = palaces_with(game)[0]
    os.remove(game.path("gameLog.txt"))
    with XServer.xvfb() as screen:
        other = Game(screen, folder=game.folder)
        try:
            other.wait_until_playing()
            screen.key("n", "n")
            lay(other, screen, *LAID[1])
            assert wait_until(lambda: palaces_with(game, "1.king"), 20), other.report()
            assert palaces_with(game, "1.king") != [first] and "1.king" not in first_text(first)
            screen.key("g", "Right", "Return")
            copies = lambda: [p for p in palaces_with(game) if p != first]
            assert wait_until(copies, 20), "no copy of the first game's palace\n" + other.report()
            lay(game, x, "palace/2.bridge.png", (450, 250))
            assert wait_until(lambda: "2.bridge" in first_text(first), 20), game.report()
            assert all("2.bridge" not in first_text(p) for p in copies())
            assert "1.king" not in first_text(first), "the second game wrote the first's palace"
        finally:
            other.close()


def first_text(path):
    return pathlib.Path(path).read_text()


comes_back = again(keys=("g", "Return"))
# After SIGKILL, the last second's steps may be lost.
comes_back_killed = again(keys=("g", "Return"), laid=LAID[:1])


def heard(expected):
    """Lays pieces with every sound; SDL's disk driver makes its file when,
    and only when, the audio device is opened."""
    def play(game, x):
        lay_pieces(game, x)
        audio = game.path("audio.raw")
        assert (wait_until(lambda: os.path.exists(audio), 20) if expected
                else not os.path.exists(audio)), "audio device opened: %s" % (not expected)
    return play


def bars(game, x):
    """Black bars where the scene leaves the screen, none within it."""
    shot = x.server.screenshot()
    left, top, width, height = fit(shot.width, shot.height)
    assert (left, top) != (0, 0), "no bars on a %dx%d screen" % (shot.width, shot.height)
    outside = [(i, j) for i in range(0, shot.width, 7) for j in range(0, shot.height, 7)
               if not (left <= i < left + width and top <= j < top + height)]
    assert all(shot.pixel(*p) == (0, 0, 0) for p in outside), "the bars are not plain black"
    edge = [(left + i, top + j) for i in (0, width - 1) for j in range(0, height, 5)]
    assert sum(shot.pixel(*p) == (0, 0, 0) for p in edge) < len(edge) / 4, "the scene shrank"


def kept(game, x):
    """A gate laid at a scene point on the scaled scene is saved at that point
    in a 1024x768 picture matching the screen; the PNG copy has its pixels."""
    bars(game, x)
    gate, centre = Piece(game, "palace/1.gate.png"), (600, 400)
    x.click(*gate.in_cell())
    x.move(centre[0] - 40, centre[1] - 20)
    x.click(*centre)
    x.move(*REST)
    assert wait_until(lambda: x.screenshot().differs(game.empty, gate.at(centre)) > 0.8, 20)
    scene = x.screenshot()
    x.key("p")
    assert wait_until(game.copies, 20), "no PNG copy\n" + game.report()
    saved = Picture.from_file(glob.glob(game.path("PrintScreen/*.bmp"))[0])
    assert (saved.width, saved.height) == (1024, 768), (saved.width, saved.height)
    # The gate's own pixels exactly where a 1024x768 screen puts them.
    drawn = Picture.from_file(game.path(gate.name))
    same = [max(abs(a - b) for a, b in zip(saved.pixel(*s), drawn.pixel(*p))) <= 8
            for p, s in zip(gate.points, gate.at(centre))]
    assert sum(same) >= 0.95 * len(same), "the gate is not where it was laid"
    assert saved.differs(scene, MIDDLE) < 0.1, "the saved picture is not the scene"
    assert Picture.from_file(game.copies()[0]).data == saved.data, "the copy differs"


def saved_at(game, piece, centre):
    """The saved game holds the piece laid with its middle at centre."""
    return " %s 0 0 %d %d " % (piece.name, centre[0] - piece.width // 2,
                               centre[1] - piece.height // 2) in saved_text(game)


def resized(game, x):
    """A window of 1024x768 in the middle of the screen. Resized, the scene
    fits it with bars and a gate laid at a scene point is saved at that
    point; F11 fills the screen and brings the window back as it was."""
    assert x.geometry() == (128, 128, 1024, 768), x.geometry()
    x.run("xdotool", "windowsize", x.find_window("123"), "1200", "800")
    assert wait_until(lambda: x.geometry() == (128, 128, 1200, 800), 20), x.geometry()
    first_background = picture("background/1.meadow.jpg")
    assert wait_until(lambda: x.screenshot().matches(first_background, MIDDLE), 20), "not fitted"
    gate, centre = Piece(game, "palace/1.gate.png"), (600, 400)
    x.click(*gate.in_cell())
    x.move(560, 380)
    x.click(*centre)
    x.move(*REST)
    x.key("s")
    assert wait_until(lambda: saved_at(game, gate, centre), 20), "the gate is not where it was laid"
    for geometry in ((0, 0, 1280, 1024), (128, 128, 1200, 800)):
        x.key("F11")
        assert wait_until(lambda: x.geometry() == geometry, 20), (geometry, x.geometry())
    assert x.current_mode() == game.desktop, x.current_mode()


def with_twins(folder):
    """The game folder with the larger pictures of BMP2x/ beside BMP/."""
    shutil.copytree(os.path.join(GAME_DIR, "BMP2x"), os.path.join(folder, "BMP2x"))


def detail(shot, box):
    """Edge energy: the mean squared difference between each pixel's colour
    and its right and lower neighbours' within the box (left, top, w, h).
    Squared, since a softened edge spreads the same step over more pixels."""
    left, top, w, h = box
    return sum((a - b) ** 2 + (a - c) ** 2 for j in range(top, top + h - 1)
               for i in range(left, left + w - 1) for a, b, c in zip(
                   shot.pixel(i, j), shot.pixel(i + 1, j), shot.pixel(i, j + 1))) / (w * h)


def sharp(game, x):
    """At 2048x1536 a cell's gate, a laid gate and the frame's top border
    show the detail of their pictures of twice the size, not of the 1024x768
    pictures enlarged; the gate is saved where it was laid."""
    gate, centre = Piece(game, "palace/1.gate.png"), (600, 400)
    lay(game, x, "palace/1.gate.png", centre)
    x.key("s")
    assert wait_until(lambda: saved_at(game, gate, centre), 20), "the gate is not where it was laid"
    # The picture, its part in the twin's pixels (left, top, w, h), where it
    # shows in scene units, and whether drawn unscaled (a cell stretches its
    # picture by a column); then the detail of the twin's part and of the
    # 1024x768 picture's enlarged.
    parts, enlarged = [], game.path("enlarged.png")
    for name, part, at, unscaled in (
            ("palace/1.gate.png", (20, 20, 200, 200), (63, 149), False),
            ("palace/1.gate.png", (20, 20, 200, 200), (550, 350), True),
            ("frame/1.stone.png", (600, 10, 720, 90), (300, 5), True)):
        subprocess.run(["convert", os.path.join(GAME_DIR, "BMP", name), "-filter", "Triangle",
                        "-resize", "200%", "PNG24:" + enlarged], check=True)
        parts.append((part, at, unscaled,
                      detail(Picture.from_file(os.path.join(GAME_DIR, "BMP2x", name)), part),
                      detail(Picture.from_file(enlarged), part)))

    def drawn():
        shot = x.server.screenshot()
        return [detail(shot, (2 * at[0], 2 * at[1], part[2], part[3]))
                for part, at, _, _, _ in parts]

    def like_twins(details):
        return all(d > 1.5 * soft and (not unscaled or abs(d - twin) < 0.05 * twin)
                   for d, (_, _, unscaled, twin, soft) in zip(details, parts))
    assert wait_until(lambda: like_twins(drawn()), 20), (drawn(), parts)


def unscaled(x, name, box):
    """The largest difference of a colour channel between the scene shown and
    the 1024x768 picture within the box (left, top, w, h)."""
    view, picture = x.screenshot(), Picture.from_file(os.path.join(GAME_DIR, "BMP", name))
    left, top, w, h = box
    return max(abs(a - b) for j in range(top, top + h) for i in range(left, left + w)
               for a, b in zip(view.pixel(i, j), picture.pixel(i, j)))


def enlarged(game, x):
    """A window of 1024x768 on a 2048x1536 screen shows the pictures of the
    1024x768 scene as they are; F11 fills the screen with the pictures of
    twice the size, and the window comes back with the first ones."""
    window, border = (512, 384, 1024, 768), (300, 5, 360, 45)
    assert x.geometry() == window, x.geometry()
    assert wait_until(lambda: unscaled(x, "frame/1.stone.png", border) <= 2, 20), \
        unscaled(x, "frame/1.stone.png", border)
    x.key("F11")
    assert wait_until(lambda: x.geometry() == (0, 0, 2048, 1536), 20), x.geometry()
    sharp(game, x)
    x.key("F11")
    assert wait_until(lambda: x.geometry() == window, 20), x.geometry()
    # Back over the window, which takes the keys again.
    x.move(*REST)
    assert wait_until(lambda: unscaled(x, "frame/1.stone.png", border) <= 2, 20), \
        unscaled(x, "frame/1.stone.png", border)


def quick_f11(game, x):
    """Twenty quick F11 presses leave the window as it was; then F11 fills
    the screen and brings the window back."""
    window = (512, 384, 1024, 768)
    # Keys go where the pointer is: on the window wherever it is meanwhile.
    x.server.move(700, 600)
    for presses, geometry in ((20, window), (1, (0, 0, 2048, 1536)), (1, window)):
        x.run("xdotool", "key", "--delay", "20", *["F11"] * presses)
        assert wait_until(lambda: x.geometry() == geometry, 20), (presses, x.geometry())


def kept_f11(game, x):
    """With the mode kept, F11 makes the full screen the window of 1024x768
    "display = window" opens, and back."""
    for geometry in ((128, 128, 1024, 768), (0, 0, 1280, 1024)):
        x.key("F11")
        assert wait_until(lambda: x.geometry() == geometry, 20), (geometry, x.geometry())


def locked_f11(geometry):
    """The window has its geometry, and under the child lock F11 leaves it so."""
    def play(game, x):
        assert x.geometry() == geometry, x.geometry()
        keys_then_redrawn(x, "F11")
        assert x.geometry() == geometry, x.geometry()
    return play


# In a work area smaller than 1024x768 the window is the largest 4:3 that
# fits, in its middle.
work_area_locked = locked_f11((54, 40, 692, 519))


def copy_refused(game, x):
    """A PNG copy that cannot be written is logged; the picture is saved and
    play goes on."""
    x.key("p")
    assert wait_until(lambda: any("536 Unable to write /proc/brickwork/" in line
                                  for line in game.log()), 20), game.report()
    assert glob.glob(game.path("PrintScreen/*.bmp")), "no picture saved"
    keys_then_redrawn(x)


def saved_by_key(game, x):
    """A picture saved by a key sent to the window (Xwayland takes no XTEST
    input) is a 1024x768 picture of the scene, whatever the screen."""
    x.run("xdotool", "key", "--window", x.find_window("123"), "p")
    assert wait_until(game.copies, 20), "no picture saved\n" + game.report()
    saved = Picture.from_file(glob.glob(game.path("PrintScreen/*.bmp"))[0])
    assert (saved.width, saved.height) == (1024, 768), (saved.width, saved.height)


def pointer_hidden(game, x):
    """The window's cursor is empty; a piece is laid by a tap all the same."""
    assert x.cursor_shown() is False, "a pointer over the game"
    x.click(113, 199)
    x.click(500, 400)
    x.move(*REST)
    around = [(500 + dx, 400 + dy) for dx in (-20, 0, 20) for dy in (-20, 0, 20)]
    assert wait_until(lambda: x.screenshot().differs(game.empty, around) > 0.3, 20), "not laid"


def saved_text(game):
    path = pathlib.Path(game.path("savegame.txt"))
    return path.read_text() if path.exists() else "no savegame.txt"


def stacked(game):
    """The saved game holds two pieces, the second standing on the first."""
    pieces = laid(game)
    if len(pieces) != 2:
        return False
    (upper, ux, uy), (lower, lx, ly) = ((Piece(game, n), x, y) for n, x, y in pieces)
    return uy + upper.height == ly and lx - upper.width < ux < lx + lower.width


# Two pieces without a mouse button: the first cell's gate in the scene's
# first region, then a piece of the second cell on it, then saved by s. With
# keys Tab goes once too far, past the first cell's arrows, and Shift+Tab
# back to the bridge; with two switches the cell's previous arrow, chosen
# twice while the highlight stays, shows the tower.
WITHOUT_BUTTONS = {
    "keys": (["space"] * 3 + ["Tab"] * 4 + ["shift+Tab", "space", "space"], "palace/2.bridge.png"),
    "two-switches": (["Return"] * 4 + ["space", "Return", "space", "Return", "Return", "space",
                                       "space", "Return", "Return"], "palace/2.tower.png"),
}


def built_without_buttons(access):
    def play(game, x):
        keys, upper = WITHOUT_BUTTONS[access]
        for key in keys:
            x.key(key)
        x.key("s")
        assert wait_until(lambda: stacked(game) and laid(game)[0][0] == upper, 20), \
            game.report() + saved_text(game)
        # Both in the frame's window, none under the frame.
        assert all(254 <= left and left + Piece(game, n).width <= 964 and 60 <= top
                   and top + Piece(game, n).height <= 708 for n, left, top in laid(game)), \
            saved_text(game)
        if access == "keys":
            # A third piece, first offered on the bridge, moved down a place
            # by the arrow key before it is laid.
            (_, _, bridge), _ = laid(game)
            x.key("space", "Down", "space", "s")
            assert wait_until(lambda: len(laid(game)) == 3, 20), saved_text(game)
            (name, _, top), _, _ = laid(game)
            assert top + Piece(game, name).height > bridge, saved_text(game)
    return play


def built_by_one_switch(game, x):
    """With only Space: the gate is laid before the highlight moves on by
    itself; then it reaches the second cell's group, whose bridge goes on the
    gate."""
    toolbar = [(i, j) for i in range(10, 215, 6) for j in range(110, 660, 6)]
    moved = lambda before: wait_until(lambda: x.screenshot().differs(before, toolbar) > 0.01, 30)
    x.key("space", "space", "space", "space")
    gate = [(318 + i, 626 + j) for i in (-30, 0, 30) for j in (-20, 0, 20)]
    assert wait_until(lambda: x.screenshot().differs(game.empty, gate) > 0.3, 20), "no gate"
    for key in (None, "space"):
        before = x.screenshot()
        x.key(key) if key else None
        assert moved(before), "the highlight did not move"
    x.key("space", "space", "s")
    assert wait_until(lambda: stacked(game), 20), game.report() + saved_text(game)


# How each access reaches the exit button (or the route itself): past the three cells and the
# three folders to the top controls, then past the two colour arrows.
TO_EXIT = {"keys": ["Tab"] * 14 + ["Return"],
           "two-switches": ["space"] * 6 + ["Return", "space", "space", "Return"]}


def locked_scan(access):
    def play(game, x):
        route = TO_EXIT.get(access, access)
        route(game, x) if callable(route) else x.key(*route)
        keys_then_redrawn(x)
        assert game.process.poll() is None, game.report()
    return play


def ring_shown(x, at):
    """The ring of a resting pointer shows around the point: its cream track
    in its dark edge, left of the top, where it fills last."""
    shot = x.screenshot()
    return sum(shot.pixel(at[0] - 8, at[1] - 23)) > 600 and sum(shot.pixel(at[0] - 10, at[1] - 28)) < 250


def dwell_at(x, at):
    """The pointer rests at the point until its ring has come and gone."""
    x.move(*at)
    assert wait_until(lambda: ring_shown(x, at), 20), "no ring at %s" % (at,)
    assert wait_until(lambda: not ring_shown(x, at), 20), "the ring stays at %s" % (at,)


def laid(game):
    return [(name[4:], int(x), int(y)) for name, x, y in re.findall(
        r" \d+ (BMP/\S+)(?: 0 0)? (\d+) (\d+) 0 ", saved_text(game))]


def built_by_dwell(game, x):
    """A gate by two rests, saved; then a bridge carried by a rest to just
    above it, where it snaps, and laid by a rest."""
    dwell_at(x, (113, 199))
    dwell_at(x, (400, 560))
    x.key("s")
    assert wait_until(lambda: len(laid(game)) == 1, 20), game.report() + saved_text(game)
    (name, left, top), = laid(game)
    dwell_at(x, (113, 360))
    bridge = Piece(game, "palace/2.bridge.png")
    dwell_at(x, (left + Piece(game, name).width // 2, top - bridge.height // 2 - 2))
    x.key("s")
    assert wait_until(lambda: stacked(game), 20), game.report() + saved_text(game)


def dwell_once(game, x):
    """A piece laid by a rest stays laid: no ring comes back while the
    pointer stays, and the save holds it."""
    dwell_at(x, (113, 199))
    dwell_at(x, (500, 400))
    assert not wait_until(lambda: ring_shown(x, (500, 400)), 2), "the rest acts again"
    x.key("s")
    assert wait_until(lambda: len(laid(game)) == 1, 20), game.report() + saved_text(game)


def left_at_rest(game, x):  # out of the window the ring goes; the gate laid next lies alone
    for at, ring in (((113, 199), True), ((-300, -300), False)):
        x.move(*at)
        assert wait_until(lambda: ring_shown(x, (113, 199)) == ring, 20), ring
    [dwell_at(x, at) for at in ((400, 560), (113, 199), (700, 560))]
    x.key("s")
    assert wait_until(lambda: [l > 500 for _, l, _ in laid(game)] == [True], 20), saved_text(game)


def rest_on_exit(game, x):  # the ring comes and goes below the exit button
    x.move(*BUTTONS["exit"])
    for ring in (True, False):
        assert wait_until(lambda: (x.screenshot().differs(game.empty, [(1002, 40)]) > 0) == ring, 20)


def large_pointer(game, x):
    """The desktop's pointer is hidden; the game's own shows three times a
    desktop pointer's size where the pointer is."""
    assert x.cursor_shown() is False, "the desktop's pointer shows"
    x.move(600, 300)
    arrow = [(606, 330), (612, 330), (606, 339), (609, 336)]
    assert wait_until(lambda: x.screenshot().differs(game.empty, arrow) == 1, 20), "no large pointer"

def one_palace(folder):
    os.makedirs(folder + "/gallery")
    pathlib.Path(folder, "gallery/king.txt").write_text(GOOD)


def opened_by_two_switches(game, x):
    """To the top controls, past five of them to the gallery button; then the
    one thumbnail, offered at once: its palace, a king, is in play."""
    x.key(*["space"] * 6, "Return", *["space"] * 5, "Return")
    assert gallery_shown(x), "no gallery\n" + game.report()
    x.key("Return")
    assert shown(game, x, "person/1.king.png", (700, 450)), "no king\n" + game.report()

EVERYWHERE = [(x, y) for x in range(0, 1024, 6) for y in range(0, 768, 6)]


def one_switch(*rounds):
    """Only Space: from the first screen's highlight, for each count the
    highlight moves on by itself that many times, then Space chooses, which
    the screen shows at once."""
    def play(game, x):
        assert wait_until(lambda: x.screenshot().matches(game.empty), 20), "not on the pieces"
        for count in rounds:
            for _ in range(count):
                before = x.screenshot()
                assert wait_until(lambda: x.screenshot().differs(before, EVERYWHERE) > 0, 20), \
                    "the highlight stays"
            before = x.screenshot()
            x.key("space")
            assert wait_until(lambda: x.screenshot().differs(before, EVERYWHERE) > 0, 20), \
                "nothing chosen"
    return play


TO_EXIT["switch"] = one_switch(6, 2)


def undone_by_one_switch(game, x):
    """A gate laid, then the undo button chosen (past the cells, the folders
    and the laid gate): the save holds no piece."""
    one_switch(0, 0, 0, 0, 7, 6)(game, x)
    x.key("s")
    assert wait_until(lambda: "BMP/background/" in saved_text(game), 20), game.report()
    assert laid(game) == [], saved_text(game)

def print_button(x, state):
    """The print button on screen shows its picture of the state."""
    drawn = picture("button/print %s.png" % state)
    inside = [(i, j) for i in range(8, 41, 4) for j in range(8, 41, 4)]
    shot = x.screenshot()
    return shot and not any(max(abs(a - b) for a, b in zip(
        shot.pixel(670 + i, 5 + j), drawn.pixel(i, j))) > 24 for i, j in inside)


def logs(game, text, timeout=30):
    return wait_until(lambda: any(text in line for line in game.log()), timeout)


def lay_gate(game, x, centre=(600, 400)):
    """Lays a gate there: the step reaches the screen."""
    gate = Piece(game, "palace/1.gate.png")
    before = x.screenshot()
    x.click(*gate.in_cell())
    x.move(centre[0] - 40, centre[1] - 20)
    x.click(*centre)
    x.move(*REST)
    assert wait_until(lambda: x.screenshot().differs(before, gate.at(centre)) > 0.5, 20), \
        "the step did not reach the screen\n" + game.report()


def shrunk(path, page=False):
    """The picture reduced to 32x24, or for a page its non-white part turned
    a quarter clockwise; and where that part lay on the page (width, height,
    left, top) with the page's size."""
    box = subprocess.run(["convert", path, "-fuzz", "4%", "-format", "%@ %w %h", "info:"],
                         check=True, stdout=subprocess.PIPE, text=True).stdout.split()
    small = os.path.join(tempfile.mkdtemp(prefix="brickwork-shrunk-"), "small.ppm")
    turn = ["-fuzz", "4%", "-trim", "+repage", "-rotate", "90"] if page else []
    subprocess.run(["convert", path] + turn + ["-resize", "32x24!", small], check=True)
    size = [int(n) for n in box[0].replace("x", "+").split("+")] + [int(box[1]), int(box[2])]
    reduced = Picture.from_file(small)
    shutil.rmtree(os.path.dirname(small))
    return reduced, size


def printed(game, x):
    """Ctrl+P prints the scene picture, the one p saves, on the default
    printer as a landscape page, fitted and centred, titled "Brickwork
    Garden"; the button is grey for the wait, and a print asked for in it is
    dropped."""
    server = game.printer
    assert logs(game, "printer: pdf"), game.report()
    assert wait_until(lambda: print_button(x, "01"), 20), "the print button is not lit"
    lay_gate(game, x)
    x.key("p")
    assert wait_until(game.copies, 20), "no picture saved\n" + game.report()
    x.key("ctrl+p")
    assert wait_until(lambda: print_button(x, "04"), 20), "the print button is not grey"
    assert wait_until(lambda: server.completed() and server.pdfs(), 90), \
        "nothing printed\n" + game.report() + server.errors()
    page = server.pdfs()[0]
    info = subprocess.run(["pdfinfo", page], stdout=subprocess.PIPE, text=True).stdout
    assert re.search(r"^Title: +\(?Brickwork Garden\)?$", info, re.M), info
    image = page[:-4]
    subprocess.run(["pdftoppm", "-r", "40", "-singlefile", "-png", page, image], check=True)
    on_paper, (w, h, left, top, page_w, page_h) = shrunk(image + ".png", page=True)
    saved, _ = shrunk(glob.glob(game.path("PrintScreen/*.bmp"))[0])
    grid = [(i, j) for i in range(32) for j in range(24)]
    assert on_paper.differs(saved, grid, 40) < 0.05, "the page is not the saved picture"
    # Landscape on the portrait page, as large as the page allows, centred.
    assert abs(h / w - 1024 / 768) < 0.05 and max(w / page_w, h / page_h) > 0.9, (w, h)
    assert abs(2 * left + w - page_w) <= 3 and abs(2 * top + h - page_h) <= 3, (left, top)
    x.click(*BUTTONS["print"])
    x.key("ctrl+p")
    assert logs(game, "print dropped: the last print was less than 60 s ago"), game.report()
    keys_then_redrawn(x)
    assert len(server.pdfs()) == 1 and len(server.completed()) == 1, server.completed()
    assert print_button(x, "04"), "the print button woke within the wait"


def printed_twice(game, x):
    """With no wait, a second print goes out once the first has."""
    assert logs(game, "printer: pdf"), game.report()
    x.key("ctrl+p")
    assert wait_until(lambda: len(game.printer.completed()) == 1, 90), \
        "nothing printed\n" + game.report() + "\n".join(game.printer.completed())
    assert logs(game, "printed: job 1") and wait_until(lambda: print_button(x, "01"), 30)
    x.click(*BUTTONS["print"])
    assert wait_until(lambda: len(game.printer.completed()) == 2, 90), \
        "no second print\n" + game.report()


def printed_by_two(game, x):
    """Two games in one folder print at once, both waiting on the server:
    each job comes out with its own game's picture."""
    server = game.printer
    assert logs(game, "printer: pdf"), game.report()
    os.remove(game.path("gameLog.txt"))
    with XServer.xvfb() as screen:
        other = Game(screen, folder=game.folder, env={"CUPS_SERVER": server.address})
        try:
            assert logs(other, "printer: pdf"), other.report()
            assert wait_until(lambda: Scene(screen).screenshot().matches(
                picture("background/1.meadow.jpg"), MIDDLE), 20), other.report()
            keys_then_redrawn(Scene(screen))  # the next background
            os.kill(server.process.pid, signal.SIGSTOP)
            try:
                x.key("ctrl+p")
                screen.key("ctrl+p")
                assert wait_until(lambda: len(glob.glob(game.path(".print*.png"))) == 2, 20), \
                    "the two prints share one picture"
            finally:
                os.kill(server.process.pid, signal.SIGCONT)
            # A job is completed once its PDF is written whole.
            assert wait_until(lambda: len(server.completed()) == 2 and len(server.pdfs()) == 2, 90), \
                other.report() + server.errors()
        finally:
            other.close()
    meadow, _ = shrunk(os.path.join(GAME_DIR, "BMP/background/1.meadow.jpg"))
    grid = [(i, j) for i in range(32) for j in range(24)]
    for page in server.pdfs():
        subprocess.run(["pdftoppm", "-r", "40", "-singlefile", "-png", page, page], check=True)
    pages = [shrunk(page + ".png", page=True)[0] for page in server.pdfs()]
    assert sorted(page.differs(meadow, grid, 40) < 0.05 for page in pages) == [False, True]


def no_printer(why):
    """The print button stays grey, Ctrl+P logs why, and play goes on."""
    def play(game, x):
        assert logs(game, "no printer: " + why), game.report()
        x.key("ctrl+p")
        assert logs(game, "print dropped: " + why), game.report()
        lay_gate(game, x)
        assert print_button(x, "04"), "the print button is lit"
    return play


def hung_server(game, x):
    """A server that never answers: play goes on while the game looks for a
    printer, until it gives up and says so."""
    assert print_button(x, "04"), "the print button is lit"
    x.key("ctrl+p")
    lay_gate(game, x)
    assert logs(game, "print dropped: still looking for a printer", 0), game.report()
    assert not logs(game, "given up", 0), "gave up before the step"
    assert logs(game, "look for a printer given up: no answer from the print server in 10 s"), \
        game.report()
    lay_gate(game, x, (450, 250))


def print_off(game, x):
    """print = no: the button is grey, Ctrl+P says printing is off, and the
    print server is never asked."""
    x.key("ctrl+p")
    assert logs(game, "print dropped: printing is off (print = no)"), game.report()
    keys_then_redrawn(x)
    assert print_button(x, "04") and not any("Printer" in line for line in game.log()), \
        game.report()


escape = lambda game, x: x.key("Escape")
unlock = lambda game, x: x.key("ctrl+shift+Escape")
send = lambda number: lambda game, x: game.process.send_signal(number)
kill_group = lambda game, x: os.killpg(game.process.pid, signal.SIGKILL)
close = lambda game, x: x.close_window(x.find_window("123"))
destroy = lambda game, x: x.run("xdotool", "windowclose", x.find_window("123"))
TERM, SEGV, KILL = signal.SIGTERM, signal.SIGSEGV, signal.SIGKILL

DISK = {"SDL_AUDIODRIVER": "disk", "SDL_DISKAUDIOFILE": "audio.raw"}

# name, server ("dummy" Xorg, "dummy wide" with no 4:3 mode 1024 or 800 wide,
# "no RandR" Xvfb, Xvfb of a size "WxH"; "" Xvfb), root needed, prepare, play
# (True: only waits for it; None: the game ends before), end, exit code, last
# log line (None: not looked at), shutdown picture shown; then maybe the
# game's arguments, settings and environment, and the root window's
# "workarea" as a window manager sets it.
ROWS = [
    Row("child lock", play=steps(locked, logged(':2: unknown key "volume"'), undeletable),
        end=unlock, last="exit", shutdown=True, settings="lock = yes\nvolume = 3\n"),
    Row("damaged palaces in the gallery", prepare=damaged_palaces, play=damaged_shown,
        end=send(TERM), last="Terminated"),
    Row("40,000 damaged palaces in the gallery",
        prepare=functools.partial(damaged_palaces, many=40000), play=good_opens, end=send(TERM),
        last="Terminated"),
    Row("a renamed own picture in a kept palace", prepare=renamed_own_picture, play=stand_in_shown,
        end=send(TERM), last="Terminated", then=whole_again),
    Row("a throw-away that fails: a file where the trash goes",
        prepare=lambda f: os.makedirs(f + "/home/.local/share") or pathlib.Path( f, "home/.local/share/Trash").touch(),
        play=kept_when_not_thrown, end=send(TERM), last="Terminated"),
    Row("two games in one folder", play=two_games, end=send(TERM)),
    Row("child lock, dummy Xorg", server="dummy", root=True, play=locked, end=unlock, last="exit",
        shutdown=True, arguments=["--lock"]),
    Row("child lock, Caps Lock and the modifiers", play=modifiers, end=escape_with("ctrl+shift"),
        last="exit", arguments=["--lock"]),
    Row("Caps Lock, Escape", play=True, end=escape_with(""), last="exit"),
    Row("sound off, child lock, SIGTERM", play=heard(False), end=send(TERM), last="Terminated",
        settings="sound = no\nlock = yes\n", env=DISK),
    Row("sound on by the command line, child lock, closed by the window manager", play=heard(True),
        end=close, last="exit", settings="sound = no\n", arguments=["--sound", "--lock"],
        env=DISK),
    Row("keys alone lay a bridge on a gate", play=built_without_buttons("keys"), end=escape,
        last="exit", arguments=["--access=keys"]),
    Row("two switches page to a tower and lay it on a gate", play=built_without_buttons("two-switches"),
        end=escape, last="exit", arguments=["--access=two-switches"]),
    Row("one switch lays a bridge on a gate", play=built_by_one_switch, end=escape, last="exit",
        arguments=["--access=switch", "--scan-time=10000"]),
    Row("child lock, keys: the exit chosen does nothing", play=locked_scan("keys"), end=unlock,
        last="exit", arguments=["--access=keys", "--lock"]),
    Row("child lock, two switches: the exit chosen does nothing", play=locked_scan("two-switches"),
        end=unlock, last="exit", arguments=["--access=two-switches", "--lock"]),
    Row("dwell alone lays a bridge on a gate", play=built_by_dwell, end=escape, last="exit",
        arguments=["--access=dwell"]),
    Row("dwell acts once while the pointer stays", play=dwell_once, end=escape, last="exit",
        arguments=["--access=dwell", "--dwell-time=300"]),
    Row("dwell in a window: a rest that leaves it does not act", server="2048x1536", play=left_at_rest,
        end=escape, last="exit", arguments=["--display=window", "--access=dwell", "--dwell-time=2000"]),
    Row("child lock, dwell: the exit chosen does nothing", play=locked_scan(rest_on_exit), end=unlock,
        last="exit", arguments=["--access=dwell", "--lock"]),
    Row("pointer three times larger", play=large_pointer, end=escape, last="exit",
        arguments=["--pointer-size=3"]),
    Row("two switches open a palace of the gallery", prepare=one_palace,
        play=opened_by_two_switches, end=escape, last="exit", arguments=["--access=two-switches"]),
    Row("one switch takes a gate back by the undo button", play=undone_by_one_switch, end=escape,
        last="exit", arguments=["--access=switch", "--scan-time=2000"]),
    Row("child lock, one switch: the exit chosen does nothing", play=locked_scan("switch"),
        end=unlock, last="exit", arguments=["--access=switch", "--scan-time=2000", "--lock"]),
    Row("pointer hidden", play=pointer_hidden, end=escape, last="exit",
        arguments=["--pointer=hide"]),
    Row("FIFO settings files", prepare=fifos, play=logged(": not a regular file"), end=escape,
        last="exit"),
    Row("display kept, dummy Xorg", server="dummy", root=True, play=kept, end=escape, last="exit",
        shutdown=True, arguments=["--display=keep"]),
    Row("a window, resized, F11 both ways", server="1280x1024", play=resized, end=escape,
        last="exit", arguments=["--display=window"]),
    Row("2048x1536, display kept: the pictures of twice the size", server="2048x1536",
        prepare=with_twins, play=sharp, end=escape, last="exit", arguments=["--display=keep"]),
    Row("a window on a 2048x1536 screen, F11 both ways: the pictures follow", server="2048x1536",
        prepare=with_twins, play=enlarged, end=escape, last="exit",
        arguments=["--display=window"]),
    Row("a window on a 2048x1536 screen, twenty quick F11 presses, then F11 both ways",
        server="2048x1536", play=quick_f11, end=escape, last="exit",
        arguments=["--display=window"]),
    Row("display kept, F11 both ways", server="1280x1024", play=kept_f11, end=escape, last="exit",
        arguments=["--display=keep"]),
    Row("display kept, child lock: F11 does nothing", server="1280x1024",
        play=locked_f11((0, 0, 1280, 1024)), end=unlock, last="exit",
        arguments=["--display=keep", "--lock"]),
    Row("a window in a panel's work area, child lock: F11 does nothing", server="800x600",
        play=work_area_locked, end=unlock, last="exit", settings="display = window\nlock = yes\n",
        workarea="0,40,800,520"),
    Row("no 1024x768 mode, picture copy refused", server="1280x1024",
        play=steps(bars, copy_refused), end=escape, last="exit", shutdown=True,
        arguments=["--pictures=/proc/brickwork"]),
    Row("only a wide 1024 mode, dummy Xorg", server="dummy wide", root=True, play=bars, end=escape,
        last="exit"),
    Row("no 1024x768 mode, a wide screen", server="1600x900", play=steps(bars, lay_pieces),
        end=escape, last="exit"),
    Row("XWayland, which only pretends to switch", server="XWayland", play=saved_by_key,
        end=send(TERM), last="Terminated"),
    Row("altered banner", prepare=alter_banner, end=answer_message_box,
        last="Some file was corrupted", shutdown=True),
    Row("missing banner", prepare=remove("BMP/shutdown.jpg"), end=answer_message_box,
        last="Some file was corrupted"),
    Row("SIGTERM, message box open", server="dummy", root=True, prepare=alter_banner,
        end=terminate_message_box, last="Some file was corrupted"),
    Row("SIGKILL, message box open, dummy Xorg", server="dummy", root=True, prepare=alter_banner,
        end=kill_message_box, code=-KILL),
    Row("Escape, dummy Xorg with wide 1024 modes", server="dummy", root=True, play=True,
        end=escape, last="exit"),
    Row("Escape", play=build, end=escape, last="exit", shutdown=True, then=comes_back),
    Row("garbage piece", prepare=garbage, last="Unable to load BMP/palace/1.gate.png",
        shutdown=True),
    Row("garbage piece, dummy Xorg", server="dummy", root=True, prepare=garbage,
        last="Unable to load BMP/palace/1.gate.png"),
    Row("altered banner, dummy Xorg", server="dummy", root=True, prepare=alter_banner,
        end=answer_message_box, last="Some file was corrupted"),
    Row("no frame folder", prepare=lambda f: shutil.rmtree(f + "/BMP/frame"),
        last="Path must be exists directory", shutdown=True),
    Row("empty background folder", prepare=remove("BMP/background/*"),
        last="Unable to find backround images", shutdown=True),
    Row("no audio device, no RandR", server="no RandR", play=lay_pieces, end=escape, last="exit",
        shutdown=True),
    Row("SIGTERM, dummy Xorg", server="dummy", root=True, play=True, end=send(TERM),
        last="Terminated"),
    Row("SIGSEGV, dummy Xorg", server="dummy", root=True, play=True, end=send(SEGV), code=-SEGV),
    Row("SIGKILL to its process group, dummy Xorg", server="dummy", root=True, play=build,
        end=kill_group, code=-KILL, then=comes_back_killed),
    Row("no file left to switch back, dummy Xorg", server="dummy", root=True, play=True,
        end=out_of_files),
    Row("SIGTERM", play=build, end=send(TERM), last="Terminated", then=comes_back),
    Row("SIGINT", play=True, end=send(signal.SIGINT), last="Terminated"),
    Row("SIGHUP, then start = last", play=build, end=send(signal.SIGHUP), last="Terminated",
        then=again("--start=last")),
    Row("closed by the window manager", play=build, end=close, last="exit", then=comes_back),
    Row("destroyed by another client", play=True, end=destroy, last="exit"),
    Row("a family's own piece", prepare=own_pictures(), play=own_piece_played, end=escape,
        last="exit"),
    Row("a damaged own picture", prepare=own_pictures(("own/decoration/2.broken.png", None)),
        play=skipped("own/decoration/2.broken.png", "it cannot be read (PNG or BMP are needed)"),
        end=escape, last="exit"),
    Row("an oversized own picture", prepare=own_pictures(("own/person/3.huge.png", "1025x300")),
        play=skipped("own/person/3.huge.png", "it is larger than 1024x768"), end=escape,
        last="exit"),
    Row("a badly named own picture", prepare=own_pictures(("own/palace/cat.png", "40x40")),
        play=skipped("own/palace/cat.png", "it is not named <row 1, 2 or 3>.<name>.png or .bmp"),
        end=escape, last="exit"),
    bad_own("a GIF bomb as an own picture", "own/palace/1.bomb.png",
            lambda path: pathlib.Path(path).write_bytes(gif_bomb(16384)),
            "it cannot be read (PNG or BMP are needed)"),
    bad_own("a FIFO as an own picture", "own/palace/1.pipe.png", os.mkfifo,
            "it is not a regular file"),
    bad_own("a symbolic link loop as an own picture", "own/palace/1.loop.png",
            lambda path: os.symlink("1.loop.png", path),
            "it cannot be opened: Too many levels of symbolic links"),
    bad_own("a folder as an own picture", "own/palace/1.folder.png", os.mkdir,
            "it is not a regular file"),
    Row("damaged masks", prepare=damage_masks, play=lay_pieces, end=send(TERM), last="Terminated"),
    Row("read-only game folder", root=True, prepare=read_only, play=read_only_play,
        end=send(TERM)),
    Row("full disk while saving", root=True, prepare=small_disk, play=full_disk_play,
        end=send(TERM), last="Terminated"),
    Row("printed, a second print within the wait dropped", root=True, play=printed, end=escape,
        last="exit", printer="pdf"),
    Row("print-wait 0: printed twice", root=True, play=printed_twice, end=escape, last="exit",
        printer="pdf", arguments=["--print-wait=0"]),
    Row("two games in one folder print at once", root=True, play=printed_by_two, end=escape,
        printer="pdf"),
    Row("no print server", play=no_printer("no print server at localhost:"), end=escape,
        last="exit", printer="closed"),
    Row("no default printer", root=True, play=no_printer("no default printer at localhost:"),
        end=escape, last="exit", printer="no default"),
    Row("a print server that never answers", play=hung_server, end=escape, last="exit",
        printer="silent"),
    Row("printing off by --no-print, though a printer is there", root=True, play=print_off,
        end=escape, last="exit", printer="pdf", settings="print = yes\n",
        arguments=["--no-print"]),
]


def print_server(kind):
    """The print server a row asks for, started for it, and its address: a
    real one with the PDF printer (the default one or not), one that never
    answers, or none (a closed port)."""
    if kind in ("pdf", "no default"):
        server = printserver.PrintServer(default=kind == "pdf")
        return server, server.address
    if kind == "silent":
        listener = printserver.silent_server()
        return listener, "localhost:%d" % listener.getsockname()[1]
    return contextlib.nullcontext(), "localhost:%d" % printserver.free_port()


@functools.lru_cache(None)
def picture(name):
    return Picture.from_file(os.path.join(GAME_DIR, "BMP", name))


def run(row):
    server, play = row.server, row.play
    switched = "--display=keep" not in row.arguments and server != "dummy wide"
    shutdown, first_background = picture("shutdown.jpg"), picture("background/1.meadow.jpg")
    servers = {"dummy": XServer.dummy_xorg, "XWayland": XServer.xwayland,
               "dummy wide": functools.partial(XServer.dummy_xorg, wide_only=True)}
    with servers[server]() if server in servers else XServer.xvfb(
            size=server + "x24" if "x" in server else "1024x768x24",
            randr=server != "no RandR") as screen:
        window = "--display=window" in row.arguments or (
            "display = window" in (row.settings or ""))
        x = Scene(screen, window)
        desktop = x.current_mode()
        if row.workarea:
            screen.run("xprop", "-root", "-f", "_NET_WORKAREA", "32c", "-set", "_NET_WORKAREA",
                       row.workarea)
        env = dict({"SDL_AUDIODRIVER": "nowhere"} if server == "no RandR" else {}, **row.env)
        printer, address = print_server(row.printer)
        if row.printer:
            env["CUPS_SERVER"] = address
        game = Game(x, row.prepare, env, row.arguments, row.settings)
        game.printer = printer
        game.desktop = desktop
        try:
            if play and server == "XWayland":
                # Its root window shows nothing of the game's.
                game.wait_until_playing()
                assert x.current_mode() == desktop, x.current_mode()
            elif play:
                # Playing once the first background shows (a read-only
                # folder keeps no log).
                assert wait_until(lambda: x.screenshot().matches(first_background, MIDDLE),
                                  60), "not playing\n" + game.report()
                assert "dummy" not in server or x.current_mode() == (
                    "1024x768@75" if switched else desktop), x.current_mode()
                x.move(*REST)
                game.empty = x.screenshot()
            if play and play is not True:
                play(game, x)
            if row.end:
                row.end(game, x)
            assert not row.shutdown or wait_until(lambda: x.screenshot().matches(shutdown), 60),\
                "no shutdown picture\n" + game.report()
            assert game.wait(60) == row.code, game.report()
            log = game.log()
            assert row.last is None or log[-1:] == ["brightwell 198 " + row.last], game.report()
            assert play or not any("703GameLevel" in line for line in log), game.report()
            assert wait_until(lambda: x.current_mode() == desktop, 20), x.current_mode()
            if row.then:
                row.then(game, x)
        finally:
            game.close()
            printer.__exit__(None, None, None)
            if row.prepare in (read_only, small_disk):
                subprocess.run(["umount", game.folder])
                shutil.rmtree(game.folder, ignore_errors=True)


class Endings(unittest.TestCase):
    def test_every_way_a_game_ends(self):
        runnable = lambda row: (not row.root or (
            XServer.dummy_available() if "dummy" in row.server else os.geteuid() == 0)) and (
            row.server != "XWayland" or XServer.xwayland_available()) and (
            row.printer not in ("pdf", "no default") or printserver.available())
        # A row mostly waits (the shutdown picture, the game's own timers),
        # so a dozen at a time still leave room on two cores.
        with ThreadPoolExecutor(12) as pool:
            results = [(row, runnable(row) and pool.submit(run, row)) for row in ROWS]
            for row, result in results:
                with self.subTest(row.name):
                    if not result:
                        self.skipTest("needs root" + " and the dummy Xorg" * ("dummy" in row.server)
                                      + " and CUPS with cups-pdf" * bool(row.printer)
                                      if row.root else "needs weston and Xwayland")
                    result.result()


if __name__ == "__main__":
    unittest.main()
