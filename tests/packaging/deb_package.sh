#!/usr/bin/env bash
# Builds the Debian package from a finished build, unpacks it into a scratch root and checks
# that the launcher, store entry, icons and program are where the launcher expects them.
# Usage: deb_package.sh BUILD-DIR
set -euo pipefail
build=$1
scratch=$(mktemp -d)
trap 'rm -rf "$scratch"' EXIT
fail() { echo "$*" >&2; exit 1; }

cpack --config "$build/CPackConfig.cmake" -B "$scratch/out" >/dev/null
deb=$(find "$scratch/out" -maxdepth 1 -name 'sumdrop_*.deb' | head -n 1)
[ -n "$deb" ] || fail "cpack made no sumdrop .deb"

field() { dpkg-deb -f "$deb" "$1"; }
[ "$(field Package)" = sumdrop ] || fail "package is $(field Package)"
[ "$(field Version)" = 1.00 ] || fail "version is $(field Version)"
[ "$(field Section)" = games ] || fail "section is $(field Section)"
depends=$(field Depends)
for needed in libqt6widgets6 libc6 fonts-ipafont-gothic; do
  grep -q "$needed" <<<"$depends" || fail "Depends lacks $needed: $depends"
done

root=$scratch/root
dpkg-deb -x "$deb" "$root"
id=org.sumdrop.Sumdrop
launcher=$root/usr/share/applications/$id.desktop
[ -f "$launcher" ] || fail "no launcher at /usr/share/applications/$id.desktop"
[ -f "$root/usr/share/metainfo/$id.metainfo.xml" ] || fail "no metainfo"
grep -q "<launchable type=\"desktop-id\">$id.desktop</launchable>" "$root/usr/share/metainfo/$id.metainfo.xml" ||
  fail "the metainfo does not launch $id.desktop"

program=$(sed -n 's/^Exec=\([^ ]*\).*/\1/p' "$launcher")
[ -x "$root/usr/bin/$program" ] || fail "the launcher runs $program, which is not in /usr/bin"
file "$root/usr/bin/$program" | grep -q ELF || fail "/usr/bin/$program is not a program"

icon=$(sed -n 's/^Icon=//p' "$launcher")
[ -f "$root/usr/share/icons/hicolor/scalable/apps/$icon.svg" ] || fail "no scalable icon named $icon"
for size in 16 24 32 48 64 128 256; do
  png=$root/usr/share/icons/hicolor/${size}x${size}/apps/$icon.png
  [ -f "$png" ] || fail "no ${size}x${size} icon named $icon"
  file "$png" | grep -q "$size x $size" || fail "$png is not $size x $size"
done
echo "$(basename "$deb"): $(dpkg-deb -c "$deb" | grep -c -v '/$') files, Depends: $depends"
