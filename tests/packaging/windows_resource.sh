#!/usr/bin/env bash
# The Windows version record cannot be compiled here; this checks its text instead.
# Usage: windows_resource.sh PATH-TO-RC
set -euo pipefail
rc=$1
fail() { echo "$(basename "$rc"): $*" >&2; exit 1; }
has() { grep -q -E "$1" "$rc" || fail "$2"; }

iconv -f UTF-8 -t UTF-8 "$rc" >/dev/null || fail "is not valid UTF-8"
has '^#pragma code_page\(65001\)' "does not declare its UTF-8 encoding"
has '^FILEVERSION 1,0,0,0$' "FILEVERSION is not 1,0,0,0"
has '^PRODUCTVERSION 1,0,0,0$' "PRODUCTVERSION is not 1,0,0,0"
has 'BLOCK "041104B0"' "has no Japanese (0411) Unicode (04B0) string table"
has 'VALUE "FileVersion", "1\.00"' "FileVersion string is not 1.00"
has 'VALUE "ProductVersion", "1\.00"' "ProductVersion string is not 1.00"
has 'VALUE "Translation", 0x411, 1200' "Translation is not 0x411, 1200"
has 'VALUE "FileDescription", "サムドロップ"' "FileDescription lost its Japanese"
icon=$(sed -n 's/^[A-Z_0-9]* ICON "\(.*\)"/\1/p' "$rc")
[ -n "$icon" ] || fail "names no icon"
[ -f "$(dirname "$rc")/$icon" ] || fail "names icon $icon, which is missing"
file "$(dirname "$rc")/$icon" | grep -q 'MS Windows icon' || fail "$icon is not a Windows icon"
echo "version record 1.00, Japanese 0x0411 / 1200, icon $icon"
