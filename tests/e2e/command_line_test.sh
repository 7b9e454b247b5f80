#!/usr/bin/env bash
# SPDX-FileCopyrightText: 2026 Veltrano developers
#
# SPDX-License-Identifier: MIT

# The command line answers without a display: no DISPLAY, WAYLAND_DISPLAY or
# QT_QPA_PLATFORM, so an option that fell through to the game would fail.
#   command_line_test.sh PATH_TO_VELTRANO VERSION
set -u
game=$1
version=$2
passed=0
failed=0
out=$(mktemp)
err=$(mktemp)
trap 'rm -f "$out" "$err"' EXIT

# arguments | exit status | stdout holds | stderr holds ('' for empty output)
cases=(
  "--help|0|Usage: |"
  "-h|0|-v, --version|"
  "--version|0|veltrano $version|"
  "-v|0|veltrano $version|"
  "-style Fusion --version|0|veltrano $version|"
  "-style Fusion|1||display"  # passed on to the game, which finds no display
  "--bogus|2||Unknown option 'bogus'."
  "-x|2||Usage: "
  "extra|2||unexpected argument 'extra'"
  "-style|2||Missing value after '-style'."
)
for entry in "${cases[@]}"; do
  IFS='|' read -r args want_status want_out want_err <<<"$entry"
  # shellcheck disable=SC2086  # the arguments are meant to split
  env -i PATH=/usr/bin:/bin HOME=/nonexistent "$game" $args >"$out" 2>"$err"
  status=$?
  ok=true
  [ "$status" -eq "$want_status" ] || ok=false
  if [ -n "$want_out" ]; then grep -qF -- "$want_out" "$out" || ok=false; else [ ! -s "$out" ] || ok=false; fi
  if [ -n "$want_err" ]; then grep -qF -- "$want_err" "$err" || ok=false; else [ ! -s "$err" ] || ok=false; fi
  if $ok; then
    passed=$((passed + 1))
  else
    failed=$((failed + 1))
    echo "FAILED: veltrano $args: exit $status; stdout: $(head -c 200 "$out"); stderr: $(head -c 200 "$err")"
  fi
done
echo "$passed passed, $failed failed"
[ "$failed" -eq 0 ]
