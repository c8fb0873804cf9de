# SPDX-License-Identifier: MIT
# layout.sh: where the main window's buttons are, for scripts that click them from outside the
# program. Sourced by the desktop tests and the benchmark.

# Centre, in pixels of the window at 96 dpi, of a control laid out at LEFT TOP WIDTH HEIGHT twips.
centre_of() {
  echo "$((($1 + $3 / 2) / 15)) $((($2 + $4 / 2) / 15))"
}

# shellcheck disable=SC2034 # read by the scripts that source this file
START_BUTTON=$(centre_of 5400 9240 3015 615)
# shellcheck disable=SC2034
QUIT_BUTTON=$(centre_of 7200 8640 1215 495)
# shellcheck disable=SC2034
HELP_BUTTON=$(centre_of 5400 8640 1575 495)
# shellcheck disable=SC2034
DIGIT_0_BUTTON=$(centre_of 480 7920 495 495)
# shellcheck disable=SC2034
OK_BUTTON=$(centre_of 3000 6000 1455 495) # in the help window

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
