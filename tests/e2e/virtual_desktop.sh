#!/usr/bin/env bash

# SPDX-FileCopyrightText: 2026 Veltrano developers
#
# SPDX-License-Identifier: MIT

# Runs a command on a virtual X display of its own, as xvfb-run -a does, but
# without its race: the X server itself takes a free display and says which
# once it accepts clients. On a busy machine xvfb-run may hand a test the
# number of a display whose server is still going away. The server does not
# reset when its last client leaves: a client that came meanwhile would be cut off.
#   virtual_desktop.sh WIDTHxHEIGHT COMMAND [ARGUMENTS...]
set -u
screen=$1
shift
number=$(mktemp)
Xvfb -displayfd 3 -screen 0 "${screen}x24" -nolisten tcp -noreset 3>"$number" 2>/dev/null &
server=$!
trap 'kill $server 2>/dev/null; wait $server 2>/dev/null; rm -f "$number"' EXIT
# A generous limit for a loaded machine; the wait ends as soon as the server is ready.
deadline=$((SECONDS + 60))
until grep -qx '[0-9][0-9]*' "$number"; do
  if [ $SECONDS -ge $deadline ] || ! kill -0 $server 2>/dev/null; then
    echo "the virtual display did not start" >&2
    exit 1
  fi
  sleep 0.05
done
DISPLAY=:$(cat "$number") "$@"
status=$?
exit $status
