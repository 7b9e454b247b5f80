#!/usr/bin/env bash

# SPDX-FileCopyrightText: 2026 Veltrano developers
#
# SPDX-License-Identifier: MIT

# No score is lost to a second game on the same files, to a signal or Ctrl+Q
# while a dialog, window or menu is open, to the display going away, or to a
# file the game cannot read.
#   score_safety_test.sh PATH_TO_VELTRANO   (run on a virtual display, as virtual_desktop.sh makes)
set -u
game=$1
here=$(cd "$(dirname "$0")" && pwd)
source "$here/game_driver.sh"

list_row() { echo "700 $(( 526 + 15 * $1 ))"; }  # the centre of a score list row, from 0

# A display of the test's own, which it can take away: Qt then ends the game at once.
outer_display=$DISPLAY
own_display() {
  local number=$(( 300 + $$ % 600 ))
  Xvfb ":$number" -screen 0 1280x1024x24 -nolisten tcp >/dev/null 2>&1 &
  server=$!
  export DISPLAY=":$number"
  eventually eval 'xdotool getmouselocation >/dev/null 2>&1'
}
lose_display() {
  kill "$server"
  wait "$server"
  wait_exit
  export DISPLAY=$outer_display
}

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
open_help() { click 263 557; eventually visible '^Help$'; }
open_about() { show_menu e && xdotool key Up Return && eventually visible '^About$'; }
open_menu() { show_menu f; }
for case in "help TERM" "about HUP" "menu INT" "help ctrl+q"; do
  read -r opened quit <<<"$case"
  start_game 'Ann,87\nBob,64\n'
  click $(list_row 1)  # removes Bob
  check "$opened is open when $quit comes" "open_$opened"
  if [ "$quit" = ctrl+q ]; then xdotool key ctrl+q; else kill -s "$quit" "$pid"; fi
  check "$quit with $opened open ends the game with status 0" wait_exit
  check "$quit with $opened open saves the removal" file_is Veltrano.prefs 'Ann,87\n'
done

# The display going away (the end of a session without a session manager):
# Qt ends the game at once, and the lists are saved on the way out.
own_display
start_game 'Ann,87\nBob,64\n'
click $(list_row 1)  # removes Bob
lose_display
check "a lost display saves the removal" file_is Veltrano.prefs 'Ann,87\n'
check "a lost display writes the expert list" test -f "$config/Veltrano2.prefs"

# The display going away while Quit asks what to do about a failed save: the
# lists are saved on the way out once the cause has gone; otherwise standard
# error names the file and the reason, as no window can.
for cause in mended kept; do
  own_display
  start_game 'Ann,87\nBob,64\n'
  click $(list_row 1)  # removes Bob
  mv "$config/Veltrano.prefs" "$config/aside"
  mkdir "$config/Veltrano.prefs"  # a folder in the file's place fails the save
  xdotool key ctrl+q
  check "Quit asks about the failed save ($cause)" wait_dialog
  if [ "$cause" = mended ]; then
    rmdir "$config/Veltrano.prefs"
    mv "$config/aside" "$config/Veltrano.prefs"
  fi
  : > "$work/stderr"
  lose_display
  if [ "$cause" = mended ]; then
    check "a display lost during the question still saves the removal" file_is Veltrano.prefs 'Ann,87\n'
  else
    check "a display lost during the question says why on standard error" \
      grep -qF "$config/Veltrano.prefs: it is a folder, not a file" "$work/stderr"
  fi
done

# A lock file that no game holds does not stop Record, whatever it says: an
# empty one, or one naming a live process that does not hold it (its number
# taken since). One that a live game holds makes Record wait, then tell the
# player, until it has gone.
start_game 'Ann,87\n'
lock=$config/Veltrano.prefs.lock
: > "$lock"
play_and_record Empty
check "an empty lock file is taken over at once" eventually file_is Veltrano.prefs 'Ann,87\nEmpty,0\n'
check "an empty lock file raises no dialog" no_dialog
sleep 60 &
unheld=$!
printf '%s\nsleep\n%s\n' "$unheld" "$(uname -n)" > "$lock"  # as Qt writes it
click 451 600  # Record
check "a lock naming a live process that does not hold it is taken over" \
  eventually file_is Veltrano.prefs 'Ann,87\nEmpty,0\nEmpty,0\n'
check "and raises no dialog" no_dialog
kill "$unheld"
flock --close "$lock" sleep 60 &  # the lock held by flock itself, not by sleep
holder=$!
check "another game holds the lock" eventually eval '! flock -n "$lock" true'
click 451 600  # Record
check "a lock held by a live game fails Record" wait_dialog
check "a lock held by a live game leaves the file alone" file_is Veltrano.prefs 'Ann,87\nEmpty,0\nEmpty,0\n'
xdotool key Return
pkill -P "$holder" sleep
wait "$holder" 2>/dev/null
click 451 600  # Record
check "a lock whose holder has gone is taken over" eventually file_is Veltrano.prefs 'Ann,87\nEmpty,0\nEmpty,0\nEmpty,0\n'
xdotool key ctrl+q
check "the game quits" wait_exit

# A HOME whose name is not UTF-8 (Latin-1 bytes) holds the lists as any other does.
config=$work/h$'\xe9'me/.config
mkdir -p "$config"
printf 'Ann,87\n' > "$config/Veltrano.prefs"
launch_game HOME="${config%/.config}" XDG_CONFIG_HOME=
play_and_record Latin
check "a record reaches the list in a HOME named in Latin-1" eventually file_is Veltrano.prefs 'Ann,87\nLatin,0\n'
xdotool key ctrl+q
check "the game quits" wait_exit
check "and makes no folder of another name" test -z "$(ls "$work" | grep $'\xef\xbf\xbd')"

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
