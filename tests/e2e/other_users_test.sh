#!/usr/bin/env bash

# SPDX-FileCopyrightText: 2026 Veltrano developers
#
# SPDX-License-Identifier: MIT

# What a player meets after another user's game: a game run as root in the
# player's folder (sudo keeps HOME) leaves the lists the player's, and a lock
# that another user's crashed game left in a shared folder is taken over
# where the folder allows it, and otherwise shown.
#   other_users_test.sh PATH_TO_VELTRANO   (run as root on a virtual display, as virtual_desktop.sh makes)
set -u
if [ "$(id -u)" -ne 0 ]; then
  echo "skipped: only root can run games as other users"
  exit 77
fi
here=$(cd "$(dirname "$0")" && pwd)
game=$1
source "$here/game_driver.sh"

dialog_up() { [ "$(xdotool search --onlyvisible --pid "$pid" 2>/dev/null | wc -l)" -ge 2 ]; }
wait_dialog() { for _ in $(seq 100); do dialog_up && return 0; sleep 0.1; done; return 1; }
eventually() { for _ in $(seq 50); do "$@" && return 0; sleep 0.1; done; return 1; }
owned() { [ "$(stat -c '%U:%G %a' "$config/$1")" = "$2" ]; }

# The other user runs a copy of the game it may read, and reaches the display with a copy of its key.
chmod 711 "$work"
install -m 755 "$game" "$work/veltrano"
game=$work/veltrano
[ -n "${XAUTHORITY:-}" ] && install -m 644 "$XAUTHORITY" "$work/xauthority"
as_player=(XAUTHORITY="$work/xauthority" HOME="$work" setpriv --reuid=nobody --regid=nogroup --clear-groups)

# A root game in the player's folder.
config=$(mktemp -d -p "$work")
printf 'Ann,87\n' > "$config/Veltrano.prefs"
chmod 600 "$config/Veltrano.prefs"
chown nobody:nogroup "$config" "$config/Veltrano.prefs"
launch_game
play_and_record Root
xdotool key ctrl+q
check "the root game quits" wait_exit
check "the rewritten list keeps its owner, group and mode" owned Veltrano.prefs "nobody:nogroup 600"
check "the list the root game made belongs to the folder's owner" owned Veltrano2.prefs "nobody:nogroup 644"
launch_game "${as_player[@]}"
play_and_record Player
xdotool key ctrl+q
check "the player then records and quits without a question" wait_exit
check "the player's list holds both records" file_is Veltrano.prefs 'Ann,87\nRoot,0\nPlayer,0\n'

# Another user's game crashed holding the lock of a shared folder's list.
for folder in shared sticky; do
  config=$(mktemp -d -p "$work")
  if [ "$folder" = sticky ]; then chmod 1777 "$config"; else chmod 777 "$config"; fi
  printf '%s\nveltrano\n%s\n' 999999999 "$(uname -n)" > "$config/Veltrano.prefs.lock"
  chown daemon:daemon "$config/Veltrano.prefs.lock"
  launch_game "${as_player[@]}"
  play_and_record Shared
  if [ "$folder" = shared ]; then
    check "a dead game's lock that the player may remove is taken over" eventually file_is Veltrano.prefs 'Shared,0\n'
    xdotool key ctrl+q
  else
    check "a dead game's lock that the player may not remove is shown" wait_dialog
    check "and left where it is, with the list unwritten" test ! -e "$config/Veltrano.prefs" -a -e "$config/Veltrano.prefs.lock"
    kill -TERM "$pid"
  fi
  check "the player's game ends ($folder folder)" wait_exit
done

finish
