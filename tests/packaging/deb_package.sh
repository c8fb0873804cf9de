#!/usr/bin/env bash
# SPDX-License-Identifier: MIT
# Builds the Debian package from a copy of the sources as Debian would, has lintian check it,
# then installs it into a scratch root, checks that the menu entry starts an installed program,
# and removes it again, expecting nothing to be left behind.
# Usage: deb_package.sh SOURCE-DIR VERSION APP-ID
set -euo pipefail
source_dir=$1 version=$2 id=$3
scratch=$(mktemp -d)
trap 'rm -rf "$scratch"' EXIT
fail() { echo "$*" >&2; exit 1; }

# The files git knows of, committed or not, without any build folder.
tree=$scratch/sumdrop-$version
mkdir -p "$tree"
git -C "$source_dir" ls-files -z --cached --others --exclude-standard |
  (cd "$source_dir" && xargs -0 cp --parents -t "$tree" 2>/dev/null || true)
[ -f "$tree/debian/rules" ] || fail "the copy of the sources has no debian/rules"

# The other tests build on the other core.
(cd "$tree" && DEB_BUILD_OPTIONS=parallel=1 dpkg-buildpackage -us -uc -b >"$scratch/build.log" 2>&1) ||
  { tail -n 40 "$scratch/build.log" >&2; fail "dpkg-buildpackage failed"; }
deb=$(find "$scratch" -maxdepth 1 -name "sumdrop_${version}_*.deb" | head -n 1)
[ -n "$deb" ] || fail "dpkg-buildpackage made no sumdrop_${version} package"
echo "$(basename "$deb"): $(du -k "$deb" | cut -f1) kB"
dpkg-deb -f "$deb" Depends Recommends

# lintian's own judgement, pedantic: no error and no warning.
lintian --pedantic --info --no-tag-display-limit "$deb" >"$scratch/lintian.log" 2>&1 || true
cat "$scratch/lintian.log"
if grep -E '^[EW]: ' "$scratch/lintian.log" >/dev/null; then
  fail "lintian found errors or warnings"
fi

field() { dpkg-deb -f "$deb" "$1"; }
[ "$(field Section)" = games ] || fail "section is $(field Section)"
[[ "$(field Depends)" == *fonts-ipafont-gothic* ]] || fail "Depends lacks the Japanese font: $(field Depends)"
[[ "$(field Recommends)" == *qt6-wayland* ]] || fail "Recommends lacks the Wayland plugin: $(field Recommends)"

# Install into a scratch root of its own, as dpkg would on a player's machine.
root=$scratch/root
mkdir -p "$root/var/lib/dpkg/info" "$root/var/lib/dpkg/updates"
touch "$root/var/lib/dpkg/status"
dpkg_root() { dpkg --root="$root" --force-not-root --force-depends --force-script-chrootless --log=/dev/null "$@"; }
dpkg_root -i "$deb" >/dev/null 2>&1 || fail "dpkg could not install the package"

launcher=$root/usr/share/applications/$id.desktop
[ -f "$launcher" ] || fail "no launcher at /usr/share/applications/$id.desktop"
grep -q '^Categories=Game;' "$launcher" || fail "the launcher is not in the Game menu"
program=$(sed -n 's/^Exec=\([^ ]*\).*/\1/p' "$launcher")
[ -x "$root/usr/games/$program" ] || fail "the launcher runs $program, which is not in /usr/games"
readelf -d "$root/usr/games/$program" | grep -q -E 'RUNPATH|RPATH' && fail "the program carries a RUNPATH"
readelf -d "$root/usr/games/$program" | grep -q 'BIND_NOW' || fail "the program is not linked with -z now"
[ -f "$root/usr/share/man/man6/$program.6.gz" ] || fail "no manual page $program(6)"
[ -f "$root/usr/share/doc/sumdrop/copyright" ] || fail "no copyright file"
icon=$(sed -n 's/^Icon=//p' "$launcher")
[ -f "$root/usr/share/icons/hicolor/scalable/apps/$icon.svg" ] || fail "no scalable icon named $icon"
grep -q "<release version=\"$version\"" "$root/usr/share/metainfo/$id.metainfo.xml" ||
  fail "the store entry does not list release $version"

dpkg_root -r sumdrop >/dev/null
left=$(cd "$root" && find . -path ./var/lib/dpkg -prune -o -type f -print)
[ -z "$left" ] || fail "removing the package left files behind: $left"
echo "installed and removed cleanly: launcher $id.desktop runs /usr/games/$program"
