#!/usr/bin/env bash
# Usage: check_package.sh PACKAGE.deb
# Unpacks the Debian package into a throw-away root, as dpkg installs it, and checks what a user
# relies on: every path under /usr, the computed library dependencies, the menu entry with its
# metadata and an icon at every size, the manual pages in English and Spanish, the installed
# zelmara-scan printing the README's example, and the installed window starting with no complaint.
set -euo pipefail
deb=$1
root=$(mktemp -d)
trap 'rm -rf "$root"' EXIT
fail() { echo "FAIL: $*" >&2; exit 1; }

outside=$(dpkg-deb --fsys-tarfile "$deb" | tar -t | grep -v -e '^\./$' -e '^\./usr/' || true)
[ -z "$outside" ] || fail "paths outside /usr: $outside"

depends=$(dpkg-deb --field "$deb" Depends)
names=$(tr ',' '\n' <<<"$depends" | sed 's/^ *//; s/ .*//')
for package in libc6 libstdc++6 libqt6widgets6 qt6-translations-l10n; do
  grep -qxF "$package" <<<"$names" || fail "Depends lacks $package: $depends"
done

dpkg -x "$deb" "$root"
appstreamcli validate-tree --no-net "$root" >/dev/null || fail "appstreamcli validate-tree"
for size in 16 32 48 64 128 256; do
  icon=$root/usr/share/icons/hicolor/${size}x$size/apps/zelmara.png
  file "$icon" | grep -q "PNG image data, $size x $size," || fail "no $size px icon: $(file "$icon")"
done
[ -s "$root/usr/share/icons/hicolor/scalable/apps/zelmara.svg" ] || fail "no scalable icon"

# man finds each page in the reader's language: the Spanish one under a Spanish locale.
for page in zelmara zelmara-scan; do
  for language in "C man1 SYNOPSIS" "es_ES.UTF-8 es/man1 SINOPSIS"; do
    read -r locale folder synopsis <<<"$language"
    found=$(LC_ALL=$locale MANPATH=$root/usr/share/man man -w "$page" 2>&1) || true
    [ "$found" = "$root/usr/share/man/$folder/$page.1.gz" ] || fail "man -w $page in $locale: $found"
    zcat "$found" | grep -qx "\.SH $synopsis" || fail "$found is not in the language of $locale"
  done
done

# The angle and the potential of each row; the derivative's digits depend on the C library.
rows=$("$root/usr/bin/zelmara-scan" --v3 3 | awk -F '\t' '{ print $1 "|" $3 }')
expected=$'Ángulo|V(Kcal/mol)\n180|0\n120|3\n60|0\n0|3'
[ "$rows" = "$expected" ] || fail "installed zelmara-scan --v3 3 printed:"$'\n'"$rows"

# The window runs until it is closed: still running after a few seconds, silent on stderr.
mkdir -m 700 "$root/runtime"
status=0
errors=$(XDG_RUNTIME_DIR=$root/runtime QT_QPA_PLATFORM=offscreen timeout 3 "$root/usr/bin/zelmara" \
         2>&1 >/dev/null) || status=$?
[ "$status" -eq 124 ] || fail "installed zelmara ended with status $status: $errors"
[ -z "$errors" ] || fail "installed zelmara complained: $errors"
echo "package checked: $deb"
