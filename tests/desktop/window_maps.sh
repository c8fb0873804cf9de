#!/usr/bin/env bash
# SPDX-License-Identifier: MIT
# Starts the built game on a real X server, checks that its main window maps at its full size,
# then plays Start and Quit with the mouse and expects a clean exit.
# Usage: window_maps.sh PATH-TO-SUMDROP
set -euo pipefail
here=$(dirname "$0")
source "$here/../../desktop/session.sh"
program=$1

start_x_desktop
"$program" &
pid=$!
session_pids+=("$pid")

window=$(main_window)
size=$(xwininfo -id "$window" | awk '/Width:/ { w = $2 } /Height:/ { h = $2 } END { print w "x" h }')
[ "$size" = 598x672 ] || fail "main window mapped at $size, not 598x672"
echo "main window mapped at $size"

click "$window" "$START_BUTTON"
quit_game "$window" "$pid" || fail "the game was still running after Quit was clicked"
status=0
wait "$pid" || status=$?
echo "the game ended with status $status after Quit"
exit "$status"
