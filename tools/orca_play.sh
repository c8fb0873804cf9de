#!/usr/bin/env bash
# SPDX-License-Identifier: MIT
# Plays a whole game with the real Orca screen reader, by Tab and Space alone, and prints what
# Orca spoke. Speech goes to a null sound device. Not part of the suite: Orca takes its time.
# Usage: orca_play.sh PATH-TO-SUMDROP
set -euo pipefail
here=$(dirname "$0")
source "$here/../desktop/session.sh"
program=$1

start_session_bus
start_x_server
start_window_manager
start_accessibility_bus
export HOME=$session_dir/home
prefs=$HOME/orca
mkdir -p "$HOME/.config/speech-dispatcher" "$prefs"
# speech-dispatcher's default sound output hangs without a sound server.
grep -v '^ *AudioOutputMethod' /etc/speech-dispatcher/speechd.conf >"$HOME/.config/speech-dispatcher/speechd.conf"
echo 'AudioOutputMethod "alsa"' >>"$HOME/.config/speech-dispatcher/speechd.conf"
echo 'pcm.!default { type null }' >"$HOME/.asoundrc"
# Orca's log is block-buffered; the player reads it line by line as Orca speaks.
cat >"$prefs/orca-customizations.py" <<'PY'
import orca.debug
if orca.debug.debugFile:
    orca.debug.debugFile = open(orca.debug.debugFile.name, "a", buffering=1)
PY
log=$session_dir/orca.log
orca -u "$prefs" --debug-file="$log" >"$session_dir/orca.out" 2>&1 &
session_pids+=($!)
orca_ready() { grep -q "SPEECH OUTPUT: 'Screen reader on.'" "$log" 2>/dev/null; }
wait_for 300 orca_ready || fail "Orca did not start: $(tail -n 5 "$session_dir/orca.out")"

"$program" &
session_pids+=($!)
timeout 300 /usr/bin/python3 "$here/orca_player.py" "$log" || { cp "$log" /tmp/orca-debug.log; exit 1; }
