#!/usr/bin/env bash

# SPDX-FileCopyrightText: 2026 Veltrano developers
#
# SPDX-License-Identifier: MIT

# What a player meets after another user's game: a game run as root in the
# player's folder (sudo keeps HOME) does there only what the player could,
# leaving the lists the player's and root's files alone, and a lock that
# another user's crashed game left in a shared folder is taken over.
#   other_users_test.sh PATH_TO_VELTRANO   (run as root on a virtual display, as virtual_desktop.sh makes)
set -u
if [ "$(id -u)" -ne 0 ]; then
  echo "skipped: only root can run games as other users"
  exit 77
fi
here=$(cd "$(dirname "$0")" && pwd)
game=$1
source "$here/game_driver.sh"

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

# A root game in a player's HOME without a configuration folder yet: it makes
# it as the player's own game would.
home=$(mktemp -d -p "$work")
chown nobody:nogroup "$home"
config=$home/.config
launch_game HOME="$home" XDG_CONFIG_HOME=
play_and_record Root
xdotool key ctrl+q
check "the root game quits in a HOME without .config" wait_exit
check "the folder it made is the player's" owned . "nobody:nogroup 755"
check "and so are both lists" owned Veltrano.prefs "nobody:nogroup 644"
check "(the expert list too)" owned Veltrano2.prefs "nobody:nogroup 644"

# The player's links lead to a file only root may read and write, and into a
# folder only root may write to: the root game follows neither.
home=$(mktemp -d -p "$work")
config=$home/.config
mkdir "$config"
printf 'root:only\n' > "$work/secret"
chmod 600 "$work/secret"
mkdir "$work/roots"
ln -s "$work/secret" "$config/Veltrano.prefs"
ln -s "$work/roots/made" "$config/Veltrano2.prefs"
chown -hR nobody:nogroup "$home"
launch_game HOME="$home" XDG_CONFIG_HOME=
check "the link to root's file is named as a list that could not be read" wait_dialog
kill -TERM "$pid"
check "the root game ends" wait_exit
check "root's file is as it was" test "$(cat "$work/secret")" = "root:only"
check "nothing was made in root's folder" test -z "$(ls -A "$work/roots")"
check "the save says which link it did not follow" grep -q "Veltrano2.prefs: Permission denied (it is a link to $work/roots/made)" "$work/stderr"
check "nothing in the player's HOME is root's" test -z "$(find "$home" -user root)"

# Another user's game crashed holding the lock of a shared folder's list.
for folder in shared sticky; do
  config=$(mktemp -d -p "$work")
  if [ "$folder" = sticky ]; then chmod 1777 "$config"; else chmod 777 "$config"; fi
  printf '%s\nveltrano\n%s\n' 999999999 "$(uname -n)" > "$config/Veltrano.prefs.lock"
  chown daemon:daemon "$config/Veltrano.prefs.lock"
  launch_game "${as_player[@]}"
  play_and_record Shared
  check "a lock that no game holds is taken over ($folder folder)" eventually file_is Veltrano.prefs 'Shared,0\n'
  xdotool key ctrl+q
  check "the player's game ends ($folder folder)" wait_exit
  # The other user's lock file, which the player may not remove from a sticky folder, stays theirs.
  [ "$folder" = sticky ] && check "another user's lock file stays where it is" test -e "$config/Veltrano.prefs.lock"
done

finish
