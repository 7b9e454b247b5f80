#!/usr/bin/env bash

# SPDX-FileCopyrightText: 2026 Veltrano developers
#
# SPDX-License-Identifier: MIT

# Plays the installed game as a player does, with real X input under Xvfb,
# and checks what the player keeps: the score files, byte for byte.
#   player_test.sh PATH_TO_VELTRANO REFERENCE_PNG   (run inside xvfb-run)
set -u
game=$1
reference=$2
here=$(cd "$(dirname "$0")" && pwd)
passed=0
failed=0
work=$(mktemp -d)
trap 'rm -rf "$work"; [ -n "${pid:-}" ] && kill "$pid" 2>/dev/null' EXIT

check() {  # check NAME CONDITION...
  local name=$1; shift
  if "$@"; then passed=$((passed + 1)); else failed=$((failed + 1)); echo "FAILED: $name"; fi
}

# Height of a window's menu bar: its height less that of its content.
menu_height() { echo $(( $(xdotool getwindowgeometry "$1" | awk -F'x' '/Geometry/{print $2}') - $2 )); }

# Starts the game with a fresh preferences folder holding the given standard file.
start_game() {
  config=$(mktemp -d -p "$work")
  [ -n "${1:-}" ] && printf '%b' "$1" > "$config/Veltrano.prefs"
  XDG_CONFIG_HOME=$config "$game" 2>>"$work/stderr" &
  pid=$!
  window=$(timeout 20 xdotool search --sync --onlyvisible --name '^Veltrano3$' | head -n1)
  xdotool windowmove --sync "$window" 0 0
  xdotool windowfocus --sync "$window"
  menu=$(menu_height "$window" 673)
  sleep 0.3
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

# A blank window looks as it should.
start_game ""
import -window "$window" "$work/blank.png"
differing=$(compare -metric AE -fuzz 20% "$reference" "$work/blank.png" null: 2>&1 | cut -d' ' -f1)
check "blank window matches the reference ($differing pixels differ)" test "${differing%.*}" -lt 3000

# Help and About open and hide.
shown_then_hidden() {  # shown_then_hidden TITLE CONTENT_HEIGHT X Y: checks the window is up, clicks its content at X, Y
  sleep 0.5
  check "$1 opens" visible "^$1\$"
  local shown
  shown=$(xdotool search --onlyvisible --name "^$1\$" | head -n1)
  xdotool mousemove --window "$shown" "$3" $(( $4 + $(menu_height "$shown" "$2") )) click 1
  sleep 0.5
  check "$1 hides" bash -c "! xdotool search --onlyvisible --name '^$1\$' >/dev/null"
}
click 263 557  # HELP
shown_then_hidden Help 737 760 694  # its CLOSE text
xdotool windowfocus --sync "$window"
xdotool key alt+e
sleep 0.3
xdotool key Up Return  # the Edit menu's last item, "About Veltrano"
shown_then_hidden About 359 273 317  # its Close button

# A standard game recorded, then "Quit".
play_and_record Alice
click 353 557  # Quit
check "Quit ends the game with status 0" wait_exit
check "the standard game is recorded" file_is Veltrano.prefs 'Alice,0\n'
check "the expert file is written empty" file_is Veltrano2.prefs ''

# An expert game recorded beside an old list, then Ctrl+Q.
start_game 'Ann,87\rBob,64\r'
click 760 446  # expert
play_and_record Bea
xdotool key ctrl+q
check "Ctrl+Q ends the game with status 0" wait_exit
check "the expert game is recorded" file_is Veltrano2.prefs 'Bea,0\n'
check "the old standard list is written back" file_is Veltrano.prefs 'Ann,87\nBob,64\n'

# SIGTERM while a game runs.
start_game 'Cy,5\r'
click 442 557
kill -TERM "$pid"
check "SIGTERM ends the game with status 0" wait_exit
check "SIGTERM saves the lists" file_is Veltrano.prefs 'Cy,5\n'

echo "$passed passed, $failed failed"
[ "$failed" -eq 0 ]
