#!/bin/sh
# Memory checks of the real game: one scripted session (drags from every
# folder, drops, stamps, pick-ups, tints, mirror, size, background and frame
# changes, save, clear, load, Escape and the shutdown picture) under
# AddressSanitizer + UndefinedBehaviorSanitizer, and the same session under
# valgrind memcheck. Prints the errors reported from the game's own code
# (frames in src/); third-party noise (Mesa, LLVM, Xlib, SDL, the loader) is
# suppressed by bench/lsan.supp and bench/memcheck.supp.
# BUILD names the normal build (default build), ASAN_BUILD the sanitizer
# build (default build-asan); WHICH=asan or WHICH=valgrind runs one only.
set -e
root=$(cd "$(dirname "$0")/.." && pwd)
absolute() { case "$1" in /*) echo "$1" ;; *) echo "$root/$1" ;; esac; }
build=$(absolute "${BUILD:-build}")
asan=$(absolute "${ASAN_BUILD:-build-asan}")
which=${WHICH:-asan valgrind}
reports=${REPORTS:-$(mktemp -d)}
[ -n "$REPORTS" ] || trap 'rm -rf "$reports"' EXIT
mkdir -p "$reports"

case "$which" in *asan*)
    cmake -S "$root" -B "$asan" -DCMAKE_BUILD_TYPE=RelWithDebInfo -DBRICKWORK_SANITIZE=ON >/dev/null
    cmake --build "$asan" --target brickwork-garden -j2 >/dev/null ;;
esac
case "$which" in *valgrind*)
    cmake --build "$build" --target brickwork-garden -j2 >/dev/null ;;
esac

for tool in $which; do
    ROOT="$root" TOOL="$tool" REPORTS="$reports" BUILD_DIR="$build" ASAN_DIR="$asan" \
    python3 - <<'PYTHON'
import glob, os, re, subprocess, sys, time
root, tool, reports = os.environ["ROOT"], os.environ["TOOL"], os.environ["REPORTS"]
game_dir = os.environ["ASAN_DIR" if tool == "asan" else "BUILD_DIR"] + "/game"
os.environ["GAME_DIR"] = game_dir
sys.path.insert(0, root + "/tests/e2e")
from harness import Game, Piece, XServer

report = os.path.join(reports, tool)
# Slow under valgrind: every wait is stretched.
slow = 1 if tool == "asan" else 25
# Mesa's driver stays loaded to the end (it is unloaded at exit otherwise),
# so the stacks inside it can be named and suppressed.
driver = glob.glob("/usr/lib/*/dri/swrast_dri.so")
if tool == "asan":
    # The sanitizer runtime must come before the driver.
    runtime = glob.glob("/usr/lib/*/libasan.so.8")
    env = {"ASAN_OPTIONS": "detect_leaks=1:log_path=%s" % report,
           "LSAN_OPTIONS": "suppressions=%s/bench/lsan.supp" % root,
           "UBSAN_OPTIONS": "print_stacktrace=1:log_path=%s" % report,
           "LD_PRELOAD": " ".join(runtime[:1] + driver[:1])}
    wrapper = ()
else:
    env = {"LD_PRELOAD": " ".join(driver[:1])}
    wrapper = ("valgrind", "--tool=memcheck", "--leak-check=full",
               "--show-leak-kinds=definite,indirect", "--num-callers=30",
               "--suppressions=%s/bench/memcheck.supp" % root, "--log-file=%s.%%p" % report)


def pause(seconds):
    time.sleep(seconds * slow)


started = time.monotonic()
with XServer.xvfb() as x:
    game = Game(x, env=env, wrapper=wrapper)
    try:
        game.wait_until_playing(timeout=60 * slow)
        pause(1)
        for round, folder in enumerate(["palace", "decoration", "person"]):
            if round:
                x.key("n")
            pause(0.5)
            for row in range(3):
                # The picture each cell shows first: the first of its row.
                shown = sorted(glob.glob(game.path("BMP/%s/%d.*.png" % (folder, row + 1))))
                if not shown:
                    continue
                piece = Piece(game, folder + "/" + os.path.basename(shown[0]))
                x.click(*piece.in_cell())
                pause(0.3)
                x.move(400 + 150 * row, 200 + 120 * round)
                pause(0.3)
                x.key("i", "i", "Right", "Up")
                x.click(400 + 150 * row, 200 + 120 * round, button=3)
                pause(0.3)
                x.click(420 + 150 * row, 230 + 120 * round)
                pause(0.3)
        # Pick the last piece up and lay it elsewhere; undo and redo it.
        x.click(722, 472)
        pause(0.3)
        x.click(650, 600)
        pause(0.3)
        for key in ["ctrl+z", "ctrl+y", "b", "f", "B", "F", "s"]:
            x.key(key)
            pause(0.3)
        x.key("l")
        pause(1)
        x.key("p")
        pause(1)
        x.key("Escape")
        code = game.wait(timeout=60 * slow)
        lines = game.log()
    finally:
        game.close()
print("%s: session of %.0f s, exit code %s, %d log lines, %d drags" % (
    tool, time.monotonic() - started, code, len(lines),
    sum("start drag(" in l for l in lines)))
PYTHON
done

# Error blocks from the reports. An error is the game's own when the first
# frame of its stack past the allocator and the checker's own replacements
# lies in the project's sources; else it is third-party and listed briefly.
python3 - "$reports" "$root" <<'PYTHON'
import glob, os, re, sys
reports, root = sys.argv[1], sys.argv[2]
sources = {os.path.basename(f) for f in glob.glob(root + "/src/**/*.[ch]pp", recursive=True)}
checker = re.compile(r"vgpreload|libsanitizer|asan_|ubsan_|strcmp-|memcpy|memmove|memset")
frame = re.compile(r"#\d+ 0x[0-9a-f]+ in (\S+) (\S+)|(?:at|by) 0x[0-9A-F]+: (\S+)(?: \(([^)]*)\))?")
error_start = re.compile(r"ERROR: |runtime error|Invalid |Conditional jump|uninitialised|"
                         r"Syscall param|Mismatched|overlap|are (definitely|indirectly) lost")

def frames(block):
    for match in frame.finditer(block):
        yield (match.group(1) or match.group(3), match.group(2) or match.group(4) or "")

def is_own(block):
    for function, place in frames(block):
        if not checker.search(place) and not checker.search(function):
            return os.path.basename(place.split(":")[0]) in sources
    return False

for tool in ("asan", "valgrind"):
    files = sorted(glob.glob(os.path.join(reports, tool + ".*")))
    if not files:
        continue
    own, other, summaries = [], [], []
    for name in files:
        text = open(name, errors="replace").read()
        if tool == "asan":
            blocks = re.split(r"\n(?=Direct leak|Indirect leak|==\d+==ERROR|\S+:\d+:\d+: runtime error)", text)
        else:
            blocks = re.split(r"\n==\d+== \n", text)
            summaries += re.findall(r"ERROR SUMMARY: .*", text)
        for block in blocks:
            lines = [l for l in block.strip().splitlines() if l.strip()]
            if lines and error_start.search(lines[0]) and "detected memory leaks" not in lines[0]:
                (own if is_own(block) else other).append(block)
    print("%s: %d error report(s) from the game's code, %d third-party" % (
        tool, len(own), len(other)))
    for summary in summaries:
        print("  valgrind " + summary)
    for block in own:
        print(block.strip()[:3000])
        print("-" * 40)
    for block in other:
        first = block.strip().splitlines()[0][:100]
        print("  third-party: %s ... %s" % (first, "; ".join(
            "%s %s" % (f, os.path.basename(p)) for f, p in list(frames(block))[:4])))
PYTHON
