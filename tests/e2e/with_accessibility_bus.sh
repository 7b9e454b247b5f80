#!/usr/bin/env bash

# SPDX-FileCopyrightText: 2026 Veltrano developers
#
# SPDX-License-Identifier: MIT

# Runs a command on a virtual desktop with a session bus and the accessibility
# bus a screen reader uses, so that Qt sends its accessibility events.
#   with_accessibility_bus.sh COMMAND [ARGUMENTS...]
set -u
exec xvfb-run -a -s '-screen 0 1280x1024x24' dbus-run-session -- bash -c '
  /usr/libexec/at-spi-bus-launcher --launch-immediately &
  launcher=$!
  trap "kill $launcher 2>/dev/null" EXIT
  QT_QPA_PLATFORM=xcb QT_LINUX_ACCESSIBILITY_ALWAYS_ON=1 "$@"
' _ "$@" 2> >(grep -v -e "fd limit" -e "Activating service" -e "Successfully activated" -e "SpiRegistry daemon" >&2)
