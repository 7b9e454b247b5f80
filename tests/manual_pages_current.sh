#!/usr/bin/env bash
# SPDX-FileCopyrightText: 2026 Veltrano developers
#
# SPDX-License-Identifier: MIT

# Each translation of the manual page translates every paragraph of the
# English page as it is now: one changed without updating them would show
# the new paragraph in English.
#   manual_pages_current.sh SOURCE_ROOT
set -euo pipefail
root=$1
work=$(mktemp -d)
trap 'rm -rf "$work"' EXIT
status=0
for po in "$root"/data/po/*.po; do
  language=$(basename "$po" .po)
  po4a-translate -f man -M UTF-8 -L UTF-8 -k 100 -m "$root/data/veltrano.6.in" -p "$po" -l "$work/$language.6" \
    >"$work/said" 2>&1 || true
  if [ ! -s "$work/$language.6" ]; then
    echo "the $language manual page is behind the English one ($(grep -o "only [0-9.]*% translated" "$work/said" || true))"
    echo "  run in the source folder: po4a --no-translations data/po4a.cfg, then translate what data/po/$language.po marks"
    status=1
  fi
done
[ "$status" -eq 0 ] && echo "every manual page translates every paragraph"
exit "$status"
