#!/usr/bin/env bash

# SPDX-FileCopyrightText: 2026 Veltrano developers
#
# SPDX-License-Identifier: MIT

# Lints the licences of every file with reuse, in a git checkout only: reuse
# learns from git which files are build output. Anywhere else (a plain copy of
# the source) it says why it skips and exits 77, which ctest counts as skipped.
#   reuse_lint.sh PATH_TO_REUSE SOURCE_FOLDER
set -u
reuse=$1
root=$2
why=
if ! command -v git >/dev/null; then
  why="git is not installed"
elif ! top=$(git -C "$root" rev-parse --show-toplevel 2>/dev/null) ||
     [ "$(realpath "$top")" != "$(realpath "$root")" ]; then
  why="$root is not a git checkout"
fi
if [ -n "$why" ]; then
  echo "reuse_lint: skipped, $why, so reuse cannot tell the project's files from build output"
  exit 77
fi
exec "$reuse" --root "$root" lint
