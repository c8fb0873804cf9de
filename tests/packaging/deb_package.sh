#!/usr/bin/env bash
# SPDX-License-Identifier: MIT
# Builds the Debian source and binary packages from a copy of the sources as Debian would, with
# the build-time tests, and has lintian check them. Then installs the package into a scratch
# root, checks that the menu entry starts an installed program, and removes it again, expecting
# nothing to be left behind. Last, runs the package's own autopkgtest on this machine (autopkgtest's
# null runner), which installs the package for real, and removes it again.
# Usage: deb_package.sh SOURCE-DIR VERSION APP-ID
set -euo pipefail
source "$(dirname "$0")/../../scripts/sources.sh"
source "$(dirname "$0")/../../scripts/package_checks.sh"
source_dir=$1 version=$2 id=$3
export SUMDROP_APT_CONFIG=${SUMDROP_APT_CONFIG:-$source_dir/scripts/apt-wait.conf}
scratch=$(mktemp -d)
trap 'rm -rf "$scratch"' EXIT
fail() { echo "$*" >&2; exit 1; }
# Each stage says when it starts, so that a test stopped by its timeout names where it was.
stage() { echo "== $(date +%T) $*"; }

stage "copying the sources"
tree=$scratch/sumdrop-$version
copy_sources "$source_dir" "$tree"
[ -f "$tree/debian/rules" ] || fail "the copy of the sources has no debian/rules"

# The other tests build on the other core.
stage "building the source and binary packages, with their tests"
(cd "$tree" && DEB_BUILD_OPTIONS=parallel=1 dpkg-buildpackage -us -uc >"$scratch/build.log" 2>&1) ||
  { tail -n 60 "$scratch/build.log" >&2; fail "dpkg-buildpackage failed"; }
grep -E '^[0-9]+% tests passed' "$scratch/build.log" || fail "the package build ran no tests"
changes=$scratch/sumdrop_${version}_$(dpkg-architecture -qDEB_HOST_ARCH).changes
[ -f "$changes" ] || fail "dpkg-buildpackage made no $(basename "$changes")"
deb=$(find "$scratch" -maxdepth 1 -name "sumdrop_${version}_*.deb" | head -n 1)
[ -n "$deb" ] || fail "dpkg-buildpackage made no sumdrop_${version} package"
tar -tf "$scratch/sumdrop_${version}.tar.xz" | grep -q -v "^sumdrop-$version/" &&
  fail "the source tarball holds files outside sumdrop-$version/"
echo "$(basename "$deb"): $(du -k "$deb" | cut -f1) kB"
dpkg-deb -f "$deb" Depends Recommends

stage "lintian"
lintian_verdict "$changes" "$scratch/lintian.log" || exit 1

field() { dpkg-deb -f "$deb" "$1"; }
[ "$(field Section)" = games ] || fail "section is $(field Section)"
[[ "$(field Depends)" == *fonts-ipafont-gothic* ]] || fail "Depends lacks the Japanese font: $(field Depends)"
[[ "$(field Recommends)" == *qt6-wayland* ]] || fail "Recommends lacks the Wayland plugin: $(field Recommends)"

# Install into a scratch root of its own, as dpkg would on a player's machine.
stage "installing into a scratch root"
root=$scratch/root
mkdir -p "$root/var/lib/dpkg/info" "$root/var/lib/dpkg/updates"
touch "$root/var/lib/dpkg/status"
dpkg_root() { dpkg --root="$root" --force-not-root --force-depends --force-script-chrootless --log=/dev/null "$@"; }
dpkg_root -i "$deb" >"$scratch/dpkg.log" 2>&1 || fail "dpkg could not install the package: $(cat "$scratch/dpkg.log")"

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

dpkg_root -r sumdrop >"$scratch/dpkg.log" 2>&1 || fail "dpkg could not remove the package: $(cat "$scratch/dpkg.log")"
left=$(cd "$root" && find . -path ./var/lib/dpkg -prune -o -type f -print)
[ -z "$left" ] || fail "removing the package left files behind: $left"
echo "installed and removed cleanly: launcher $id.desktop runs /usr/games/$program"

# The installed package's own test, here on this very machine, which is quick; scripts/cleanroom
# runs it in a fresh minimal testbed, as Debian's CI does.
stage "the autopkgtest, which installs the package for real"
run_autopkgtest "$changes" "$scratch/autopkgtest.log" -- null || exit 1
