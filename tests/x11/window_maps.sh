#!/usr/bin/env bash
# Starts the built game on a real X server (Xvfb), checks that its main window maps at its
# full size, then plays Start and Quit with the mouse and expects a clean exit.
# Usage: window_maps.sh PATH-TO-SUMDROP
set -euo pipefail

if [ "${1:-}" != "--inside-x" ]; then
  exec xvfb-run -a -s "-screen 0 1024x768x24 -noreset" bash "$0" --inside-x "$1"
fi
program=$2
unset QT_QPA_PLATFORM

"$program" &
pid=$!
trap 'kill "$pid" 2>/dev/null || true' EXIT

window=$(timeout 20 xdotool search --sync --onlyvisible --name '^Form1$' | head -n 1)
size=$(xwininfo -id "$window" | awk '/Width:/ { w = $2 } /Height:/ { h = $2 } END { print w "x" h }')
if [ "$size" != "598x672" ]; then
  echo "main window mapped at $size, not 598x672" >&2
  exit 1
fi
echo "main window mapped at $size"

# Start, then Quit, which only shows once a game runs.
xdotool mousemove --window "$window" 460 636 click 1
sleep 0.5
xdotool mousemove --window "$window" 520 592 click 1
for _ in $(seq 50); do
  if ! kill -0 "$pid" 2>/dev/null; then
    wait "$pid"
    status=$?
    echo "the game ended with status $status after Quit"
    exit "$status"
  fi
  sleep 0.1
done
echo "the game was still running 5 s after Quit was clicked" >&2
exit 1
