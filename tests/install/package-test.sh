#!/bin/sh
# The Debian package on a clean Debian 12 root made with debootstrap: installed
# with apt, then started by a player as the desktop entry starts it, on the X
# server of DISPLAY, or of its own without one (the root shares the host's
# abstract X sockets). Passes when the game plays, saves into the player's
# folder, exits with 0 and leaves its installed folder as it was. Needs root
# and Debian's mirror (MIRROR). The fresh root is made once and kept in CACHE,
# with the packages and apt's lists; each run lays a layer of its own in
# memory over it, so the kept root stays fresh and nothing of a run is left.
#
#   package-test.sh PACKAGE.deb
set -eu
[ -n "${DISPLAY:-}" ] || exec python3 "$(dirname "$0")/../support/xserver.py" "$0" "$@"
deb=$(readlink -f -- "${1:?usage: package-test.sh PACKAGE.deb}")
work=$(mktemp -d /var/tmp/brickwork-package-test.XXXXXX)
root=$work/root
cache=${CACHE:-/var/cache/brickwork-package-test}
gpid=
cleanup() {
    [ -z "$gpid" ] || kill "$gpid" 2>/dev/null || true
    for m in root/proc root/dev root/var/cache/apt/archives root/var/lib/apt/lists root layer; do umount -l "$work/$m" 2>/dev/null || true; done
    rm -rf --one-file-system "$work"
}
trap cleanup EXIT INT TERM
fail() {
    tail -20 "$work/log" >&2
    echo "package-test: FAIL: $*" >&2
    exit 1
}
# wait_for CONDITION SECONDS WHAT: polls the shell condition.
wait_for() {
    i=0
    until eval "$1"; do
        i=$((i + 1))
        [ $i -le $(($2 * 10)) ] || fail "$3"
        sleep 0.1
    done
}

mkdir -p "$root" "$work/layer" "$cache/apt" "$cache/lists"
if [ ! -d "$cache/bookworm" ]; then
    fresh=$cache/bookworm.$$
    mkdir "$fresh"
    if [ -s "$cache/bookworm.tar" ]; then # kept packed by earlier versions of this test
        tar -C "$fresh" -xf "$cache/bookworm.tar"
    else
        debootstrap --variant=minbase bookworm "$fresh" "${MIRROR:-http://deb.debian.org/debian}" \
            >"$work/log" 2>&1 || { rm -rf --one-file-system "$fresh"; fail "debootstrap"; }
    fi
    # A run beside this one may have kept its root first.
    mv -T "$fresh" "$cache/bookworm" 2>/dev/null || rm -rf --one-file-system "$fresh"
fi
mount -t tmpfs tmpfs "$work/layer"
mkdir "$work/layer/upper" "$work/layer/work"
mount -t overlay overlay \
    -o "lowerdir=$cache/bookworm,upperdir=$work/layer/upper,workdir=$work/layer/work" "$root"
mount --bind "$cache/apt" "$root/var/cache/apt/archives"
mount --bind "$cache/lists" "$root/var/lib/apt/lists"
mount -t proc proc "$root/proc"
mount --bind /dev "$root/dev"
cp /etc/resolv.conf "$root/etc/resolv.conf"
cp "$deb" "$root/tmp/game.deb"
in_root() { chroot "$root" env -i PATH=/usr/sbin:/usr/bin:/sbin:/bin DEBIAN_FRONTEND=noninteractive "$@"; }
{ in_root apt-get update -qq && in_root apt-get install -y -qq --no-install-recommends /tmp/game.deb &&
    in_root useradd --create-home child; } >>"$work/log" 2>&1 || fail "apt could not install it"
game=/usr/lib/games/brickwork-garden
[ -x "$root$game/brickwork-garden-message-box" ] || fail "the package has no message box"
# The CUPS library comes with the game; the print server is only recommended.
dpkg-deb -f "$deb" Depends | grep -q 'libcups2' || fail "the package does not depend on libcups2"
[ "$(dpkg-deb -f "$deb" Recommends)" = cups ] || fail "the package does not recommend cups"
find "$root$game" -printf '%P %T@ %s\n' | sort >"$work/before"

# The entry's own Exec command (the first; the actions' follow) split into
# words, as the desktop splits it.
command=$(sed -n '/^Exec=/{s///p;q}' "$root/usr/share/applications/brickwork-garden.desktop")
chroot --userspec=child:child "$root" env -i HOME=/home/child PATH=/usr/bin:/bin:/usr/games \
    DISPLAY="$DISPLAY" LIBGL_ALWAYS_SOFTWARE=1 SDL_AUDIODRIVER=dummy $command >>"$work/log" 2>&1 &
gpid=$!
player=$root/home/child/.local/share/brickwork-garden
wait_for 'grep -q 703GameLevel "$player/gameLog.txt" 2>/dev/null' 90 "the game did not start"
xdotool key s
wait_for '[ -s "$player/savegame.txt" ]' 20 "no saved game in the player's folder"
xdotool key Escape
wait_for '! kill -0 $gpid 2>/dev/null' 40 "the game did not end"
status=0
wait $gpid || status=$?
gpid=
[ $status -eq 0 ] || fail "the game exited with $status"
[ "$(readlink "$player/BMP")" = $game/BMP ] || fail "BMP is no link to $game/BMP"
[ "$(stat -c %u "$player/savegame.txt")" = "$(stat -c %u "$root/home/child")" ] ||
    fail "the saved game does not belong to the player"
find "$root$game" -printf '%P %T@ %s\n' | sort | cmp -s "$work/before" - ||
    fail "the game changed its installed folder"
echo "package-test: PASS"
