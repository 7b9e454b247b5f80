# SPDX-FileCopyrightText: 2026 Veltrano developers
#
# SPDX-License-Identifier: MIT

# Drives the real game under Xvfb with real X input, for the end-to-end tests.
# Source it after setting "game" to the binary; it makes a work folder that
# goes, with any game still running, when the test ends.
passed=0
failed=0
work=$(mktemp -d)
games=()
trap 'for p in "${games[@]}"; do kill -9 "$p" 2>/dev/null; done; rm -rf "$work"' EXIT

check() {  # check NAME CONDITION...
  local name=$1; shift
  if "$@"; then passed=$((passed + 1)); else failed=$((failed + 1)); echo "FAILED: $name"; fi
}

finish() {
  echo "$passed passed, $failed failed"
  [ "$failed" -eq 0 ]
}

# Height of a window's menu bar: its height less that of its content.
menu_height() { echo $(( $(xdotool getwindowgeometry "$1" | awk -F'x' '/Geometry/{print $2}') - $2 )); }

# Starts the game with a fresh preferences folder holding the given standard file.
start_game() {
  config=$(mktemp -d -p "$work")
  [ -n "${1:-}" ] && printf '%b' "$1" > "$config/Veltrano.prefs"
  launch_game
}

# Starts one more game on the preferences folder $config, with the given
# extra environment (NAME=VALUE...), and makes it the game played.
launch_game() {
  env XDG_CONFIG_HOME="$config" "$@" "$game" 2>>"$work/stderr" &
  pid=$!
  games+=("$pid")
  window=$(timeout 20 xdotool search --sync --all --onlyvisible --pid "$pid" --name '^Veltrano3$' | head -n1)
  xdotool windowmove --sync "$window" 0 0
  xdotool windowfocus --sync "$window"
  menu=$(menu_height "$window" 673)
  sleep 0.3
}

# Plays the game of that process and window from now on.
use_game() {
  pid=$1
  window=$2
  xdotool windowraise "$window"
  xdotool windowfocus --sync "$window"
  sleep 0.2
}

# Clicks a point of the game window's content area.
click() {
  xdotool mousemove --window "$window" "$1" "$(( $2 + menu ))" click 1
  sleep 0.15
}

# The centre of each player cell, rows 1 to 3.
cells=("186 198" "298 198" "410 198" "186 283" "298 283" "410 283" "186 384" "298 384" "410 384")

play_and_record() {  # play_and_record NAME: a game with nine wrong digits, recorded as NAME
  xdotool windowfocus --sync "$window"
  click ${cells[0]}   # a cell: Return on a focused button would press that button instead
  xdotool key Return  # starts a game; without one, Done stays off and no score is recorded
  for cell in "${cells[@]}"; do
    click $cell
    xdotool type --delay 20 "x"
  done
  click 535 557  # Done
  click 169 557  # Score
  click 305 604  # the name field
  xdotool type --delay 20 "$1"
  click 451 600  # Record
}

wait_exit() {  # waits for the game to end; true when it ended by itself with status 0
  for _ in $(seq 100); do
    kill -0 "$pid" 2>/dev/null || { wait "$pid"; local status=$?; pid=; return "$status"; }
    sleep 0.1
  done
  return 1
}

file_is() { [ "$(od -An -tx1 "$config/$1")" = "$(printf '%b' "$2" | od -An -tx1)" ]; }
visible() { xdotool search --onlyvisible --name "$1" >/dev/null 2>&1; }
