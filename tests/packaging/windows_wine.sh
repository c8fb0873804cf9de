#!/usr/bin/env bash
# SPDX-License-Identifier: MIT
# Sumdrop.exe as a player on a Windows in any language meets it, under Wine on a private X
# server with no Japanese font in reach (fontconfig sees DejaVu alone): the version record read
# back from the exe, Form1 shown at its size with its Japanese captions drawn in the Gothic face
# the program carries (its title read back from the screen by OCR), Start filling the top row,
# and Quit ending the program with status 0.
# Leaves a screenshot beside the folder. Usage: windows_wine.sh UNPACKED-FOLDER VERSION
set -euo pipefail
here=$(dirname "$0")
source "$here/../../desktop/session.sh"
source "$here/../../desktop/layout.sh"
folder=$(cd "$1" && pwd) version=$2
exe=$folder/Sumdrop.exe

# The version record: file and product version, Japanese with the Unicode code page, the icon.
wrestool -l "$exe" | tee "$session_dir/resources"
grep -q -- '--type=16 .*--language=1041' "$session_dir/resources" || fail "no Japanese version record"
grep -q -- '--type=14 ' "$session_dir/resources" || fail "no icon"
wrestool -x --raw --type=16 "$exe" >"$session_dir/version.res"
python3 - "$session_dir/version.res" "$version" <<'PY' || fail "the version record is not right"
import re, struct, sys
data, version = open(sys.argv[1], "rb").read(), sys.argv[2]
fixed = data.index(struct.pack("<I", 0xFEEF04BD))
file_ms, file_ls, product_ms, product_ls = struct.unpack_from("<4I", data, fixed + 8)
major, minor = (int(part) for part in version.split("."))
assert (file_ms, file_ls) == (product_ms, product_ls) == (major << 16 | minor, 0), "FILEVERSION"
text = data.decode("utf-16-le", "replace")
assert "041104B0" in text.upper(), "string table 0411 / 04B0"
for key in ("FileVersion", "ProductVersion"):  # key, padding to 32 bits, value
    assert re.search(key + "\0+" + re.escape(version) + "\0", text), key
assert struct.pack("<HH", 0x0411, 1200) in data, "translation 0x0411, 1200"
print(f"version record: file and product version {version}, language 0x0411, code page 1200")
PY

# Only DejaVu, which has no kana or kanji, as on a Windows without its Japanese fonts.
cat >"$session_dir/fonts.conf" <<CONF
<?xml version="1.0"?>
<!DOCTYPE fontconfig SYSTEM "fonts.dtd">
<fontconfig><dir>/usr/share/fonts/truetype/dejavu</dir><cachedir>$session_dir/fontconfig</cachedir></fontconfig>
CONF
export FONTCONFIG_FILE=$session_dir/fonts.conf

start_x_server
export WINEPREFIX=$session_dir/wine WINEDEBUG=-all WINEARCH=win64
# No Mono or Gecko: their installers would ask, and the game needs neither.
export WINEDLLOVERRIDES="mscoree,mshtml="
timeout 300 wineboot --init >"$session_dir/wineboot.log" 2>&1 || fail "wineboot failed: $(tail -n 5 "$session_dir/wineboot.log")"

(cd "$folder" && exec wine Sumdrop.exe) >"$session_dir/game.log" 2>&1 &
game=$!
session_pids+=("$game")
window=$(timeout 120 xdotool search --sync --onlyvisible --name '^Form1$' | head -n 1)
[ -n "$window" ] || fail "Form1 never showed: $(tail -n 5 "$session_dir/game.log")"
size_of() { xwininfo -id "$window" | awk '/Width:/ { w = $2 } /Height:/ { h = $2 } END { print w "x" h }'; }
# Wine may map the window before giving it its final size.
designed_size() { [ "$(size_of)" = 598x672 ]; }
wait_for 100 designed_size || fail "Form1 is $(size_of), not 598x672"
echo "Form1 shown at $(size_of)"

# The title in Japanese, not a row of empty boxes.
import -window "$window" "$session_dir/form1.png"
IFS=' ' read -r left top width height <<<"$(twips_of Form1 Label1)"
convert "$session_dir/form1.png" -crop "$((width / TWIPS_PER_PIXEL))x$((height / TWIPS_PER_PIXEL))+$((left / TWIPS_PER_PIXEL))+$((top / TWIPS_PER_PIXEL))" \
  "$session_dir/title.png"
title=$(tesseract "$session_dir/title.png" - -l jpn --psm 7 2>/dev/null | tr -d ' \n')
[ "$title" = サムドロップ ] || fail "the title reads \"$title\", not サムドロップ"
echo "the title reads $title"

# Ink in the top left box: none before Start, a digit after it.
ink() {
  import -window "$window" "$session_dir/form1.png"
  convert "$session_dir/form1.png" -crop "$(centre_of $(twips_of Form1 Label3_0) | awk '{ print "25x25+" $1 - 12 "+" $2 - 12 }')" \
    -colorspace gray -threshold 50% -negate -format '%[fx:mean*w*h]' info:
}
[ "$(ink)" = 0 ] || fail "the top left box is not empty before Start"
click "$window" "$START_BUTTON"
filled() { [ "$(ink)" != 0 ]; }
wait_for 50 filled || fail "Start did not fill the top row"
import -window "$window" "$folder/../Sumdrop-under-wine.png"
echo "Start filled the top row; screenshot: $(cd "$folder/.." && pwd)/Sumdrop-under-wine.png"

click "$window" "$QUIT_BUTTON"
wait_gone "$game" 100 || fail "Quit did not end the program"
status=0
wait "$game" || status=$?
[ "$status" -eq 0 ] || fail "the program ended with status $status"
echo "Quit ended the program with status 0"
