#!/usr/bin/env bash
# SPDX-License-Identifier: MIT
# Starts the built game on a headless Wayland compositor with no X server at all, and reads the
# protocol the game speaks: its main window must be a native toplevel with its title and the
# launcher's id, Help must open the help window as a second toplevel, and the game must end
# cleanly. The compositor has no input devices, so buttons are pressed through the
# accessibility bus, as an assistive tool would.
# Usage: wayland.sh PATH-TO-SUMDROP APP-ID
set -euo pipefail
here=$(dirname "$0")
source "$here/../../desktop/session.sh"
program=$1 id=$2

start_session_bus
start_wayland_compositor
start_accessibility_bus
log=$session_dir/wayland.log
# SUMDROP_GAME_PRELOAD: libraries to keep loaded in the game for its whole life (the sanitizer
# build's, set by CMake with the reason).
LD_PRELOAD=${SUMDROP_GAME_PRELOAD:-} QT_QPA_PLATFORM=wayland WAYLAND_DEBUG=1 "$program" 2>"$log" &
pid=$!
session_pids+=("$pid")

shown() { grep -q "xdg_toplevel@[0-9]*\.set_title(\"$1\")" "$log"; }
wait_for 200 shown Form1 || fail "no native toplevel titled Form1: $(grep -m 5 -i -E 'error|qt\.' "$log")"
grep -q "xdg_toplevel@[0-9]*\.set_app_id(\"$id\")" "$log" || fail "the toplevel does not carry the app id $id"
echo "Form1 is a native Wayland toplevel with app id $id"

press() { /usr/bin/python3 "$here/../../desktop/atspi.py" press "$1"; }
press ヘルプ
wait_for 100 shown Form2 || fail "Help opened no toplevel titled Form2"
echo "Help opened Form2 as a second toplevel"

# The compositor cannot close a client's windows, so the game ends the one way it ends itself.
press スタート
press 終了
wait_gone "$pid" 100 || fail "the game did not end after Quit"
status=0
wait "$pid" || status=$?
[ "$status" -eq 0 ] || fail "the game ended with status $status"
grep -q 'xdg_toplevel@[0-9]*\.destroy()' "$log" || fail "the game ended without taking its windows down"
echo "the game ended with status 0"
