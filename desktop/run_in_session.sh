#!/usr/bin/env bash
# SPDX-License-Identifier: MIT
# Runs a program in a private desktop session: an X server and a session bus, and with
# --window-manager openbox too, or with --wayland a headless Wayland compositor instead of X.
# Usage: run_in_session.sh [--window-manager] [--wayland] [--accessibility] -- PROGRAM [ARGS...]
set -euo pipefail
source "$(dirname "$0")/session.sh"

wm=false wayland=false accessibility=false
while [ "$1" != -- ]; do
  case $1 in
  --window-manager) wm=true ;;
  --wayland) wayland=true ;;
  --accessibility) accessibility=true ;;
  *) fail "unknown option $1" ;;
  esac
  shift
done
shift

start_session_bus
if $wayland; then
  start_wayland_compositor
  export QT_QPA_PLATFORM=wayland
else
  start_x_server
  export QT_QPA_PLATFORM=xcb
  if $wm; then
    start_window_manager
  fi
fi
if $accessibility; then
  start_accessibility_bus
fi
"$@"
