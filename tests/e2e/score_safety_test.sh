#!/usr/bin/env bash

# SPDX-FileCopyrightText: 2026 Veltrano developers
#
# SPDX-License-Identifier: MIT

# No score is lost to a second game on the same files, to a signal or Ctrl+Q
# while a dialog, window or menu is open, to the display going away, or to a
# file the game cannot read.
#   score_safety_test.sh PATH_TO_VELTRANO   (run inside xvfb-run)
set -u
game=$1
here=$(cd "$(dirname "$0")" && pwd)
source "$here/game_driver.sh"

# A dialog has no name X tools can search by: it is the game's second window.
dialog_up() { [ "$(xdotool search --onlyvisible --pid "$pid" 2>/dev/null | wc -l)" -ge 2 ]; }
wait_dialog() { for _ in $(seq 300); do dialog_up && return 0; sleep 0.1; done; return 1; }

list_row() { echo "700 $(( 526 + 15 * $1 ))"; }  # the centre of a score list row, from 0

# Two games on one preferences folder: each keeps the other's record and removal.
start_game 'Ann,87\nBob,64\n'
first=("$pid" "$window")
launch_game
second=("$pid" "$window")
use_game "${first[@]}"
click $(list_row 1)  # removes Bob
play_and_record Alice
use_game "${second[@]}"
play_and_record Bert
check "both records reach the file at once" file_is Veltrano.prefs 'Ann,87\nBob,64\nAlice,0\nBert,0\n'
use_game "${first[@]}"
xdotool key ctrl+q
check "the first game quits" wait_exit
check "the first game keeps the second's record" file_is Veltrano.prefs 'Ann,87\nAlice,0\nBert,0\n'
use_game "${second[@]}"
xdotool key ctrl+q
check "the second game quits" wait_exit
check "the second game keeps the first's record and removal" file_is Veltrano.prefs 'Ann,87\nBert,0\nAlice,0\n'

# A termination request while "The game is over." waits for an answer. The
# game's clock runs a hundred times fast, so the game is over in seconds.
faketime=$(find /usr/lib -name libfaketime.so.1 -print -quit)
for signal in TERM INT HUP; do
  config=$(mktemp -d -p "$work")
  printf 'Ann,87\nBob,64\n' > "$config/Veltrano.prefs"
  # A sanitized build wants its runtime first; the clock library comes before it here.
  launch_game LD_PRELOAD="$faketime" FAKETIME='+0 x100' ASAN_OPTIONS="${ASAN_OPTIONS:-}:verify_asan_link_order=0"
  click $(list_row 0)  # removes Ann
  xdotool key Return
  check "SIG$signal: the game-over dialog is up" wait_dialog
  kill -s "$signal" "$pid"
  check "SIG$signal ends the game with status 0" wait_exit
  check "SIG$signal saves the removal" file_is Veltrano.prefs 'Bob,64\n'
  check "SIG$signal writes the expert list" test -f "$config/Veltrano2.prefs"
done

# Quitting while Help, About or a menu is open.
open_help() { click 263 557; }
open_about() { xdotool key alt+e; sleep 0.3; xdotool key Up Return; }
open_menu() { xdotool key alt+f; }
for case in "help TERM" "about HUP" "menu INT" "help ctrl+q"; do
  read -r opened quit <<<"$case"
  start_game 'Ann,87\nBob,64\n'
  click $(list_row 1)  # removes Bob
  "open_$opened"
  sleep 0.5
  if [ "$quit" = ctrl+q ]; then xdotool key ctrl+q; else kill -s "$quit" "$pid"; fi
  check "$quit with $opened open ends the game with status 0" wait_exit
  check "$quit with $opened open saves the removal" file_is Veltrano.prefs 'Ann,87\n'
done

# The display going away (the end of a session without a session manager):
# Qt ends the game at once, and the lists are saved on the way out.
outer_display=$DISPLAY
number=$(( 300 + $$ % 600 ))
Xvfb ":$number" -screen 0 1280x1024x24 -nolisten tcp >/dev/null 2>&1 &
server=$!
export DISPLAY=":$number"
for _ in $(seq 50); do xdotool getmouselocation >/dev/null 2>&1 && break; sleep 0.1; done
start_game 'Ann,87\nBob,64\n'
click $(list_row 1)  # removes Bob
kill "$server"
wait_exit
check "a lost display saves the removal" file_is Veltrano.prefs 'Ann,87\n'
check "a lost display writes the expert list" test -f "$config/Veltrano2.prefs"
export DISPLAY=$outer_display

# A FIFO in a score file's place neither hangs the game nor is replaced.
config=$(mktemp -d -p "$work")
mkfifo "$config/Veltrano.prefs"
launch_game
check "the player is told of the unreadable file" wait_dialog
xdotool key Return
kill -TERM "$pid"
check "SIGTERM ends the game with status 0" wait_exit
check "the FIFO is left as it was" test -p "$config/Veltrano.prefs"

finish
