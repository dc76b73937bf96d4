#!/bin/sh
# Installs the Debian packages a task needs, from Debian's archive. Quiet and
# quick when everything is already there.
#
#   install-deps.sh [run|package|test]
#
# run (the default): building and playing the game; package: also making the
# Debian package; test: also every tool the tests use.
set -e

RUN="
build-essential cmake pkg-config
freeglut3-dev libgl1-mesa-dev libglu1-mesa-dev libgl1-mesa-dri
libfreeimage-dev libpng-dev
libboost-serialization-dev libboost-regex-dev libboost-filesystem-dev
libx11-dev libxrandr-dev
libsdl2-dev libsdl2-mixer-dev
libcups2-dev
librsvg2-bin python3
"
PACKAGE="dpkg-dev fakeroot file"
TEST="
libgtest-dev googletest
xvfb xauth x11-utils x11-xserver-utils xdotool xfonts-base
xserver-xorg-core xserver-xorg-video-dummy
imagemagick
clang libclang-rt-14-dev
valgrind
desktop-file-utils appstream man-db lintian debootstrap
weston xwayland
cups printer-driver-cups-pdf poppler-utils
"

case ${1:-run} in
run) PACKAGES=$RUN ;;
package) PACKAGES="$RUN $PACKAGE" ;;
test) PACKAGES="$RUN $PACKAGE $TEST" ;;
*)
    echo "usage: $0 [run|package|test]" >&2
    exit 2
    ;;
esac

missing=""
for p in $PACKAGES; do
    if ! dpkg-query -W -f='${Status}' "$p" 2>/dev/null | grep -q "install ok installed"; then
        missing="$missing $p"
    fi
done

[ -z "$missing" ] && exit 0

echo "Installing:$missing"
if [ "$(id -u)" -ne 0 ]; then SUDO=sudo; else SUDO=; fi
export DEBIAN_FRONTEND=noninteractive
$SUDO apt-get update -qq
$SUDO apt-get install -y -qq --no-install-recommends $missing >/dev/null
