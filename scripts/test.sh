#!/usr/bin/env bash

# SPDX-FileCopyrightText: 2026 Veltrano developers
#
# SPDX-License-Identifier: MIT

# Builds and runs every test headless: a plain build, then one under
# AddressSanitizer and UndefinedBehaviorSanitizer, then the tests of what
# runs on threads of its own (the score lists' jobs, sorting, files) under
# ThreadSanitizer. Pass "plain", "sanitize" or "threads" to run only one.
set -euo pipefail
root=$(cd "$(dirname "$0")/.." && pwd)
which=${1:-all}
"$root/scripts/install-deps.sh" dev
export QT_QPA_PLATFORM=offscreen
jobs=$(nproc)

# run_suite PURPOSE [TARGET... -- CTEST_OPTION...]
run_suite() {
  local dir targets=() options=()
  dir=$("$root/scripts/configure.sh" "$1")
  shift
  while [ $# -gt 0 ] && [ "$1" != -- ]; do targets+=(--target "$1"); shift; done
  [ $# -gt 0 ] && shift && options=("$@")
  cmake --build "$dir" -j "$jobs" "${targets[@]}"
  ctest --test-dir "$dir" --output-on-failure -j "$jobs" "${options[@]}"
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
if [ "$which" = all ] || [ "$which" = threads ]; then
  # Debian's Qt is not built for ThreadSanitizer: what lies wholly inside it is suppressed, each with its reason.
  export TSAN_OPTIONS="suppressions=$root/tests/tsan.supp:halt_on_error=1:second_deadlock_stack=1"
  run_suite threads model_tests unit_tests score_lists_test quit_paths_test -- -L threads
fi
