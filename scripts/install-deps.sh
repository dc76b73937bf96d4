#!/bin/sh
# Installs every package the build, the game and the tests need, from
# Debian's archive. Quiet and quick when everything is already there.
set -e

PACKAGES="
build-essential cmake pkg-config git
freeglut3-dev libgl1-mesa-dev libglu1-mesa-dev libgl1-mesa-dri
libfreeimage-dev libpng-dev
libboost-serialization-dev libboost-regex-dev libboost-filesystem-dev
libx11-dev libxrandr-dev
libsdl2-dev libsdl2-mixer-dev
librsvg2-bin python3
libgtest-dev googletest
xvfb xauth x11-utils x11-xserver-utils xdotool xfonts-base
xserver-xorg-core xserver-xorg-video-dummy
imagemagick
clang libclang-rt-14-dev
valgrind
desktop-file-utils debootstrap fakeroot dpkg-dev file
"

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
