#!/usr/bin/env bash
# Renders the icon's PNG sizes, the Windows .ico and the macOS .icns. Run it after changing the
# SVG or a drawing below, and commit what it writes (needs Debian's librsvg2-bin, imagemagick and
# icnsutils). From 48 pixels up the SVG is scaled; the title-bar and task-list sizes (16, 24 and
# 32) are drawn here for their size, every line on whole pixels, since the big drawing scaled
# down is a grey smudge.
set -euo pipefail
cd "$(dirname "$0")"
for size in 48 64 128 192 256 512; do
  rsvg-convert -w "$size" -h "$size" org.sumdrop.Sumdrop.svg -o "org.sumdrop.Sumdrop-$size.png"
done
# The installed page's maskable icon: the drawing inside the safe circle a launcher may cut it
# to (80 % across), on white to the edges.
rsvg-convert -w 352 -h 352 org.sumdrop.Sumdrop.svg |
  /usr/bin/convert -size 512x512 xc:white - -gravity center -composite -define png:exclude-chunks=date,time \
    PNG24:org.sumdrop.Sumdrop-maskable-512.png

# small SIZE TILE BOX GAP LEFT TOP SHIFT: the triangle of 3, 2 and 1 boxes, each BOX pixels
# square with a one-pixel black outline, GAP pixels apart, the top row from LEFT, TOP, each lower
# row SHIFT pixels to the right; on the big icon's white rounded tile if TILE is yes. Whatever
# the marks array holds is drawn last.
marks=()
small() {
  local size=$1 tile=$2 box=$3 gap=$4 left=$5 top=$6 shift=$7
  local draw=() row col x y fill last=$(($1 - 1))
  if [ "$tile" = yes ]; then
    draw+=(-fill '#2b2b2b' -draw "roundrectangle 0,0 $last,$last 3,3"
      -fill white -draw "roundrectangle 1,1 $((last - 1)),$((last - 1)) 2,2")
  fi
  for row in 0 1 2; do
    fill=$([ "$row" -eq 0 ] && echo white || echo '#c8c8c8')
    for ((col = 0; col < 3 - row; col++)); do
      x=$((left + row * shift + col * (box + gap))) y=$((top + row * (box + gap)))
      draw+=(-fill black -draw "rectangle $x,$y $((x + box - 1)),$((y + box - 1))"
        -fill "$fill" -draw "rectangle $((x + 1)),$((y + 1)) $((x + box - 2)),$((y + box - 2))")
    done
  done
  # No creation time in the file, so that drawing it again changes nothing.
  convert -size "${size}x$size" xc:none -stroke none "${draw[@]}" "${marks[@]}" -define png:exclude-chunks=date,time \
    "PNG32:org.sumdrop.Sumdrop-$size.png"
}

# digit X Y N: adds to the marks a 3x5-pixel digit N with its top left at X, Y.
digit() {
  local -A glyphs=([1]="010110010010111" [2]="111001111100111" [3]="111001011001111"
    [4]="101101111001001" [8]="111101111101111")
  local bits=${glyphs[$3]} i points=""
  for ((i = 0; i < 15; i++)); do
    if [ "${bits:i:1}" = 1 ]; then points+=" point $(($1 + i % 3)),$(($2 + i / 3))"; fi
  done
  marks+=(-fill black -draw "$points")
}

small 16 no 4 1 1 1 2
small 24 yes 6 1 2 2 3
# At 32 pixels each box (8 square, at 2, 12 and 22 across, rows 10 apart) has room for its
# digit, as in the big icon: 4 8 3, then 2 1, then 3.
for box in "2 2 4" "12 2 8" "22 2 3" "7 12 2" "17 12 1" "12 22 3"; do
  read -r x y n <<<"$box"
  digit $((x + 3)) $((y + 2)) "$n"
done
small 32 yes 8 2 2 2 5

convert org.sumdrop.Sumdrop-{16,24,32,48,64,256}.png ../windows/sumdrop.ico
png2icns ../macos/sumdrop.icns org.sumdrop.Sumdrop-{16,32,48,128,256}.png >/dev/null
