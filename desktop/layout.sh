# SPDX-License-Identifier: MIT
# layout.sh: where the main window's buttons are, for scripts that click them from outside the
# program. Sourced by the desktop tests and the benchmark.

# The layout's figures, which the build prints from the table itself (LayoutFigures.cpp) into the
# file SUMDROP_LAYOUT_FIGURES names; the installed game keeps them in /usr/share/sumdrop.
layout_figures=$(cat "${SUMDROP_LAYOUT_FIGURES:-/usr/share/sumdrop/layout-figures.txt}") ||
  { echo "layout.sh: no layout figures; SUMDROP_LAYOUT_FIGURES names the build's" >&2; return 1; }

# shellcheck disable=SC2034 # read by the scripts that source this file
TWIPS_PER_PIXEL=$(awk '$1 == "twips-per-pixel" { print $2 }' <<<"$layout_figures")

# Centre, in pixels of the window at 96 dpi, of a control laid out at LEFT TOP WIDTH HEIGHT twips.
centre_of() {
  echo "$((($1 + $3 / 2) / TWIPS_PER_PIXEL)) $((($2 + $4 / 2) / TWIPS_PER_PIXEL))"
}

# twips_of WINDOW NAME: LEFT TOP WIDTH HEIGHT of that control, in twips.
twips_of() {
  awk -v window="$1" -v name="$2" '$1 == window && $2 == name { print $3, $4, $5, $6; found = 1 }
    END { exit !found }' <<<"$layout_figures"
}

# shellcheck disable=SC2034,SC2046 # read by the scripts that source this file; four numbers
START_BUTTON=$(centre_of $(twips_of Form1 Command1))
# shellcheck disable=SC2034,SC2046
QUIT_BUTTON=$(centre_of $(twips_of Form1 Command2))
# shellcheck disable=SC2034,SC2046
HELP_BUTTON=$(centre_of $(twips_of Form1 Command13))
# shellcheck disable=SC2034,SC2046
DIGIT_0_BUTTON=$(centre_of $(twips_of Form1 "$(awk '$1 == "digit" && $3 == 0 { print $2 }' <<<"$layout_figures")"))
# shellcheck disable=SC2034,SC2046
OK_BUTTON=$(centre_of $(twips_of Form2 Command1)) # in the help window

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
