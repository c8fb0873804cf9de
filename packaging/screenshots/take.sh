#!/usr/bin/env bash
# SPDX-License-Identifier: MIT
# Takes the store entry's screenshot from the running game: a game a few boxes in, on a private
# X server. Writes packaging/screenshots/game.png. Needs Debian's imagemagick.
# Usage: take.sh PATH-TO-SUMDROP
set -euo pipefail
here=$(cd "$(dirname "$0")" && pwd)
source "$here/../../tests/desktop/session.sh"
source "$here/../../tests/desktop/layout.sh"
program=$1

start_session_bus
start_x_server
"$program" &
session_pids+=($!)
window=$(main_window)
click "$window" "$START_BUTTON"
# Let the clock show a time, so that the picture is of a game under way.
sleep 3
import -window "$window" "$here/game.png"
echo "wrote $here/game.png"
