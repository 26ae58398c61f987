#!/usr/bin/env bash
# The translations are whole: every text the sources mark is in each .ts file
# (lupdate on a copy changes nothing) and every entry is translated and
# finished (lrelease reports no unfinished or untranslated text).
# usage: check_translations.sh LUPDATE LRELEASE SOURCE_FOLDER TS_FILE...
set -euo pipefail
lupdate="$1" lrelease="$2" sources="$3"
shift 3
scratch="$(mktemp -d)"
trap 'rm -rf "$scratch"' EXIT
status=0
for ts in "$@"; do
  copy="$scratch/$(basename "$ts")"
  cp "$ts" "$copy"
  "$lupdate" -silent -locations none -no-obsolete -I "$sources" "$sources" -ts "$copy" >/dev/null 2>&1
  if ! cmp -s "$ts" "$copy"; then
    echo "FAIL: $ts is out of date with the sources (cmake --build BUILD --target update_translations):"
    diff "$ts" "$copy" | head -20 || status=1
  fi
  report="$("$lrelease" "$ts" -qm "$scratch/out.qm" 2>&1)"
  if ! grep -q "and 0 unfinished" <<<"$report" || grep -q "untranslated" <<<"$report"; then
    printf 'FAIL: %s has texts left to translate:\n%s\n' "$ts" "$report"
    status=1
  fi
done
exit "$status"
