#!/usr/bin/env bash
# SPDX-License-Identifier: MIT
# Plays the real game briefly on a real X server under strace, with an empty home and its own
# session bus, as on a desktop, and fails if it opened any file for writing, or created, renamed
# or removed one, outside the toolkit's own caches.
# Usage: writes_nothing.sh PATH-TO-SUMDROP
set -euo pipefail
here=$(dirname "$0")
source "$here/../../desktop/session.sh"
program=$1

start_x_desktop
unset XDG_CONFIG_HOME XDG_CACHE_HOME XDG_DATA_HOME XDG_STATE_HOME
export HOME=$session_dir/home
mkdir -m 700 "$HOME"
trace=$session_dir/trace

strace -f -qq -o "$trace" \
  -e trace=open,openat,creat,mkdir,mkdirat,rename,renameat,renameat2,unlink,unlinkat,truncate,link,symlink \
  "$program" &
tracer=$!
session_pids+=("$tracer")
# Waits on the game itself, not on strace, which would also wait for anything the game started.
game_started() { pgrep -P "$tracer" >/dev/null; }
wait_for 100 game_started || fail "the game did not start"
pid=$(pgrep -P "$tracer" | head -n 1)

window=$(main_window)
# A digit before Start, whose message box is answered with Enter, then Start and Quit.
click "$window" "$DIGIT_0_BUTTON"
box=$(timeout 20 xdotool search --sync --onlyvisible --name '^Sumdrop$' 2>/dev/null | head -n 1)
[ -n "$box" ] || fail "a digit before Start opened no message box"
# Enter once the box has the keyboard: a key sent before that would be lost.
box_focused() { [ "$(xdotool getwindowfocus 2>/dev/null)" = "$box" ]; }
wait_for 100 box_focused || fail "the message box did not take the keyboard"
xdotool key Return
box_closed() { ! xdotool search --onlyvisible --name '^Sumdrop$' >/dev/null 2>&1; }
wait_for 100 box_closed || fail "the message box did not close on Enter"
click "$window" "$START_BUTTON"
quit_game "$window" "$pid" || fail "the game did not end after Quit"
wait_gone "$tracer" 50 || true

# Calls that write: opens for writing or creating, and every create, rename, link or removal.
# The toolkit may keep its font cache and its runtime socket folder; nothing else is allowed.
writes=$(grep -E 'O_WRONLY|O_RDWR|O_CREAT|creat\(|mkdir|rename|unlink|truncate|link\(' "$trace" |
  grep -v -E '= -1 ' |
  grep -v -E "\"(/dev/|/proc/|$HOME/\\.cache/fontconfig|$XDG_RUNTIME_DIR)" || true)
[ -z "$writes" ] || fail "the game wrote to disk:
$writes"
echo "no file written: $(grep -c . "$trace") file calls traced"
