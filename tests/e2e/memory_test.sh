#!/usr/bin/env bash

# SPDX-FileCopyrightText: 2026 Veltrano developers
#
# SPDX-License-Identifier: MIT

# Memory running short ends no game and loses no score: a sort that memory does
# not allow says so and leaves the list as it was, and the save at a
# termination request still writes the list, with the row removed meanwhile,
# and lets go of its lock. The game's address space is limited, once it has
# started, to a little more than it holds.
#   memory_test.sh PATH_TO_VELTRANO   (run on a virtual display, as virtual_desktop.sh makes)
set -u
game=$1
if ldd "$game" | grep -q libasan; then
  echo "skipped: a sanitized build reserves its memory in ways an address space limit does not measure"
  exit 77
fi
if ! command -v prlimit >/dev/null; then
  echo "skipped: prlimit is missing"
  exit 77
fi
here=$(cd "$(dirname "$0")" && pwd)
source "$here/game_driver.sh"

rows=3000000
config=$(mktemp -d -p "$work")
seq "$rows" | sed 's/.*/Player &,&/' > "$config/Veltrano.prefs"
launch_game
# Sorting three million rows takes some 80 MB more; saving them takes less than 40.
held=$(awk '/^VmSize:/ { print $2 }' "/proc/$pid/status")
prlimit --pid "$pid" --as=$(( (held + 48 * 1024) * 1024 ))
click 693 510  # the heading "Name"
check "a sort without the memory for it says so" wait_dialog
xdotool key Return
click 700 526  # the first row, which the failed sort left first: Player 1
kill -TERM "$pid"
check "the game ends as asked, not by an abort" wait_exit
check "the list is saved, the removed row left out" test "$(head -n 1 "$config/Veltrano.prefs")" = "Player 2,2"
check "with every other row" test "$(wc -l < "$config/Veltrano.prefs")" -eq $(( rows - 1 ))
check "and its lock let go of" test ! -e "$config/Veltrano.prefs.lock"

finish
