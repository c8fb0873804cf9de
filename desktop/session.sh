# SPDX-License-Identifier: MIT
# session.sh: sourced by the desktop tests. Starts the parts of a player's desktop that a test
# asks for (an X server, a session bus, a window manager, a Wayland compositor, the
# accessibility bus), each private to the test and each ended by its PID when the test ends.
# Every wait is bounded, so a part that never comes up fails the test instead of hanging it.

session_dir=$(mktemp -d)
session_pids=()
export XDG_RUNTIME_DIR=$session_dir/runtime
mkdir -m 700 "$XDG_RUNTIME_DIR"
unset DBUS_SESSION_BUS_ADDRESS WAYLAND_DISPLAY DISPLAY QT_QPA_PLATFORM

end_session() {
  local i
  for ((i = ${#session_pids[@]} - 1; i >= 0; i--)); do
    kill "${session_pids[i]}" 2>/dev/null || true
  done
  for pid in "${session_pids[@]}"; do
    wait_gone "$pid" 50 || kill -9 "$pid" 2>/dev/null || true
    wait "$pid" 2>/dev/null || true
  done
  rm -rf "$session_dir"
}
trap end_session EXIT

fail() {
  echo "$*" >&2
  exit 1
}

# wait_for TENTHS COMMAND...: runs COMMAND every tenth of a second until it succeeds.
wait_for() {
  local tenths=$1
  shift
  local i
  for ((i = 0; i < tenths; i++)); do
    if "$@"; then
      return 0
    fi
    sleep 0.1
  done
  return 1
}

# wait_gone PID TENTHS: true once the process has ended (reaped, or left as a zombie).
wait_gone() {
  local pid=$1
  gone() { ! kill -0 "$pid" 2>/dev/null || [ "$(ps -o stat= -p "$pid" 2>/dev/null | cut -c1)" = Z ]; }
  wait_for "$2" gone
}

# An X server of the test's own, on a display number no other test picks: one derived from this
# shell's PID, far from the numbers a desktop or -displayfd would take, and the next one if that
# is held. A server is taken as ours only when its lock file names it and it answers, so a
# server ending beside it (which removes its own socket and lock) cannot be mistaken for it. It
# must not reset when that first probe leaves, or the test's first client would meet it resetting.
start_x_server() {
  local attempt display pid
  for ((attempt = 0; attempt < 20; attempt++)); do
    display=$((1000 + ($$ * 7 + attempt) % 30000))
    Xvfb ":$display" -screen 0 1280x1024x24 -nolisten tcp -noreset 2>"$session_dir/xvfb.log" &
    pid=$!
    ours() { [ "$(tr -d ' ' 2>/dev/null <"/tmp/.X$display-lock")" = "$pid" ] && xdpyinfo -display ":$display" >/dev/null 2>&1; }
    ended() { ! kill -0 "$pid" 2>/dev/null; }
    answered_or_ended() { ours || ended; }
    wait_for 300 answered_or_ended || true
    if ours; then
      session_pids+=("$pid")
      export DISPLAY=:$display
      return 0
    fi
    kill "$pid" 2>/dev/null || true
    wait "$pid" 2>/dev/null || true
  done
  fail "no X server could be started: $(cat "$session_dir/xvfb.log")"
}

# What most desktop tests start from: a session bus and an X server, and where the main window's
# buttons are (layout.sh).
start_x_desktop() {
  source "$(dirname "${BASH_SOURCE[0]}")/layout.sh"
  start_session_bus
  start_x_server
}

start_session_bus() {
  dbus-daemon --session --fork --print-address=3 --print-pid=4 3>"$session_dir/bus" 4>"$session_dir/bus.pid"
  session_pids+=("$(head -n 1 "$session_dir/bus.pid")")
  DBUS_SESSION_BUS_ADDRESS=$(head -n 1 "$session_dir/bus")
  export DBUS_SESSION_BUS_ADDRESS
}

start_window_manager() {
  openbox --sm-disable >"$session_dir/openbox.log" 2>&1 &
  session_pids+=($!)
  wm_ready() { xprop -root _NET_SUPPORTING_WM_CHECK 2>/dev/null | grep -q 'window id'; }
  wait_for 100 wm_ready || fail "openbox did not start: $(cat "$session_dir/openbox.log")"
}

start_accessibility_bus() {
  /usr/libexec/at-spi-bus-launcher --launch-immediately >"$session_dir/atspi.log" 2>&1 &
  session_pids+=($!)
  bus_ready() { dbus-send --session --print-reply --dest=org.a11y.Bus /org/a11y/bus org.a11y.Bus.GetAddress \
    >/dev/null 2>&1; }
  wait_for 100 bus_ready || fail "the accessibility bus did not start: $(cat "$session_dir/atspi.log")"
  # Qt serves the bus whenever it is there, as it does under a screen reader.
  export QT_LINUX_ACCESSIBILITY_ALWAYS_ON=1
}

start_wayland_compositor() {
  weston --backend=headless-backend.so --use-pixman --socket=wayland-sumdrop --width=1280 --height=1024 \
    --idle-time=0 >"$session_dir/weston.log" 2>&1 &
  session_pids+=($!)
  socket_ready() { [ -S "$XDG_RUNTIME_DIR/wayland-sumdrop" ]; }
  wait_for 100 socket_ready || fail "weston did not start: $(cat "$session_dir/weston.log")"
  export WAYLAND_DISPLAY=wayland-sumdrop
}

# GNOME's compositor, mutter, nested in the X server as its one output, so that X input
# (xdotool) reaches the Wayland clients inside it. Needs start_x_server first.
start_mutter() {
  MUTTER_DEBUG_DUMMY_MODE_SPECS=${1:-1280x1000} mutter --nested --wayland --no-x11 \
    --wayland-display=wayland-mutter >"$session_dir/mutter.log" 2>&1 &
  session_pids+=($!)
  socket_ready() { [ -S "$XDG_RUNTIME_DIR/wayland-mutter" ]; }
  wait_for 150 socket_ready || fail "mutter did not start: $(tail -n 5 "$session_dir/mutter.log")"
  export WAYLAND_DISPLAY=wayland-mutter
}
