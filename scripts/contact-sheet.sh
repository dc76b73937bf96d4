#!/bin/sh
# Renders the game's pictures for review at a glance:
#   BUILD/review/contact-sheet.png  every picture of BMP/, labelled, on a grey
#                                   checkerboard that shows the transparency;
#   BUILD/review/screen.png         a made-up game screen drawn in the game's
#                                   order: background, a palace stacked from
#                                   the palace pieces, the toolbar cells, the
#                                   frame, the controls at their places.
#   BUILD/review/game.png           a screenshot of the running game, when
#                                   BUILD/game/brickwork-garden exists: the
#                                   game runs under a private Xvfb for a few
#                                   seconds and is then stopped by its id.
# BUILD defaults to build; the pictures come from BUILD/game/BMP (build the
# target game-data first). Needs ImageMagick's montage, convert and import.
set -e

BUILD=${BUILD:-build}
BMP="$BUILD/game/BMP"
OUT="$BUILD/review"
[ -d "$BMP" ] || { echo "no $BMP: build the game-data target first" >&2; exit 1; }
mkdir -p "$OUT"

# Labels need a font; without DejaVu the sheet is drawn without them.
if convert -list font 2>/dev/null | grep -q 'Font: DejaVu-Sans$'; then
    LABEL="-font DejaVu-Sans -label %t"
else
    LABEL="-label ''"
fi

# Contact sheet: one section per folder, stacked vertically.
sections=""
for folder in . palace decoration person button background frame; do
    files=$(find "$BMP/$folder" -maxdepth 1 -type f \( -name '*.png' -o -name '*.jpg' \) | LC_ALL=C sort)
    [ -n "$files" ] || continue
    name=$(echo "$folder" | sed 's/^\.$/banners/')
    part="$OUT/section-$name.png"
    # File names hold spaces: split the list on line breaks only.
    old_ifs=$IFS
    IFS='
'
    # shellcheck disable=SC2086
    set -- $files
    IFS=$old_ifs
    # shellcheck disable=SC2086
    # Controls are small: show them twice their size so their states can be compared.
    zoom=""
    [ "$folder" = button ] && zoom="-resize 200%"
    # shellcheck disable=SC2086
    montage $LABEL -pointsize 11 -background '#d0d4dc' -texture pattern:checkerboard $zoom \
        -geometry '200x160>+8+8' -tile 8x -title "$name" "$@" "$part"
    sections="$sections $part"
done
# shellcheck disable=SC2086
convert $sections -background '#d0d4dc' -gravity west -append "$OUT/contact-sheet.png"
rm -f $sections

# A made-up game screen at the toolbar's places.
b="$BMP/button"
convert "$(find "$BMP/background" -name '*.jpg' | LC_ALL=C sort | head -n 1)" \
    "$BMP/palace/2.tower.png" -geometry +330+588 -composite \
    "$BMP/palace/2.tower.png" -geometry +330+468 -composite \
    "$BMP/palace/3.roof.png" -geometry +330+368 -composite \
    "$BMP/palace/1.wall.png" -geometry +410+648 -composite \
    "$BMP/palace/1.window-wall.png" -geometry +410+588 -composite \
    "$BMP/palace/3.battlements.png" -geometry +410+558 -composite \
    "$BMP/palace/1.gate.png" -geometry +530+588 -composite \
    "$BMP/palace/3.gable.png" -geometry +530+518 -composite \
    "$BMP/palace/1.wall.png" -geometry +650+648 -composite \
    "$BMP/palace/1.window-wall.png" -geometry +650+588 -composite \
    "$BMP/palace/3.battlements.png" -geometry +650+558 -composite \
    "$BMP/palace/2.tower.png" -geometry +770+588 -composite \
    "$BMP/palace/2.tower.png" -geometry +770+468 -composite \
    "$BMP/palace/3.roof.png" -geometry +770+368 -composite \
    "$BMP/palace/2.stairs.png" -geometry +850+648 -composite \
    "$BMP/decoration/2.tree.png" -geometry +260+558 -composite \
    "$BMP/person/1.king.png" -geometry +470+568 -composite \
    "$BMP/person/3.dragon.png" -geometry +790+556 -composite \
    "$BMP/palace/1.wall.png" -geometry +53+169 -composite \
    "$BMP/palace/2.tower.png" -geometry +73+322 -composite \
    "$BMP/palace/3.roof.png" -geometry +73+515 -composite \
    "$(find "$BMP/frame" -name '*.png' | LC_ALL=C sort | head -n 1)" -geometry +0+0 -composite \
    "$b/background 01.png" -geometry +26+670 -composite \
    "$b/frame 02.png" -geometry +91+670 -composite \
    "$b/clear 03.png" -geometry +156+670 -composite \
    "$b/save picture 01.png" -geometry +28+700 -composite \
    "$b/wallpaper 01.png" -geometry +123+700 -composite \
    "$b/save 01.png" -geometry +28+731 -composite \
    "$b/load 01.png" -geometry +123+731 -composite \
    "$b/folder 1.01.png" -geometry +30+26 -composite \
    "$b/folder 2.02.png" -geometry +94+26 -composite \
    "$b/folder 3.01.png" -geometry +158+26 -composite \
    \( "$b/dec size 01.png" -flop \) -geometry +25+65 -composite \
    "$b/checkbox 04.png" -geometry +97+62 -composite \
    "$b/dec size 01.png" -geometry +139+65 -composite \
    \( "$b/arrow color 01.png" -flop \) -geometry +25+97 -composite \
    "$b/arrow color 01.png" -geometry +115+97 -composite \
    \( "$b/arrow 01.png" -flop \) -geometry +24+280 -composite "$b/arrow 01.png" -geometry +114+280 -composite \
    \( "$b/arrow 01.png" -flop \) -geometry +24+463 -composite "$b/arrow 02.png" -geometry +114+463 -composite \
    \( "$b/arrow 03.png" -flop \) -geometry +24+646 -composite "$b/arrow 01.png" -geometry +114+646 -composite \
    "$b/mirror 01.png" -geometry +890+5 -composite \
    "$b/exit 01.png" -geometry +1000+0 -composite \
    "$OUT/screen.png"

echo "$OUT/contact-sheet.png"
echo "$OUT/screen.png"

# The real game on the real data, if it has been built.
if [ -x "$BUILD/game/brickwork-garden" ]; then
    here=$(cd "$(dirname "$0")/.." && pwd)
    shot="$(cd "$OUT" && pwd)/game.png"
    rm -f "$shot"
    (cd "$BUILD/game" && "$here/tests/with-xvfb.sh" sh -c '
        ./brickwork-garden >/dev/null 2>&1 &
        game=$!
        sleep "${GAME_WAIT:-6}"
        import -window root "$1"
        kill "$game" 2>/dev/null
        wait "$game" 2>/dev/null
        true' screenshot "$shot")
    if [ -s "$shot" ]; then echo "$shot"; else echo "no game screenshot taken" >&2; fi
fi
