#!/usr/bin/env bash

# SPDX-FileCopyrightText: 2026 Veltrano developers
#
# SPDX-License-Identifier: MIT

# Builds and runs every test headless: a plain build, then one under
# AddressSanitizer and UndefinedBehaviorSanitizer. Pass "plain" or
# "sanitize" to run only one of them.
set -euo pipefail
root=$(cd "$(dirname "$0")/.." && pwd)
which=${1:-all}
"$root/scripts/install-deps.sh" dev
export QT_QPA_PLATFORM=offscreen
jobs=$(nproc)

run_suite() {
  local dir
  dir=$("$root/scripts/configure.sh" "$1")
  cmake --build "$dir" -j "$jobs"
  ctest --test-dir "$dir" --output-on-failure -j "$jobs"
}

if [ "$which" = all ] || [ "$which" = plain ]; then
  run_suite test
fi
if [ "$which" = all ] || [ "$which" = sanitize ]; then
  export ASAN_OPTIONS=detect_leaks=1:abort_on_error=1
  export UBSAN_OPTIONS=print_stacktrace=1:halt_on_error=1
  export LSAN_OPTIONS=suppressions=$root/tests/lsan.supp:print_suppressions=0
  run_suite sanitize
fi
