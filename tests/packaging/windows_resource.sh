#!/usr/bin/env bash
# SPDX-License-Identifier: MIT
# Compiles the Windows version record as CMake writes it for this release, with mingw's
# resource compiler, and reads the compiled record back: the release's version, Japanese
# resources with a Japanese Unicode string table whose texts survived the UTF-8 source, and the
# icon compiled in.
# Usage: windows_resource.sh PATH-TO-WRITTEN-RC PATH-TO-ICO VERSION
set -euo pipefail
rc=$1 ico=$2 version=$3
windres=x86_64-w64-mingw32-windres
fail() { echo "$(basename "$rc"): $*" >&2; exit 1; }
scratch=$(mktemp -d)
trap 'rm -rf "$scratch"' EXIT

cp "$rc" "$ico" "$scratch/"
# The host's preprocessor, told what mingw's own compiler would define.
(cd "$scratch" && "$windres" --preprocessor=cpp --preprocessor-arg=-xc --preprocessor-arg=-DRC_INVOKED \
  --preprocessor-arg=-D_WIN32 --preprocessor-arg=-D_WIN64 --preprocessor-arg=-D__x86_64__ \
  -I /usr/share/mingw-w64/include -i "$(basename "$rc")" -O res -o sumdrop.res) || fail "does not compile"
compiled=$scratch/compiled.rc
"$windres" -J res -i "$scratch/sumdrop.res" -O rc -o "$compiled"
has() { grep -q -F -- "$1" "$compiled" || fail "compiles without $2"; }

major=${version%%.*} minor=$((10#${version#*.}))
has "FILEVERSION $major, $minor, 0, 0" "FILEVERSION $major,$minor,0,0"
has "PRODUCTVERSION $major, $minor, 0, 0" "PRODUCTVERSION $major,$minor,0,0"
has "VALUE \"FileVersion\", \"$version\"" "the FileVersion string $version"
has "VALUE \"ProductVersion\", \"$version\"" "the ProductVersion string $version"
has 'BLOCK "041104B0"' "a Japanese (0411) Unicode (04B0) string table"
has 'VALUE "Translation", 0x411, 1200' "the translation 0x411, 1200"
# サムドロップ, as UTF-16 code points: mojibake here means the UTF-8 source was misread.
has '"FileDescription", L"\x30b5\x30e0\x30c9\x30ed\x30c3\x30d7"' "its Japanese description intact"
has 'MIT License' "the licence"
languages=$(grep -o 'LANGUAGE [0-9]*, [0-9]*' "$compiled" | sort -u)
[ "$languages" = "LANGUAGE 17, 1" ] || fail "has resources that are not Japanese: $languages"
has '/* RT_GROUP_ICON */' "an icon"
echo "version record $version compiles: Japanese 0x0411 / 1200, icon included"
