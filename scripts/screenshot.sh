#!/usr/bin/env bash
# Starts the game under Xvfb, presses "Start" and saves a picture of the window.
# Usage: scripts/screenshot.sh [output.png] [expert]
set -euo pipefail
root=$(cd "$(dirname "$0")/.." && pwd)
out=${1:-$root/docs/screenshot.png}
mode=${2:-standard}
"$root/scripts/install-deps.sh"
cmake -S "$root" -B "$root/build" >/dev/null
cmake --build "$root/build" --target veltrano -j "$(nproc)" >/dev/null

config=$(mktemp -d)
trap 'rm -rf "$config"' EXIT
export OUT=$out MODE=$mode GAME=$root/build/veltrano XDG_CONFIG_HOME=$config
xvfb-run -a -s '-screen 0 1024x768x24' bash -c '
  "$GAME" & game=$!
  for _ in $(seq 50); do
    id=$(xdotool search --sync --onlyvisible --name "^Veltrano3$" 2>/dev/null | head -n1) && [ -n "$id" ] && break
    sleep 0.1
  done
  xdotool windowmove "$id" 0 0 windowactivate --sync "$id" 2>/dev/null || true
  sleep 0.5
  if [ "$MODE" = expert ]; then
    xdotool mousemove --window "$id" 760 446 click 1
  fi
  xdotool key --window "$id" Return
  sleep 0.5
  import -window "$id" "$OUT"
  kill "$game"
'
echo "saved $out"
