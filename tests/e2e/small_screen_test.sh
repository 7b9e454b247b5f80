#!/usr/bin/env bash

# SPDX-FileCopyrightText: 2026 Veltrano developers
#
# SPDX-License-Identifier: MIT

# On screens too small for its windows the game still plays whole: the game
# window and Help fit the screen and scroll to the focused control, so that
# "Record" and "CLOSE" are reached, on 1024 x 600 and on 800 x 600.
#   small_screen_test.sh PATH_TO_VELTRANO [FOLDER_FOR_SCREENSHOTS]
set -u
game=$1
shots=${2:-}
here=$(cd "$(dirname "$0")" && pwd)

if [ -z "${SMALL_SCREEN:-}" ]; then
  status=0
  for screen in 1024x600 800x600; do
    SMALL_SCREEN=$screen "$here/virtual_desktop.sh" "$screen" "$0" "$@" || status=1
  done
  exit $status
fi

source "$here/game_driver.sh"
export QT_QPA_PLATFORM=xcb
width=${SMALL_SCREEN%x*}
height=${SMALL_SCREEN#*x}
fits() {  # fits WINDOW: the window lies within the screen
  local x y w h
  eval "$(xdotool getwindowgeometry --shell "$1")"
  x=$X y=$Y w=$WIDTH h=$HEIGHT
  [ "$x" -ge 0 ] && [ "$y" -ge 0 ] && [ $((x + w)) -le "$width" ] && [ $((y + h)) -le "$height" ]
}
shoot() { [ -n "$shots" ] && import -window root "$shots/$SMALL_SCREEN-$1.png"; }

start_game ''
check "$SMALL_SCREEN: the game window fits the screen" eventually fits "$window"
menu=19  # the menu bar's height; the first cell is in view however short the window
click ${cells[0]}
xdotool key Return              # a new game
xdotool key --delay 30 --repeat 19 Tab  # past the rest of the board, "Score", "HELP", "Quit" and "Start" to "Done", which may lie below the screen's edge
xdotool key space               # Done: the focus goes to "Score"
xdotool key space               # Score: the focus goes to the name field
xdotool type --delay 20 "Zed"
shoot record
xdotool key Return   # Record
xdotool key ctrl+q
check "$SMALL_SCREEN: the game quits" wait_exit
check "$SMALL_SCREEN: the name typed below the edge is recorded" file_is Veltrano.prefs 'Zed,0\n'

# Help opens on CLOSE, below the screen's edge, and Return there closes it.
start_game ''
show_menu f
xdotool key Down Return  # "HELP"
check "$SMALL_SCREEN: Help opens" eventually visible '^Help$'
help=$(xdotool search --onlyvisible --name '^Help$' | head -n1)
check "$SMALL_SCREEN: Help fits the screen" eventually fits "$help"
shoot help
xdotool key Return
check "$SMALL_SCREEN: Return on CLOSE closes Help" eventually hidden '^Help$'
finish
