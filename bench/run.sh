#!/usr/bin/env bash
# SPDX-License-Identifier: MIT
# Measures the game against a bare Qt window on a real X server (Xvfb) and prints medians:
# time until the main window is mapped, resident memory a second later, CPU used during a
# running game, and wake-ups while waiting for Start; then the same start-up and memory natively
# on Wayland (weston, headless), against the bare window there and the game on X11.
# Usage: bash bench/run.sh [RUNS]
set -euo pipefail

if [ "${1:-}" != "--inside-x" ]; then
  source "$(dirname "$0")/../scripts/setup.sh"
  ensure_packages "${GAME_PACKAGES[@]}" libx11-dev xvfb xauth xdotool weston
  configure_and_build "$SUMDROP_ROOT/build/bench" -DCMAKE_BUILD_TYPE=Release -DBUILD_TESTING=OFF \
    -DSUMDROP_WITH_BENCH=ON
  exec xvfb-run -a -s "-screen 0 1024x768x24 -noreset" bash ${BENCH_TRACE:+-x} "$0" --inside-x "$SUMDROP_ROOT/build/bench" "${1:-7}"
fi
build=$2
runs=$3
export SUMDROP_LAYOUT_FIGURES=$build/layout-figures.txt
source "$(dirname "$0")/../desktop/layout.sh"
game=$build/ui/sumdrop
baseline=$build/bench/sumdrop_baseline
timer=$build/bench/map_timer
ticks_per_second=$(getconf CLK_TCK)
unset QT_QPA_PLATFORM

median() { sort -n | awk '{ v[NR] = $1 } END { m = int((NR + 1) / 2); if (NR % 2) print v[m]; else printf "%.1f\n", (v[m] + v[m + 1]) / 2 }'; }
# Whether a measured program still runs; it is not our child, so a zombie left unreaped counts as
# ended.
running() { [ -e "/proc/$1/stat" ] && [ "$(awk '{ print $3 }' "/proc/$1/stat" 2>/dev/null)" != Z ]; }
# Five seconds to end after SIGTERM, then SIGKILL and five more; a program that outlives both
# fails the benchmark.
stop() {
  local signal tries
  for signal in TERM KILL; do
    kill -s "$signal" "$1" 2>/dev/null || true
    for ((tries = 0; tries < 100; tries++)); do
      running "$1" || return 0
      sleep 0.05
    done
  done
  echo "process $1 did not end" >&2
  return 1
}
# CPU ticks (user + system) of the process and all its threads.
cpu_ticks() { awk '{ print $14 + $15 }' "/proc/$1/stat"; }
# Context switches of all threads: each wake-up of a sleeping thread is one.
switches() { cat /proc/"$1"/task/*/status | awk '/ctxt_switches/ { n += $2 } END { print n }'; }

# start_and_measure TITLE PROGRAM: prints "milliseconds-to-map resident-kB".
start_and_measure() {
  local pid ms
  read -r pid ms < <("$timer" "$1" "$2")
  sleep 1
  echo "$ms $(awk '/VmRSS/ { print $2 }' "/proc/$pid/status")"
  stop "$pid"
}

game_ms=() game_kb=() base_ms=() base_kb=()
for _ in $(seq "$runs"); do
  read -r ms kb < <(start_and_measure Form1 "$game")
  game_ms+=("$ms") game_kb+=("$kb")
  read -r ms kb < <(start_and_measure Baseline "$baseline")
  base_ms+=("$ms") base_kb+=("$kb")
done

# observe SECONDS START?: the game's CPU ticks and wake-ups over SECONDS, with a game running
# if START is "start".
observe() {
  local pid ms window t0 s0
  read -r pid ms < <("$timer" Form1 "$game")
  sleep 1
  if [ "$2" = start ]; then
    window=$(xdotool search --name '^Form1$' | head -n 1)
    click "$window" "$START_BUTTON"
  fi
  t0=$(cpu_ticks "$pid") s0=$(switches "$pid")
  sleep "$1"
  echo "$(($(cpu_ticks "$pid") - t0)) $(($(switches "$pid") - s0))"
  stop "$pid"
}

window_seconds=20
cpu_runs=$(((runs + 1) / 2))
running_ticks=() waiting_wakeups=() waiting_ticks=()
for _ in $(seq "$cpu_runs"); do
  read -r ticks wakeups < <(observe "$window_seconds" start)
  running_ticks+=("$ticks")
  read -r ticks wakeups < <(observe "$window_seconds" wait)
  waiting_ticks+=("$ticks") waiting_wakeups+=("$wakeups")
done

# Natively on Wayland (weston, headless): time from start to the first frame the program hands
# the compositor, read from the protocol log, whose clock is the wall clock's microseconds cut to
# 32 bits and shown as milliseconds, and resident memory a second later.
runtime=$(mktemp -d)
chmod 700 "$runtime"
XDG_RUNTIME_DIR=$runtime weston --backend=headless-backend.so --use-pixman --socket=wayland-bench \
  --width=1280 --height=1024 --idle-time=0 >"$runtime/weston.log" 2>&1 &
weston=$!
for ((tries = 0; tries < 100; tries++)); do
  [ -S "$runtime/wayland-bench" ] && break
  sleep 0.1
done
[ -S "$runtime/wayland-bench" ] || { echo "weston did not start: $(cat "$runtime/weston.log")" >&2; exit 1; }
# wayland_measure PROGRAM: prints "milliseconds-to-first-frame resident-kB".
wayland_measure() {
  local log=$runtime/protocol.log pid start frame tries
  start=$(($(date +%s%6N) % 4294967296))
  XDG_RUNTIME_DIR=$runtime WAYLAND_DISPLAY=wayland-bench QT_QPA_PLATFORM=wayland WAYLAND_DEBUG=1 "$1" 2>"$log" &
  pid=$!
  for ((tries = 0; tries < 300; tries++)); do
    # The first commit after a buffer was attached to a surface.
    frame=$(awk '/ -> wl_surface@[0-9]+\.attach\(wl_buffer@/ { attached = 1 }
                 attached && / -> wl_surface@[0-9]+\.commit\(\)/ { printf "%.3f\n", substr($1, 2) + 0; exit }' "$log")
    [ -n "$frame" ] && break
    sleep 0.1
  done
  [ -n "$frame" ] || { echo "no frame from $1" >&2; stop "$pid"; return 1; }
  sleep 1
  echo "$(awk -v f="$frame" -v s="$start" 'BEGIN { d = f - s / 1000; if (d < 0) d += 4294967.296; printf "%.1f", d }') $(awk '/VmRSS/ { print $2 }' "/proc/$pid/status")"
  stop "$pid"
}
wl_game_ms=() wl_game_kb=() wl_base_ms=() wl_base_kb=()
for _ in $(seq "$runs"); do
  read -r ms kb < <(wayland_measure "$game")
  wl_game_ms+=("$ms") wl_game_kb+=("$kb")
  read -r ms kb < <(wayland_measure "$baseline")
  wl_base_ms+=("$ms") wl_base_kb+=("$kb")
done
stop "$weston"
rm -rf "$runtime"

g_ms=$(printf '%s\n' "${game_ms[@]}" | median)
b_ms=$(printf '%s\n' "${base_ms[@]}" | median)
g_kb=$(printf '%s\n' "${game_kb[@]}" | median)
b_kb=$(printf '%s\n' "${base_kb[@]}" | median)
r_ticks=$(printf '%s\n' "${running_ticks[@]}" | median)
w_ticks=$(printf '%s\n' "${waiting_ticks[@]}" | median)
w_wake=$(printf '%s\n' "${waiting_wakeups[@]}" | median)

echo "Sumdrop against a bare Qt window, medians of $runs runs ($cpu_runs for CPU)"
awk -v g="$g_ms" -v b="$b_ms" 'BEGIN { printf "start to mapped window: %.1f ms vs %.1f ms, ratio %.2f (target <= 1.15)\n", g, b, g / b }'
awk -v g="$g_kb" -v b="$b_kb" 'BEGIN { printf "resident memory after 1 s: %d kB vs %d kB, ratio %.2f (target <= 1.15)\n", g, b, g / b }'
awk -v t="$r_ticks" -v hz="$ticks_per_second" -v s="$window_seconds" \
  'BEGIN { printf "CPU over %d s of a running game: %.2f %% of one core (target <= 1 %%)\n", s, 100 * t / hz / s }'
echo "wake-ups over $window_seconds s waiting for Start: $w_wake, CPU ticks: $w_ticks (target: 0 wake-ups)"
wg_ms=$(printf '%s\n' "${wl_game_ms[@]}" | median)
wb_ms=$(printf '%s\n' "${wl_base_ms[@]}" | median)
wg_kb=$(printf '%s\n' "${wl_game_kb[@]}" | median)
wb_kb=$(printf '%s\n' "${wl_base_kb[@]}" | median)
echo "Natively on Wayland (weston, headless), medians of $runs runs"
awk -v g="$wg_ms" -v b="$wb_ms" -v x="$g_ms" 'BEGIN { printf "start to first frame: %.1f ms vs %.1f ms for the bare window (ratio %.2f); %.1f ms to the mapped window on X11\n", g, b, g / b, x }'
awk -v g="$wg_kb" -v b="$wb_kb" -v x="$g_kb" 'BEGIN { printf "resident memory after 1 s: %d kB vs %d kB for the bare window (ratio %.2f); %d kB on X11 (ratio %.2f)\n", g, b, g / b, x, g / x }'
