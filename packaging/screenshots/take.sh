#!/usr/bin/env bash
# SPDX-License-Identifier: MIT
# Takes the store entry's screenshot from the running game: a game a few boxes in, on a private
# X server. Writes packaging/screenshots/game.png. Needs Debian's imagemagick.
# Usage: take.sh PATH-TO-SUMDROP
set -euo pipefail
here=$(cd "$(dirname "$0")" && pwd)
desktop=$here/../../desktop
program=$1
# The figures the build printed beside the program's folder.
export SUMDROP_LAYOUT_FIGURES=${SUMDROP_LAYOUT_FIGURES:-$(dirname "$program")/../layout-figures.txt}
source "$desktop/session.sh"
source "$desktop/layout.sh"

start_session_bus
start_x_server
start_accessibility_bus
"$program" &
session_pids+=($!)
window=$(main_window)
click "$window" "$START_BUTTON"
# The next boxes filled as a player would, from the digits above them.
/usr/bin/python3 "$desktop/atspi.py" fill 10
# Let the clock show a few seconds, so that the picture is of a game under way.
sleep 3
import -window "$window" "$here/game.png"
echo "wrote $here/game.png"
