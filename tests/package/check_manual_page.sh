#!/usr/bin/env bash
# Usage: check_manual_page.sh PAGE [PROGRAM]
# Formats the manual page as man does, in a UTF-8 and in an ASCII locale, and fails on any
# warning. With PROGRAM, also fails when an option that `PROGRAM --help` lists has no entry of
# its own (a .TP paragraph whose tag names it) in the page.
set -euo pipefail
page=$1
program=${2:-}

for locale in es_ES.UTF-8 C; do
  warnings=$(LC_ALL=$locale man --warnings -l "$page" 2>&1 >/dev/null)
  if [ -n "$warnings" ]; then
    printf '%s in %s:\n%s\n' "$page" "$locale" "$warnings" >&2
    exit 1
  fi
done

[ -n "$program" ] || exit 0
tags=$(awk 'previous == ".TP" { print } { previous = $0 }' "$page" | sed 's/\\-/-/g')
options=$("$program" --help | grep -E '^ +--[a-z0-9]' | grep -oE -- '--[a-z0-9][a-z0-9-]*' | sort -u)
[ -n "$options" ] || { echo "no option found in $program --help" >&2; exit 1; }
missing=0
for option in $options; do
  if ! grep -qE -- "(^|[^a-z0-9-])$option([^a-z0-9-]|\$)" <<<"$tags"; then
    echo "$page does not describe $option" >&2
    missing=1
  fi
done
exit $missing
