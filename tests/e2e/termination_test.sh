#!/usr/bin/env bash

# SPDX-FileCopyrightText: 2026 Veltrano developers
#
# SPDX-License-Identifier: MIT

# A termination request to the running game leaves through the game window's
# close handler: the score files are written back (an old CR-ended file comes
# back LF-ended) and the process exits 0. The files lie where the XDG base
# directory rules put them. Without a display the game says so.
#   termination_test.sh PATH_TO_VELTRANO
set -u
game=$(readlink -f "$1")
passed=0
failed=0

# Sends the signal once the game catches it, so that it is not the default action that ends it.
end_with() {  # end_with SIGNAL PID; the game's exit status
  for _ in $(seq 200); do
    mask=$(awk '/^SigCgt:/{print $2}' "/proc/$2/status" 2>/dev/null)
    [ -n "$mask" ] && (( (16#$mask >> 14) & 1 )) && break
    sleep 0.05
  done
  kill -s "$1" "$2"
  wait "$2"
}

for signal in TERM INT HUP; do
  config=$(mktemp -d)
  printf 'Ann,87\rBob,64\r' > "$config/Veltrano.prefs"
  XDG_CONFIG_HOME=$config QT_QPA_PLATFORM=offscreen "$game" 2>/dev/null &
  end_with "$signal" $!
  status=$?
  standard=$(od -An -c "$config/Veltrano.prefs" | tr -s ' ')
  if [ "$status" -eq 0 ] && [ "$(cat "$config/Veltrano.prefs")" = $'Ann,87\nBob,64' ] &&
     [ "$(tail -c1 "$config/Veltrano.prefs" | od -An -tx1 | tr -d ' ')" = 0a ] && [ -f "$config/Veltrano2.prefs" ]; then
    passed=$((passed + 1))
  else
    echo "SIG$signal: exit $status, standard file:$standard"
    failed=$((failed + 1))
  fi
  rm -rf "$config"
done
# The XDG base directory rules: a relative XDG_CONFIG_HOME gives way to
# $HOME/.config; without an absolute HOME either, no file is written anywhere.
home=$(mktemp -d)
started_in=$(mktemp -d)
made_before=$(ls -d /.config/Veltrano.prefs 2>/dev/null)
(cd "$started_in" && XDG_CONFIG_HOME=relcfg HOME=$home QT_QPA_PLATFORM=offscreen exec "$game" 2>/dev/null) &
end_with TERM $!
status=$?
(cd "$started_in" && exec env -u XDG_CONFIG_HOME -u HOME QT_QPA_PLATFORM=offscreen "$game" 2>/dev/null) &
end_with TERM $!
status=$(( status + $? ))
if [ "$status" -eq 0 ] && [ -f "$home/.config/Veltrano.prefs" ] && [ -z "$(ls -A "$started_in")" ] &&
   [ "$(ls -d /.config/Veltrano.prefs 2>/dev/null)" = "$made_before" ]; then
  passed=$((passed + 1))
else
  echo "XDG_CONFIG_HOME=relcfg, then no HOME: exit $status, made:" "$home"/.config/* "$started_in"/*
  failed=$((failed + 1))
fi
rm -rf "$home" "$started_in"

# --language also gives the system's own words in a reason, under an English
# desktop: a save at the signal fails on a lock file whose path is too long
# for the system (the lists' own paths are not), which it says in German.
english=C.UTF-8
locale -a 2>/dev/null | grep -qix 'en_US.utf-\?8' && english=en_US.UTF-8
config=$(mktemp -d)
long=$config
while [ ${#long} -lt $((4079 - 200)) ]; do long=$long/$(printf 'd%.0s' $(seq 199)); done
long=$long/$(printf 'e%.0s' $(seq $((4079 - ${#long} - 1))))
mkdir -p "$long"
env -u LC_ALL -u LC_MESSAGES XDG_CONFIG_HOME="$long" LANG=$english QT_QPA_PLATFORM=offscreen "$game" --language de 2>"$config/said" &
end_with TERM $!
status=$?
if [ "$status" -eq 0 ] && grep -qF 'Dateiname ist zu lang' "$config/said"; then
  passed=$((passed + 1))
else
  echo "--language de under LANG=$english: exit $status, said: $(head -c 600 "$config/said")"
  failed=$((failed + 1))
fi
rm -rf "$config"

# Without a display, or with one that is not there, one line and status 1.
for display in "" ":4077"; do
  message=$(env -u QT_QPA_PLATFORM -u WAYLAND_DISPLAY DISPLAY="$display" "$game" 2>&1)
  status=$?
  if [ "$status" -eq 1 ] && [ "$(printf '%s\n' "$message" | wc -l)" -eq 1 ] && [[ $message == veltrano:*xvfb-run* ]]; then
    passed=$((passed + 1))
  else
    echo "DISPLAY='$display': exit $status, said: $message"
    failed=$((failed + 1))
  fi
done

echo "$passed passed, $failed failed"
[ "$failed" -eq 0 ]
