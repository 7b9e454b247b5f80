#!/usr/bin/env bash
# SPDX-FileCopyrightText: 2026 Veltrano developers
#
# SPDX-License-Identifier: MIT

# The catalogues hold every text of the code as the code has it now: a text
# added or changed without updating them would show in English, untranslated.
#   translations_current.sh PATH_TO_LUPDATE SOURCE_ROOT
set -euo pipefail
lupdate=$1
root=$2
work=$(mktemp -d)
trap 'rm -rf "$work"' EXIT
cp "$root"/translations/veltrano_*.ts "$work/"
# As update_translations runs it: the layers with texts, no line numbers.
# English holds only the plural forms.
translated=()
for ts in "$work"/veltrano_*.ts; do [ "$(basename "$ts")" = veltrano_en.ts ] || translated+=("$ts"); done
(cd "$root" && "$lupdate" -silent -no-obsolete -locations none -I . app files framework scores ui -ts "${translated[@]}") 2>/dev/null
(cd "$root" && "$lupdate" -silent -pluralonly -no-obsolete -locations none -I . app files framework scores ui -ts "$work"/veltrano_en.ts) 2>/dev/null
status=0
for ts in "$root"/translations/veltrano_*.ts; do
  if ! cmp -s "$ts" "$work/$(basename "$ts")"; then
    echo "$(basename "$ts") is behind the code; run: cmake --build BUILD --target update_translations"
    diff "$ts" "$work/$(basename "$ts")" | head -20
    status=1
  fi
done
[ "$status" -eq 0 ] && echo "the catalogues hold every text of the code"
exit "$status"
