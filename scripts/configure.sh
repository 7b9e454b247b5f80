#!/usr/bin/env bash

# SPDX-FileCopyrightText: 2026 Veltrano developers
#
# SPDX-License-Identifier: MIT

# Configures the build folder of a purpose, always with the same options, and
# prints its path. Each purpose has its own folder, so that playing after
# testing (or the other way round) does not rebuild everything.
#   scripts/configure.sh play|test|sanitize|threads|fuzz
set -euo pipefail
root=$(cd "$(dirname "$0")/.." && pwd)
purpose=${1:-}
case $purpose in
  play) options=(-DCMAKE_BUILD_TYPE=Release -DBUILD_TESTING=OFF) ;;
  test) options=(-DCMAKE_BUILD_TYPE=RelWithDebInfo) ;;
  sanitize) options=(-DCMAKE_BUILD_TYPE=Debug -DVELTRANO_SANITIZE=ON) ;;
  threads) options=(-DCMAKE_BUILD_TYPE=RelWithDebInfo -DVELTRANO_THREAD_SANITIZE=ON -DVELTRANO_BENCHMARKS=OFF) ;;
  fuzz) options=(-DCMAKE_CXX_COMPILER=clang++ -DCMAKE_BUILD_TYPE=RelWithDebInfo -DVELTRANO_FUZZ=ON
                 -DVELTRANO_SANITIZE=ON) ;;
  *) echo "usage: $0 play|test|sanitize|threads|fuzz" >&2; exit 2 ;;
esac
cmake -S "$root" -B "$root/build/$purpose" "${options[@]}" >/dev/null
echo "$root/build/$purpose"
