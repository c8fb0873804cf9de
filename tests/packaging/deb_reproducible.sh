#!/usr/bin/env bash
# SPDX-License-Identifier: MIT
# Builds the Debian packages twice with reprotest, varying what reprotest varies by default (the
# time, the build path, the locale, the time zone, the home, the kernel, the file order, ...),
# and expects bit-identical packages. Not varied: the user and group, and the host and domain
# names, which need accounts and namespaces a plain machine does not give; the file order only
# where FUSE works. The build-time tests run in the package test; here they are skipped.
# Usage: deb_reproducible.sh SOURCE-DIR VERSION
set -euo pipefail
source "$(dirname "$0")/../../scripts/sources.sh"
source_dir=$1 version=$2
scratch=$(mktemp -d)
trap 'rm -rf "$scratch"' EXIT

tree=$scratch/sumdrop-$version
copy_sources "$source_dir" "$tree"
vary=-user_group,-domain_host
if ! command -v disorderfs >/dev/null || [ ! -c /dev/fuse ] || [ ! -w /dev/fuse ]; then
  vary=$vary,-fileordering
  echo "no FUSE here: the file order is not varied"
fi
status=0
(cd "$scratch" && DEB_BUILD_OPTIONS=nocheck reprotest --vary="$vary" --store-dir="$scratch/out" \
  "sumdrop-$version" -- null) >"$scratch/reprotest.log" 2>&1 || status=$?
tail -n 15 "$scratch/reprotest.log"
case $status in
0) ;;
1) echo "reprotest found the two builds different" >&2; exit 1 ;;
*) echo "reprotest could not build the packages (status $status)" >&2; exit 1 ;;
esac
