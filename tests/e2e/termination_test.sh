#!/usr/bin/env bash

# SPDX-FileCopyrightText: 2026 Veltrano developers
#
# SPDX-License-Identifier: MIT

# A termination request to the running game leaves through the game window's
# close handler: the score files are written back (an old CR-ended file comes
# back LF-ended) and the process exits 0. Without a display the game says so.
#   termination_test.sh PATH_TO_VELTRANO
set -u
game=$1
passed=0
failed=0

for signal in TERM INT HUP; do
  config=$(mktemp -d)
  printf 'Ann,87\rBob,64\r' > "$config/Veltrano.prefs"
  XDG_CONFIG_HOME=$config QT_QPA_PLATFORM=offscreen "$game" 2>/dev/null &
  pid=$!
  # Wait until the game catches the signal, so it is not the default action that ends it.
  for _ in $(seq 200); do
    mask=$(awk '/^SigCgt:/{print $2}' "/proc/$pid/status" 2>/dev/null)
    [ -n "$mask" ] && (( (16#$mask >> 14) & 1 )) && break
    sleep 0.05
  done
  sleep 0.3
  kill -s "$signal" "$pid"
  wait "$pid"
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
