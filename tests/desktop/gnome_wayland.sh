#!/usr/bin/env bash
# SPDX-License-Identifier: MIT
# The game natively on GNOME's compositor, mutter, clicked with a real pointer: OK in the help
# window gives the main window the keyboard, also when it was minimised; Help gives it back to
# the help window; and a message box keeps the keyboard when the main window is clicked, so
# that Enter still closes it; Quit ends the game with status 0. Windows are found in screenshots
# and followed in the protocol log.
# Usage: gnome_wayland.sh PATH-TO-SUMDROP
set -euo pipefail
here=$(dirname "$0")
source "$here/../../desktop/session.sh"
program=$1

start_x_desktop
start_mutter 1280x1000
log=$session_dir/wayland.log
# SUMDROP_GAME_PRELOAD: as in wayland.sh.
LD_PRELOAD=${SUMDROP_GAME_PRELOAD:-} QT_QPA_PLATFORM=wayland WAYLAND_DEBUG=1 "$program" 2>"$log" &
game=$!
session_pids+=("$game")

# The white client areas of the game's windows on mutter's blue desktop, in screen pixels, within
# AREA if given. The pointer waits in the output's far corner, left out of the picture.
shoot() {
  xdotool mousemove 1279 999
  import -window root -crop 1250x970+0+0 +repage "$session_dir/shot.png"
}
white_area() {
  shoot
  local mask=$session_dir/white.png
  convert "$session_dir/shot.png" ${1:+-crop "$1"} -fill black +opaque white "$mask"
  if [ "$(convert "$mask" -format '%[max]' info:)" != 0 ]; then
    convert "$mask" -format '%@' info:
  fi
}
# True when AREA of the screen shows any of the game's white.
shows_white() { [ -n "$(white_area "$1")" ]; }
# client_area WIDTH HEIGHT WHITE: the client area of that size whose bottom right corner is the
# white area's; the title bar's icon has white in it too.
client_area() {
  IFS='x+' read -r w h l t <<<"$3"
  echo "$1x$2+$((l + w - $1))+$((t + h - $2))"
}
# click_at AREA "X Y": clicks a point given in window pixels of the area WxH+LEFT+TOP.
click_at() {
  local left top
  IFS='x+' read -r _ _ left top <<<"$1"
  read -r x y <<<"$2"
  xdotool mousemove $((left + x)) $((top + y)) click 1
}
title_shown() { grep -q "xdg_toplevel@[0-9]*\.set_title(\"$1\")" "$log"; }
# The xdg_toplevel titled $1, and the wl_surface behind it.
toplevel_of() { grep -o "xdg_toplevel@[0-9]*\.set_title(\"$1\")" "$log" | head -n 1 | sed 's/[^@]*@\([0-9]*\).*/\1/'; }
surface_of() {
  local toplevel xdg
  toplevel=$(toplevel_of "$1")
  xdg=$(grep -o "xdg_surface@[0-9]*\.get_toplevel(new id xdg_toplevel@$toplevel)" "$log" | head -n 1 |
    sed 's/[^@]*@\([0-9]*\).*/\1/')
  grep -o "get_xdg_surface(new id xdg_surface@$xdg, wl_surface@[0-9]*)" "$log" | head -n 1 | sed 's/.*wl_surface@\([0-9]*\))/\1/'
}
# True once the keyboard has last entered the surface $1, after line $2 of the log.
keyboard_in() { tail -n +"$2" "$log" | grep -o 'wl_keyboard@[0-9]*\.enter([0-9]*, wl_surface@[0-9]*' | tail -n 1 | grep -q "wl_surface@$1\$"; }
# True once a pointer button has been released after line $1 of the log: the compositor sends a
# click's change of keyboard focus before the click itself.
clicked_since() { tail -n +"$1" "$log" | grep -q 'wl_pointer@[0-9]*\.button([0-9]*, [0-9]*, 272, 0)'; }
# True while the keyboard is in the surface $1: it entered it last and has not left since.
keyboard_now_in() {
  grep -o -E 'wl_keyboard@[0-9]*\.(enter\([0-9]*, wl_surface@[0-9]*|leave\()' "$log" | tail -n 1 | grep -q "enter.*wl_surface@$1\$"
}

wait_for 200 title_shown Form1 || fail "no toplevel titled Form1"
[ -z "${SUMDROP_KEEP_SHOTS:-}" ] || trap 'cp "$session_dir"/shot.png /tmp/gnome-last.png; end_session' EXIT
# found VARIABLE WIDTH HEIGHT [AREA]: true once a white area at least that large is drawn.
found() {
  local area w h
  area=$(white_area "${4:-}")
  IFS='x+' read -r w h _ _ <<<"$area"
  [ "${w:-0}" -ge "$2" ] && [ "${h:-0}" -ge "$3" ] && printf -v "$1" '%s' "$area"
}
wait_for 50 found white 598 672 || fail "Form1 was not drawn"
main=$(client_area 598 672 "$white")
echo "Form1's client area on screen: $main"
click_at "$main" "$HELP_BUTTON"
wait_for 100 title_shown Form2 || fail "Help opened no Form2"
# The help window is the white to the right of the main window.
IFS='x+' read -r main_width _ main_left _ <<<"$main"
wait_for 50 found white 502 443 "1250x970+$((main_left + main_width + 8))+0" || fail "Form2 was not drawn"
help=$(client_area 504 443 "$white")
IFS='x+' read -r w h l t <<<"$help"
help="${w}x${h}+$((l + main_left + main_width + 8))+$t"
echo "Form2's client area on screen: $help"
form1=$(surface_of Form1) form2=$(surface_of Form2)

mark=$(wc -l <"$log")
click_at "$help" "$OK_BUTTON"
wait_for 50 keyboard_in "$form1" "$mark" || fail "OK clicked with the mouse did not give Form1 the keyboard"
echo "OK clicked: Form1 has the keyboard"

mark=$(wc -l <"$log")
click_at "$main" "$HELP_BUTTON"
wait_for 50 keyboard_in "$form2" "$mark" || fail "Help clicked with the mouse did not give Form2 the keyboard"
echo "Help clicked: Form2 has the keyboard"

# Minimised by its own title-bar button, the main window comes back on OK.
# The press gives Form1 the keyboard, and Qt 6.4 then asks the compositor to activate the window
# that has it, which brings back a window minimised in the meantime. A player's press lasts until
# that is settled; a button let up at once, before a busy game has caught up, would be undone.
# activation_settled LINE: true once the keyboard has entered Form1 after line LINE of the log,
# and the game has asked to activate it and has made every request it got a token for.
activation_settled() {
  local asked made
  keyboard_in "$form1" "$1" || return 1
  asked=$(tail -n +"$1" "$log" | grep -c 'get_activation_token(')
  made=$(tail -n +"$1" "$log" | grep -c "xdg_activation_v1@[0-9]*\.activate(\"[^\"]*\", wl_surface@$form1)")
  [ "$asked" -gt 0 ] && [ "$made" -ge "$asked" ]
}
IFS='x+' read -r main_width _ main_left main_top <<<"$main"
mark=$(wc -l <"$log")
xdotool mousemove $((main_left + main_width - 62)) $((main_top - 14)) mousedown 1
wait_for 100 activation_settled "$mark" || fail "Form1 took no keyboard, or its activation was not settled, after a press"
xdotool mouseup 1
hidden() { ! shows_white "$main"; }
wait_for 50 hidden || fail "Form1 did not minimise"
mark=$(wc -l <"$log")
click_at "$help" "$OK_BUTTON"
wait_for 50 keyboard_in "$form1" "$mark" || fail "OK did not bring back the minimised Form1"
shown_again() { shows_white "$main"; }
wait_for 100 shown_again || fail "Form1 has the keyboard but is not shown"
echo "OK clicked: the minimised Form1 is back with the keyboard"

# A digit before Start opens a message box; a click on Form1 behind it must leave it the keyboard,
# also when it comes the moment the box has the keyboard, before the game has caught up.
mark=$(wc -l <"$log")
click_at "$main" "$DIGIT_0_BUTTON"
# Followed as the log grows: a poll would click too late to catch the game behind.
first_entered=$(grep -m 1 -o 'wl_keyboard@[0-9]*\.enter([0-9]*, wl_surface@[0-9]*' \
  < <(timeout 10 tail -n +"$((mark + 1))" -f "$log" 2>/dev/null)) || fail "nothing took the keyboard after a digit before Start"
mark=$(wc -l <"$log")
click_at "$main" "$(centre_of $(twips_of Form1 Label1))"
title_shown Sumdrop || fail "no message box"
box=$(surface_of Sumdrop) box_toplevel=$(toplevel_of Sumdrop)
[ "${first_entered##*@}" = "$box" ] || fail "the message box did not take the keyboard"
wait_for 100 clicked_since "$mark" || fail "the click on Form1 did not reach the game"
wait_for 100 keyboard_now_in "$box" || fail "the message box did not keep the keyboard after a click on Form1"
mark=$(wc -l <"$log")
xdotool key Return
box_closed() { tail -n +"$mark" "$log" | grep -q "xdg_toplevel@$box_toplevel\.destroy()"; }
wait_for 100 box_closed || fail "Enter did not close the message box after a click on Form1"
echo "the message box kept the keyboard: Enter closed it after a click on Form1"

click_at "$main" "$START_BUTTON"
# Quit shows once the game has started; clicked until the game has ended.
click_quit() {
  click_at "$main" "$QUIT_BUTTON"
  wait_gone "$game" 5
}
wait_for 100 click_quit || fail "the game did not end after Quit"
status=0
wait "$game" || status=$?
[ "$status" -eq 0 ] || fail "the game ended with status $status: $(grep -v -E '^\[' "$log" | tail -n 20)"
echo "Start, then Quit: the game ended with status 0"
