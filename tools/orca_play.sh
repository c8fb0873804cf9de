#!/usr/bin/env bash
# SPDX-License-Identifier: MIT
# Plays a whole game with the real Orca screen reader, by Tab and Space alone, and prints what
# Orca spoke. Speech goes to a null sound device. Not part of the suite: Orca takes its time.
# Usage: orca_play.sh PATH-TO-SUMDROP, or orca_play.sh SITE-DIRECTORY for the page in Chromium
# (build/web, after scripts/check).
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

if [ -d "$program" ]; then
  port=$((20000 + $$ % 20000))
  /usr/bin/python3 -m http.server "$port" --bind 127.0.0.1 --directory "$program" >"$session_dir/http.log" 2>&1 &
  session_pids+=($!)
  # Chromium offers to translate a Japanese page, and that offer would take the keys.
  mkdir -p "$session_dir/chromium/Default"
  echo '{"translate": {"enabled": false}}' >"$session_dir/chromium/Default/Preferences"
  sandbox=()
  [ "$(id -u)" != 0 ] || sandbox=(--no-sandbox --test-type)
  chromium "${sandbox[@]}" --force-renderer-accessibility --user-data-dir="$session_dir/chromium" --no-first-run \
    --disable-gpu --window-position=0,0 --window-size=1200,1000 --app="http://127.0.0.1:$port/" \
    >"$session_dir/chromium.log" 2>&1 &
  session_pids+=($!)
  player=(--page)
else
  "$program" &
  session_pids+=($!)
  player=()
fi
timeout 300 /usr/bin/python3 "$here/orca_player.py" "${player[@]}" "$log" || { cp "$log" /tmp/orca-debug.log; exit 1; }
