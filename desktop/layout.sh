# SPDX-License-Identifier: MIT
# layout.sh: where the main window's buttons are, for scripts that click them from outside the
# program. Sourced by the desktop tests and the benchmark.

# Centre, in pixels of the window at 96 dpi, of a control laid out at LEFT TOP WIDTH HEIGHT twips.
centre_of() {
  echo "$((($1 + $3 / 2) / 15)) $((($2 + $4 / 2) / 15))"
}

# twips_of PATTERN: LEFT TOP WIDTH HEIGHT of the control whose line of the layout table matches.
layout_table=$(dirname "${BASH_SOURCE[0]}")/../engine/Layout.h
twips_of() {
  grep -m 1 -E "$1" "$layout_table" | grep -o -E '\{[0-9]+, [0-9]+, [0-9]+, [0-9]+\}' | head -n 1 | tr -d '{},'
}

# shellcheck disable=SC2034,SC2046 # read by the scripts that source this file; four numbers
START_BUTTON=$(centre_of $(twips_of '^ *\{"Command1",'))
# shellcheck disable=SC2034,SC2046
QUIT_BUTTON=$(centre_of $(twips_of '^ *\{"Command2",'))
# shellcheck disable=SC2034,SC2046
HELP_BUTTON=$(centre_of $(twips_of '^ *\{"Command13",'))
# shellcheck disable=SC2034,SC2046
DIGIT_0_BUTTON=$(centre_of $(twips_of '^ *\{"Command3",'))
# shellcheck disable=SC2034,SC2046
OK_BUTTON=$(centre_of $(twips_of 'HelpOkButton\{')) # in the help window
[ -n "$START_BUTTON" ] && [ -n "$OK_BUTTON" ] || { echo "layout.sh: cannot read $layout_table" >&2; return 1; }

# click WINDOW "X Y": one left click at that point of the window.
click() {
  # shellcheck disable=SC2086 # the point is two words
  xdotool mousemove --window "$1" $2 click 1
}

# The game's main window, once it is mapped.
main_window() {
  timeout 20 xdotool search --sync --onlyvisible --name '^Form1$' | head -n 1
}

# quit_game WINDOW PID: clicks Quit, which shows only once a game runs, until the game has
# ended. Needs session.sh; true once it has ended.
quit_game() {
  local window=$1 pid=$2
  click_quit() {
    click "$window" "$QUIT_BUTTON" 2>/dev/null || true
    wait_gone "$pid" 5
  }
  wait_for 20 click_quit
}
