#!/usr/bin/env bash

# SPDX-FileCopyrightText: 2026 Veltrano developers
#
# SPDX-License-Identifier: MIT

# Fuzzes the score file reader with libFuzzer for a while (default 60 s); new
# inputs that find a fault are saved into fuzz/corpus, which the tests replay.
set -euo pipefail
root=$(cd "$(dirname "$0")/.." && pwd)
seconds=${1:-60}
"$root/scripts/install-deps.sh" dev
build=$("$root/scripts/configure.sh" fuzz)
cmake --build "$build" --target score_file_fuzzer -j "$(nproc)"
work=$(mktemp -d)
trap 'rm -rf "$work"' EXIT
"$build/fuzz/score_file_fuzzer" -max_total_time="$seconds" -artifact_prefix="$root/fuzz/corpus/crash-" \
  "$work" "$root/fuzz/corpus"
