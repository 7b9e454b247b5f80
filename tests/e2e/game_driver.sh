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

# Waits until the condition holds, however loaded the machine; false only if
# it still does not after a minute. A test waits for what it needs (a window,
# a file), never for a fixed time.
eventually() {  # eventually CONDITION...
  local end=$((SECONDS + 60))
  until "$@"; do
    [ "$SECONDS" -lt "$end" ] || return 1
    sleep 0.05
  done
}

visible() { xdotool search --onlyvisible --name "$1" >/dev/null 2>&1; }
hidden() { ! visible "$1"; }
# The game's windows on the screen: its window, and a dialog, a menu or Help
# over it. A dialog has no name X tools can search by.
windows_up() { [ "$(xdotool search --onlyvisible --pid "$pid" 2>/dev/null | wc -l)" -ge "$1" ]; }
dialog_up() { windows_up 2; }
wait_dialog() { eventually dialog_up; }

# Opens a menu by its Alt key, and waits for it to be up.
show_menu() {  # show_menu LETTER
  xdotool key "alt+$1"
  eventually windows_up 2
}

# No modal dialog is up over the game window: F1 there opens Help, which a
# dialog would block, and Return on its CLOSE closes it again. F1 comes after
# whatever the game was doing, so this needs no wait for a dialog that might
# still come.
no_dialog() {
  xdotool windowfocus --sync "$window"
  xdotool key F1
  eventually visible '^Help$' || return 1
  xdotool key Return
  eventually hidden '^Help$' || return 1
  # Without a window manager nobody gives the game window the keyboard back.
  xdotool windowfocus --sync "$window"
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
}

# Plays the game of that process and window from now on.
use_game() {
  pid=$1
  window=$2
  xdotool windowraise "$window"
  xdotool windowfocus --sync "$window"
}

# Clicks a point of the game window's content area.
click() {
  xdotool mousemove --window "$window" "$1" "$(( $2 + menu ))" click 1
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
  eventually eval '! kill -0 "$pid" 2>/dev/null' || return 1
  wait "$pid"
  local status=$?
  pid=
  return "$status"
}

file_is() { [ "$(od -An -tx1 "$config/$1")" = "$(printf '%b' "$2" | od -An -tx1)" ]; }
