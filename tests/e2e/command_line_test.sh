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
  # The language: --language's, else LANGUAGE, LC_ALL, LC_MESSAGES and LANG in turn; Qt's words too.
  "LANG=de_DE.UTF-8 --help|0|Diese Hilfe anzeigen|"
  "LANG=de_DE.UTF-8 --bogus|2||Unbekannte Option 'bogus'."
  "LANGUAGE=fr:de LANG=de_DE.UTF-8 --help|0|Afficher cette aide|"
  "LC_ALL=es_ES.UTF-8 LANG=fr_FR.UTF-8 extra|2||argumento inesperado «extra»"
  "LC_ALL=C LANG=de_DE.UTF-8 --help|0|Show this help and exit.|"
  "LANG=it_IT.UTF-8 --help|0|Show this help and exit.|"
  "LANG=de_DE.UTF-8 --language en --help|0|--language <language>  Show the game in this language: de, en, es, fr.|"
  "--language es --help|0|Muestra esta ayuda|"
  "LANG=de_DE.UTF-8 --language=fr -x|2||Option inconnue"
  "--language xx|2||there is no language 'xx'; choose one of: de, en, es, fr."
  "--language|2||Missing value after '--language'."
  "LANG=fr_FR.UTF-8|1||aucun affichage trouvé"  # the game, which finds no display
)
for entry in "${cases[@]}"; do
  IFS='|' read -r args want_status want_out want_err <<<"$entry"
  # shellcheck disable=SC2086  # the arguments are meant to split
  set -- $args
  # Leading NAME=value words are the environment.
  vars=()
  while [ $# -gt 0 ] && [[ $1 == [A-Z_]*=* ]]; do vars+=("$1"); shift; done
  env -i PATH=/usr/bin:/bin HOME=/nonexistent "${vars[@]}" "$game" "$@" >"$out" 2>"$err"
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
