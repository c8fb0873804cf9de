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
source_dir=$1 version=$2 id=$3
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

# lintian's own judgement of the source and binary packages, pedantic: no error and no warning.
# Its exit status says only that it found tags; the tags themselves are judged below.
stage "lintian"
lintian_status=0
lintian --pedantic --info --tag-display-limit 0 "$changes" >"$scratch/lintian.log" 2>&1 || lintian_status=$?
cat "$scratch/lintian.log"
[ "$lintian_status" -le 1 ] || fail "lintian itself failed (status $lintian_status)"
if grep -E '^[EW]: ' "$scratch/lintian.log" >/dev/null; then
  fail "lintian found errors or warnings"
fi

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

# The installed package's own test, as Debian's CI runs it, here on this very machine.
stage "the autopkgtest, which installs the package for real"
sudo=()
[ "$(id -u)" -eq 0 ] || sudo=(sudo)
installed() { dpkg-query -W -f='${Status}' sumdrop 2>/dev/null | grep -q 'ok installed'; }
installed_before=no
installed && installed_before=yes
# apt, also inside autopkgtest, waits for a package manager that holds the dpkg lock. But the
# package lists' lock it does not wait for, and autopkgtest updates the lists of the repository it
# serves the package from: beside another package manager it fails at once, before installing
# anything. It is run again until that lock is free, for up to ten minutes, as the setup waits.
apt_wait=$source_dir/scripts/apt-wait.conf
deadline=$((SECONDS + 600))
while :; do
  autopkgtest_status=0
  "${sudo[@]}" env APT_CONFIG="$apt_wait" autopkgtest "$changes" -- null >"$scratch/autopkgtest.log" 2>&1 ||
    autopkgtest_status=$?
  if [ "$autopkgtest_status" -eq 0 ] || ! grep -q 'Could not get lock' "$scratch/autopkgtest.log" ||
    ((SECONDS >= deadline)); then
    break
  fi
  echo "another package manager holds the package lists: autopkgtest waits its turn"
  sleep 5
done
# The autopkgtest's own result first: a failed removal after it must not hide why it failed.
if [ "$autopkgtest_status" -ne 0 ]; then
  tail -n 40 "$scratch/autopkgtest.log" >&2
  echo "autopkgtest failed (status $autopkgtest_status)" >&2
fi
if [ "$installed_before" = no ] && installed; then
  "${sudo[@]}" env APT_CONFIG="$apt_wait" DEBIAN_FRONTEND=noninteractive apt-get remove -y -qq sumdrop \
    >"$scratch/dpkg.log" 2>&1 || fail "could not remove sumdrop after its autopkgtest: $(cat "$scratch/dpkg.log")"
fi
[ "$autopkgtest_status" -eq 0 ] || exit 1
grep -E '^play +PASS' "$scratch/autopkgtest.log" || fail "autopkgtest did not run the play test"
