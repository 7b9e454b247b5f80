#!/usr/bin/env bash

# SPDX-FileCopyrightText: 2026 Veltrano developers
#
# SPDX-License-Identifier: MIT

# Start-up time, memory and idle cost of the game beside two yardsticks built
# in the same tree: an empty main window of the same size, and one with as many
# plain widgets. Runs under Xvfb; prints medians and ratios.
#   bench/startup_idle.sh [RUNS] [IDLE_SECONDS]    (defaults 5 and 30)
set -euo pipefail
root=$(cd "$(dirname "$0")/.." && pwd)
runs=${1:-5}
idle=${2:-30}
build=$root/build/play
if [ -z "${DISPLAY:-}" ]; then
  "$root/scripts/install-deps.sh" dev
  "$root/scripts/configure.sh" play >/dev/null
  cmake --build "$build" --target veltrano baseline_window -j "$(nproc)" >/dev/null
  exec xvfb-run -a -s '-screen 0 1280x1024x24' "$0" "$runs" "$idle"
fi
export QT_QPA_PLATFORM=xcb

ticks=$(getconf CLK_TCK)
cpu_ticks() { awk '{print $14 + $15}' "/proc/$1/stat"; }
switches() { awk '/ctxt_switches/{n += $2} END {print n}' "/proc/$1/status"; }
rss_kb() { awk '/^VmRSS/{print $2}' "/proc/$1/status"; }
median() { sort -n | awk '{v[NR] = $1} END {print v[int((NR + 1) / 2)]}'; }

# A window that takes the keyboard focus away when asked.
xdotool_focus_away() {
  local other
  other=$(xdotool search --onlyvisible --name '^Focus thief$' | head -n1)
  xdotool windowfocus --sync "$other"
}
"$build/bench/baseline_window" empty 2>/dev/null &
thief=$!
# shellcheck disable=SC2064
trap "kill $thief 2>/dev/null" EXIT
thief_window=$(timeout 20 xdotool search --sync --onlyvisible --name '^Baseline empty$' | head -n1)
xdotool set_window --name 'Focus thief' "$thief_window"
xdotool windowmove "$thief_window" 1000 900

# measure TITLE FOCUS PLAYING COMMAND...: prints "startup_ms rss_kb cpu_ms wakeups" of one run.
measure() {
  local title=$1 focus=$2 playing=$3; shift 3
  local config
  config=$(mktemp -d)
  local begin end
  begin=$(date +%s%N)
  XDG_CONFIG_HOME=$config "$@" 2>/dev/null &
  local pid=$! window=
  until window=$(xdotool search --onlyvisible --name "^$title\$" 2>/dev/null | head -n1) && [ -n "$window" ]; do
    sleep 0.005
  done
  end=$(date +%s%N)
  xdotool windowmove "$window" 0 0
  if [ "$focus" = focus ]; then xdotool windowfocus --sync "$window"; else xdotool_focus_away; fi
  if [ "$playing" = playing ]; then
    xdotool windowfocus --sync "$window" key Return
    [ "$focus" = focus ] || xdotool_focus_away
  fi
  sleep 2
  local rss cpu0 wake0
  rss=$(rss_kb "$pid")
  cpu0=$(cpu_ticks "$pid")
  wake0=$(switches "$pid")
  sleep "$idle"
  echo "$(( (end - begin) / 1000000 )) $rss $(( ($(cpu_ticks "$pid") - cpu0) * 1000 / ticks )) $(( $(switches "$pid") - wake0 ))"
  kill "$pid"
  wait "$pid" 2>/dev/null || true
  rm -rf "$config"
}

# The programs take their runs in turns, so that a busy spell of the machine
# falls on all of them alike.
declare -A lines
for _ in $(seq "$runs"); do
  for focus in focus nofocus; do
    lines[empty-$focus]+="$(measure 'Baseline empty' "$focus" idle "$build/bench/baseline_window" empty)"$'\n'
    lines[widgets-$focus]+="$(measure 'Baseline widgets' "$focus" idle "$build/bench/baseline_window" widgets)"$'\n'
    lines[game-$focus]+="$(measure 'Veltrano3' "$focus" idle "$build/veltrano")"$'\n'
    lines[playing-$focus]+="$(measure 'Veltrano3' "$focus" playing "$build/veltrano")"$'\n'
  done
done
declare -A result
for key in "${!lines[@]}"; do
  column() { echo -n "${lines[$key]}" | awk -v c="$1" '{print $c}' | median; }
  result[$key]="$(column 1) $(column 2) $(column 3) $(column 4)"
done

echo "medians of $runs runs; idle cost over $idle s; ratios against the plain-widgets window with the same focus"
printf '%-24s %10s %10s %10s %10s %8s %8s\n' program start_ms rss_MB cpu_ms wakeups start_x rss_x
for focus in focus nofocus; do
  read -r ws wr wc ww <<< "${result[widgets-$focus]}"
  for kind in empty widgets game playing; do
    read -r s r c w <<< "${result[$kind-$focus]}"
    printf '%-24s %10s %10.1f %10s %10s %8.2f %8.2f\n' "$kind ($focus)" "$s" "$(echo "$r / 1024" | bc -l)" "$c" "$w" \
      "$(echo "$s / $ws" | bc -l)" "$(echo "$r / $wr" | bc -l)"
  done
done
