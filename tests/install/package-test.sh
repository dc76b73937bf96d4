#!/bin/sh
# The Debian package on a clean Debian 12: a fresh root made with debootstrap,
# the package installed there with apt, then the launcher started by a
# player's account, the way the desktop entry starts it, under a private Xvfb
# inside that root. Passes when the game reaches its game phase, saves into
# the player's folder, exits with 0, and leaves the installed folder as it was.
#
#   package-test.sh PACKAGE.deb
#
# Needs root (debootstrap, chroot) and Debian's mirror (MIRROR, default
# http://deb.debian.org/debian). KEEP_ROOT=1 leaves the root for a look.
set -eu

deb=$(readlink -f -- "${1:?usage: package-test.sh PACKAGE.deb}")
mirror=${MIRROR:-http://deb.debian.org/debian}
[ "$(id -u)" -eq 0 ] || { echo "package-test: needs root" >&2; exit 2; }

work=$(mktemp -d /var/tmp/brickwork-package-test.XXXXXX)
root=$work/root
xpid=
gpid=
cleanup() {
    [ -n "$gpid" ] && kill "$gpid" 2>/dev/null
    [ -n "$xpid" ] && kill "$xpid" 2>/dev/null && wait "$xpid" 2>/dev/null
    mountpoint -q "$root/proc" && umount "$root/proc"
    mountpoint -q "$root/dev" && umount -l "$root/dev"
    if [ "${KEEP_ROOT:-0}" = 1 ]; then echo "package-test: root kept in $root"; else rm -rf "$work"; fi
}
trap cleanup EXIT INT TERM
fail() {
    echo "package-test: FAIL: $*" >&2
    exit 1
}
step() {
    echo "package-test: [$(($(date +%s) - started)) s] $*"
}
started=$(date +%s)

step "making a clean Debian 12 root"
debootstrap --variant=minbase bookworm "$root" "$mirror" >"$work/debootstrap.log" 2>&1 ||
    { tail -20 "$work/debootstrap.log"; fail "debootstrap"; }
mount -t proc proc "$root/proc"
mount --bind /dev "$root/dev"
cp /etc/resolv.conf "$root/etc/resolv.conf"
in_root() { chroot "$root" env -i PATH=/usr/sbin:/usr/bin:/sbin:/bin DEBIAN_FRONTEND=noninteractive "$@"; }

step "installing the package with apt"
cp "$deb" "$root/tmp/"
in_root apt-get update -qq
in_root apt-get install -y -qq --no-install-recommends "/tmp/$(basename "$deb")" >"$work/apt.log" 2>&1 ||
    { tail -20 "$work/apt.log"; fail "apt could not install the package"; }
game=/usr/lib/games/brickwork-garden
missing=$(in_root ldd "$game/brickwork-garden" | grep "not found" || true)
[ -z "$missing" ] || fail "libraries the package does not pull in: $missing"
find "$root$game" -printf '%P %T@ %s\n' | sort >"$work/before"

step "installing the test's own tools (Xvfb, xdotool)"
in_root apt-get install -y -qq --no-install-recommends xvfb xauth xdotool >>"$work/apt.log" 2>&1 ||
    { tail -20 "$work/apt.log"; fail "apt could not install Xvfb"; }
in_root useradd --create-home --shell /bin/sh child

# The root has a /tmp of its own, but X's abstract sockets are shared with
# the host, where other tests run X servers on the low display numbers: take a
# high number that no server of the host uses.
number=$((200 + $$ % 500))
while [ -e "/tmp/.X11-unix/X$number" ] || [ -e "/tmp/.X$number-lock" ] ||
    grep -q "@/tmp/.X11-unix/X$number\$" /proc/net/unix; do
    number=$((number + 1))
done
chroot "$root" Xvfb ":$number" -screen 0 1024x768x24 -nolisten tcp +extension GLX +extension RANDR \
    2>"$work/xvfb.log" &
xpid=$!
i=0
until [ -e "$root/tmp/.X11-unix/X$number" ]; do
    i=$((i + 1))
    [ $i -le 100 ] && kill -0 $xpid 2>/dev/null || fail "Xvfb did not start"
    sleep 0.1
done
display=:$number

command=$(sed -n 's/^Exec=//p' "$root/usr/share/applications/brickwork-garden.desktop")
step "starting '$command' as a player"
as_player() {
    chroot --userspec=child:child "$root" env -i HOME=/home/child USER=child \
        PATH=/usr/local/bin:/usr/bin:/bin:/usr/local/games:/usr/games DISPLAY="$display" \
        LIBGL_ALWAYS_SOFTWARE=1 SDL_AUDIODRIVER=dummy "$@"
}
# The Exec command is split into words, as the desktop splits it.
as_player $command >"$work/game.out" 2>&1 &
gpid=$!
player=$root/home/child/.local/share/brickwork-garden
i=0
until grep -q "PalaceBuild 703GameLevel::init" "$player/gameLog.txt" 2>/dev/null; do
    i=$((i + 1))
    if [ $i -gt 900 ] || ! kill -0 $gpid 2>/dev/null; then
        cat "$work/game.out" "$player/gameLog.txt" 2>/dev/null
        fail "the game did not reach its game phase"
    fi
    sleep 0.1
done
step "the game is playing"
as_player xdotool key s
i=0
until [ -s "$player/savegame.txt" ]; do
    i=$((i + 1))
    [ $i -le 100 ] || fail "no savegame.txt in the player's folder"
    sleep 0.1
done
as_player xdotool key Escape
set +e
wait $gpid
status=$?
set -e
gpid=
[ $status -eq 0 ] || fail "the game exited with $status"

[ "$(readlink "$player/BMP")" = "$game/BMP" ] || fail "BMP is not a link to $game/BMP"
[ "$(readlink "$player/Sound")" = "$game/Sound" ] || fail "Sound is not a link to $game/Sound"
[ "$(stat -c %u "$player/savegame.txt")" = "$(in_root id -u child)" ] || fail "savegame.txt does not belong to the player"
find "$root$game" -printf '%P %T@ %s\n' | sort >"$work/after"
cmp -s "$work/before" "$work/after" || fail "the game changed its installed folder"
step "PASS: installed with apt, played, saved in $(echo "$player" | sed "s|^$root||"), exit 0"
