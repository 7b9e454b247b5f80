#!/usr/bin/env bash

# SPDX-FileCopyrightText: 2026 Veltrano developers
#
# SPDX-License-Identifier: MIT

# Runs a command on a virtual desktop with a session bus and the accessibility
# bus a screen reader uses, so that Qt sends its accessibility events. The
# command starts once the accessibility bus has its name on the session bus:
# a game started before that would find no bus to join.
#   with_accessibility_bus.sh COMMAND [ARGUMENTS...]
set -u
exec "$(dirname "$0")/virtual_desktop.sh" 1280x1024 dbus-run-session -- bash -c '
  /usr/libexec/at-spi-bus-launcher --launch-immediately &
  launcher=$!
  trap "kill $launcher 2>/dev/null" EXIT
  has_bus() {
    dbus-send --session --print-reply --dest=org.freedesktop.DBus /org/freedesktop/DBus \
      org.freedesktop.DBus.NameHasOwner string:org.a11y.Bus 2>/dev/null | grep -q "boolean true"
  }
  # A generous limit for a loaded machine; the wait ends as soon as the name is there.
  deadline=$((SECONDS + 60))
  until has_bus; do
    if [ $SECONDS -ge $deadline ] || ! kill -0 $launcher 2>/dev/null; then
      echo "the accessibility bus did not start" >&2
      exit 1
    fi
    sleep 0.1
  done
  QT_QPA_PLATFORM=xcb QT_LINUX_ACCESSIBILITY_ALWAYS_ON=1 "$@"
' _ "$@" 2> >(grep -v -e "fd limit" -e "Activating service" -e "Successfully activated" -e "SpiRegistry daemon" >&2)
