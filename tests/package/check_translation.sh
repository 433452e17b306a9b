#!/usr/bin/env bash
# Usage: check_translation.sh PAGE TRANSLATED_PAGE
# Fails when a translated manual page has drifted from the page it translates: a different
# outline (sections, entries, paragraphs, displays, in order) or a different example.
set -euo pipefail
page=$1
translated=$2

outline() { grep -oE '^\.(SH|SS|TP|IP|PP|RS|EX)\b' "$1"; }
examples() { sed -n '/^\.EX$/,/^\.EE$/p' "$1"; }

if ! diff <(outline "$page") <(outline "$translated") >/dev/null; then
  echo "$translated does not follow the outline of $page:" >&2
  diff <(outline "$page") <(outline "$translated") >&2 || true
  exit 1
fi
if ! diff <(examples "$page") <(examples "$translated") >&2; then
  echo "$translated and $page show different examples" >&2
  exit 1
fi
