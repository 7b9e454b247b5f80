#!/usr/bin/env bash

# SPDX-FileCopyrightText: 2026 Veltrano developers
#
# SPDX-License-Identifier: MIT

# Plays the installed game as a player does, with real X input under Xvfb,
# and checks what the player keeps: the score files, byte for byte.
#   player_test.sh PATH_TO_VELTRANO REFERENCE_PNG   (run on a virtual display, as virtual_desktop.sh makes)
set -u
game=$1
reference=$2
here=$(cd "$(dirname "$0")" && pwd)
source "$here/game_driver.sh"

# A blank window looks as it should.
start_game ""
import -window "$window" "$work/blank.png"
differing=$(compare -metric AE -fuzz 20% "$reference" "$work/blank.png" null: 2>&1 | cut -d' ' -f1)
check "blank window matches the reference ($differing pixels differ)" test "${differing%.*}" -lt 3000

# The desktop entry starts the game where it was installed, and docks tie the
# window to its launcher by the class the entry names.
entry=$(dirname "$game")/../share/applications/example.veltrano.Veltrano.desktop
check "the desktop entry starts the installed game" test "$(sed -n 's/^Exec=//p' "$entry")" -ef "$game"
class=$(sed -n 's/^StartupWMClass=//p' "$entry")
check "the window's class is the desktop entry's ($class)" bash -c \
  "xdotool search --onlyvisible --class '^$class\$' | grep -qx '$window'"

# Help and About open and hide.
shown_then_hidden() {  # shown_then_hidden TITLE CONTENT_HEIGHT X Y: checks the window is up, clicks its content at X, Y
  check "$1 opens" eventually visible "^$1\$"
  local shown
  shown=$(xdotool search --onlyvisible --name "^$1\$" | head -n1)
  xdotool mousemove --window "$shown" "$3" $(( $4 + $(menu_height "$shown" "$2") )) click 1
  check "$1 hides" eventually hidden "^$1\$"
}
click 263 557  # HELP
shown_then_hidden Help 737 760 694  # its CLOSE text
xdotool windowfocus --sync "$window"
show_menu e
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

finish
