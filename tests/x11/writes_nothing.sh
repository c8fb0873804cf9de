#!/usr/bin/env bash
# Plays the real game briefly on Xvfb under strace, with an empty home, and fails if it opened
# any file for writing, or created, renamed or removed one, outside the toolkit's own caches.
# Usage: writes_nothing.sh PATH-TO-SUMDROP
set -euo pipefail

if [ "${1:-}" != "--inside-x" ]; then
  exec xvfb-run -a -s "-screen 0 1024x768x24 -noreset" bash "$0" --inside-x "$1"
fi
program=$2
unset QT_QPA_PLATFORM XDG_CONFIG_HOME XDG_CACHE_HOME XDG_DATA_HOME XDG_STATE_HOME
scratch=$(mktemp -d)
trap 'rm -rf "$scratch"' EXIT
export HOME=$scratch/home XDG_RUNTIME_DIR=$scratch/runtime
mkdir -m 700 "$HOME" "$XDG_RUNTIME_DIR"
trace=$scratch/trace

strace -f -qq -o "$trace" \
  -e trace=open,openat,creat,mkdir,mkdirat,rename,renameat,renameat2,unlink,unlinkat,truncate,link,symlink \
  "$program" &
pid=$!
window=$(timeout 20 xdotool search --sync --onlyvisible --name '^Form1$' | head -n 1)
# Start, a digit (its message box, if any, answered with Enter), then Quit.
xdotool mousemove --window "$window" 460 636 click 1
sleep 0.5
xdotool mousemove --window "$window" 48 544 click 1
sleep 0.5
xdotool key Return
sleep 0.3
xdotool mousemove --window "$window" 520 592 click 1
for _ in $(seq 50); do
  kill -0 "$pid" 2>/dev/null || break
  sleep 0.1
done
if kill -0 "$pid" 2>/dev/null; then
  echo "the game did not end after Quit" >&2
  exit 1
fi

# Calls that write: opens for writing or creating, and every create, rename, link or removal.
# The toolkit may keep its font cache and its runtime socket folder; nothing else is allowed.
writes=$(grep -E 'O_WRONLY|O_RDWR|O_CREAT|creat\(|mkdir|rename|unlink|truncate|link\(' "$trace" |
  grep -v -E '= -1 ' |
  grep -v -E "\"(/dev/|/proc/|$HOME/\\.cache/fontconfig|$XDG_RUNTIME_DIR)" || true)
if [ -n "$writes" ]; then
  echo "the game wrote to disk:" >&2
  echo "$writes" >&2
  exit 1
fi
echo "no file written: $(grep -c . "$trace") file calls traced"
