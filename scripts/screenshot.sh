#!/usr/bin/env bash

# SPDX-FileCopyrightText: 2026 Veltrano developers
#
# SPDX-License-Identifier: MIT

# Starts the game under Xvfb, presses "Start" and saves a picture of the window.
#   scripts/screenshot.sh [OUTPUT.png] [standard|expert]
set -euo pipefail
root=$(cd "$(dirname "$0")/.." && pwd)
out=$(realpath -m "${1:-$root/docs/screenshot.png}")
mode=${2:-standard}
"$root/scripts/install-deps.sh" dev
build=$("$root/scripts/configure.sh" play)
cmake --build "$build" --target veltrano -j "$(nproc)" >/dev/null

config=$(mktemp -d)
trap 'rm -rf "$config"' EXIT
export OUT=$out MODE=$mode GAME=$build/veltrano XDG_CONFIG_HOME=$config QT_QPA_PLATFORM=xcb
xvfb-run -a -s '-screen 0 1280x1024x24' bash -c '
  "$GAME" 2>/dev/null & game=$!
  id=$(timeout 20 xdotool search --sync --onlyvisible --name "^Veltrano3$" | head -n1)
  xdotool windowmove --sync "$id" 0 0
  xdotool windowfocus --sync "$id"
  menu=$(( $(xdotool getwindowgeometry "$id" | awk -F"x" "/Geometry/{print \$2}") - 673 ))
  sleep 0.3
  if [ "$MODE" = expert ]; then
    xdotool mousemove --window "$id" 760 $((446 + menu)) click 1
    sleep 0.2
  fi
  xdotool key Return
  sleep 0.5
  import -window "$id" "$OUT"
  kill "$game"
'
echo "saved $out"
