#!/usr/bin/env bash

# SPDX-FileCopyrightText: 2026 Veltrano developers
#
# SPDX-License-Identifier: MIT

# Builds the game and starts it.
set -euo pipefail
root=$(cd "$(dirname "$0")/.." && pwd)
"$root/scripts/install-deps.sh" play
build=$("$root/scripts/configure.sh" play)
cmake --build "$build" --target veltrano -j "$(nproc)"
exec "$build/veltrano" "$@"
