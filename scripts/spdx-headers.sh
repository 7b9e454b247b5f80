#!/usr/bin/env bash

# SPDX-FileCopyrightText: 2026 Veltrano developers
#
# SPDX-License-Identifier: MIT

# Gives every file that `reuse lint` finds without a licence the project's
# SPDX header. Files that cannot carry a comment belong in .reuse/dep5 instead.
set -euo pipefail

# All in a function: bash reads it whole before the script may annotate itself.
main() {
  cd "$(dirname "$0")/.."
  local missing file style
  mapfile -t missing < <(reuse lint 2>/dev/null |
    sed -n '/have no copyright and licensing information:/,/^$/s/^\* //p' | sort -u)
  [ ${#missing[@]} -gt 0 ] || { echo "every file has a licence"; return; }

  for file in "${missing[@]}"; do
    case "$file" in
      # reuse knows these comment styles from the file name
      *.cpp | *.h | *.sh | *.xml | *CMakeLists.txt) style=() ;;
      *.qrc) style=(--style html) ;;
      *.[1-9]) echo "$file: a manual page; add the header as a .\\\" comment by hand"; continue ;;
      *) style=(--style python) ;;  # '#' comments: scripts, lists, desktop entries
    esac
    reuse annotate --copyright "Veltrano developers" --year 2026 --license MIT "${style[@]}" "$file"
  done
}
main "$@"; exit  # on the same line, so bash never reads this file again
