#!/usr/bin/env bash
# SPDX-License-Identifier: MIT
# Builds the program twice, from two copies of the sources in two differently named folders
# whose files carry different times, and expects the two programs to be the same to the byte.
# Usage: reproducible_build.sh SOURCE-DIR
set -euo pipefail
source "$(dirname "$0")/../../scripts/sources.sh"
scratch=$(mktemp -d)
trap 'rm -rf "$scratch"' EXIT

build() {
  copy_sources "$1" "$2"
  find "$2" -exec touch -h -d "$3" {} +
  cmake -S "$2" -B "$2/build" -DCMAKE_BUILD_TYPE=RelWithDebInfo -DBUILD_TESTING=OFF >"$2.log"
  cmake --build "$2/build" --target sumdrop >>"$2.log" 2>&1 || { tail -n 30 "$2.log" >&2; exit 1; }
}
build "$1" "$scratch/first" '2001-02-03 04:05:06'
build "$1" "$scratch/second-checkout" '2024-05-06 07:08:09'
if ! cmp "$scratch/first/build/ui/sumdrop" "$scratch/second-checkout/build/ui/sumdrop"; then
  echo "two builds of the same sources differ" >&2
  exit 1
fi
echo "two builds from two folders: the same program, $(sha256sum <"$scratch/first/build/ui/sumdrop" | cut -c1-16)…"
