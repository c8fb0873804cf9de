#!/usr/bin/env bash
# SPDX-License-Identifier: MIT
# The Windows version record as CMake writes it for this release: it cannot be compiled here,
# so this checks that what was written carries the release's version, the Japanese language
# with the Unicode code page, and an icon that is a Windows icon.
# Usage: windows_resource.sh PATH-TO-WRITTEN-RC PATH-TO-ICO VERSION
set -euo pipefail
rc=$1 ico=$2 version=$3
fail() { echo "$(basename "$rc"): $*" >&2; exit 1; }
has() { grep -q -F -- "$1" "$rc" || fail "$2"; }

iconv -f UTF-8 -t UTF-8 "$rc" >/dev/null || fail "is not valid UTF-8"
grep -q '@[A-Z_]*@' "$rc" && fail "has placeholders CMake did not fill"
major=${version%%.*} minor=$((10#${version#*.}))
has "FILEVERSION $major,$minor,0,0" "FILEVERSION is not $major,$minor,0,0"
has "PRODUCTVERSION $major,$minor,0,0" "PRODUCTVERSION is not $major,$minor,0,0"
has "VALUE \"FileVersion\", \"$version\"" "FileVersion string is not $version"
has "VALUE \"ProductVersion\", \"$version\"" "ProductVersion string is not $version"
has '#pragma code_page(65001)' "does not declare its UTF-8 encoding"
has 'BLOCK "041104B0"' "has no Japanese (0411) Unicode (04B0) string table"
has 'VALUE "Translation", 0x411, 1200' "Translation is not 0x411, 1200"
has 'MIT License' "does not name the licence"
file "$ico" | grep -q 'MS Windows icon' || fail "$(basename "$ico") is not a Windows icon"
echo "version record $version, Japanese 0x0411 / 1200"
