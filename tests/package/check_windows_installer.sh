#!/usr/bin/env bash
# Usage: check_windows_installer.sh WINE_RUN ARCH PREFIX SETUP ZIP VERSION PROGRAM...
# Installs SETUP silently under Wine (WINE_RUN ARCH PREFIX, see tools/wine-run.sh) into its
# default folder, checks the programs (PROGRAM..., the same files as in ZIP), the Start-menu entry
# of zelmara.exe, the uninstall entry and the installed zelmara-scan.exe's rows;
# then runs the uninstaller silently and checks that nothing is left.
set -euo pipefail
wine_run=$1 arch=$2 prefix=$3 setup=$4 zip=$5 version=$6
shift 6
programs=("$@")
fail() { echo "FAIL: $*" >&2; exit 1; }
# The NSIS installer and uninstaller are 32-bit programs, whichever architecture they install:
# without the 32-bit loader this test cannot run (status 77: skipped).
if [ ! -x /usr/lib/wine/wine ]; then
  echo "skipped: the installer is a 32-bit program and 32-bit Wine is not installed" \
       "(/usr/lib/wine/wine, Debian package wine32:i386)"
  exit 77
fi
wine() { "$wine_run" "$arch" "$prefix" "$@"; }

key='HKLM\Software\Microsoft\Windows\CurrentVersion\Uninstall\Zelmara'
# 64-bit programs go to the native "Program Files" on either architecture, and the 64-bit
# installer writes its key to the 64-bit registry view, the one `reg` of the prefix reads.
folder="$prefix/drive_c/Program Files/Zelmara"
shortcut="$prefix/drive_c/ProgramData/Microsoft/Windows/Start Menu/Programs/Zelmara.lnk"
# A run stopped halfway may have left its installation in this prefix: start from none. (The
# first Wine program run makes the prefix.)
wine reg delete "$key" /f >/dev/null 2>&1 || true
rm -rf "$folder" "$shortcut"
work=$(mktemp -d "$prefix/drive_c/zelmara-test.XXXXXX")
trap 'rm -rf "$work"' EXIT

wine "$setup" /S || fail "the installer ended with status $?"

installed=$(cd "$folder" && ls | sort) || fail "nothing installed in $folder"
expected=$(printf '%s\n' "${programs[@]}" desinstalar.exe | sort)
[ "$installed" = "$expected" ] || fail "installed: $installed"
cmake -E chdir "$work" cmake -E tar xf "$zip"
for program in "${programs[@]}"; do
  cmp -s "$folder/$program" "$work/zelmara-$version-$arch/$program" ||
    fail "$program differs between the installer and the zip"
done

[ -f "$shortcut" ] || fail "no Start-menu entry"
strings -a "$shortcut" | grep -qxF 'C:\Program Files\Zelmara\zelmara.exe' ||
  fail "the Start-menu entry does not open zelmara.exe"

registry=$(wine reg query "$key" | tr -d '\r') || fail "no uninstall entry $key"
value() { sed -n "s/^ *$1 *REG_SZ *//p" <<<"$registry"; }
uninstaller='C:\Program Files\Zelmara\desinstalar.exe'
[ "$(value DisplayName)" = Zelmara ] || fail "DisplayName: $(value DisplayName)"
[ "$(value DisplayVersion)" = "$version" ] || fail "DisplayVersion: $(value DisplayVersion)"
[ -n "$(value Publisher)" ] || fail "no Publisher"
[ "$(value UninstallString)" = "\"$uninstaller\"" ] || fail "UninstallString: $(value UninstallString)"
[ "$(value QuietUninstallString)" = "\"$uninstaller\" /S" ] ||
  fail "QuietUninstallString: $(value QuietUninstallString)"

# The angle and the potential of each row; the derivative's digits depend on the C library.
rows=$(wine 'C:\Program Files\Zelmara\zelmara-scan.exe' --v3 3 | tr -d '\r' |
       awk -F '\t' '{ print $1 "|" $3 }') || fail "the installed zelmara-scan.exe failed"
expected=$'Ángulo|V(Kcal/mol)\n180|0\n120|3\n60|0\n0|3'
[ "$rows" = "$expected" ] || fail "installed zelmara-scan.exe --v3 3 printed:"$'\n'"$rows"

# The uninstaller started from its folder copies itself elsewhere and returns at once. Run such a
# copy as it does, told the folder with _?=, which waits until it is done. NSIS reads _?= from the
# raw command line, unquoted, so the path goes as two words that Wine joins with a space.
cp "$folder/desinstalar.exe" "$work/"
wine "C:\\$(basename "$work")\\desinstalar.exe" /S '_?=C:\Program' 'Files\Zelmara' ||
  fail "the uninstaller ended with status $?"

[ ! -e "$folder" ] || fail "left after uninstalling: $(ls -A "$folder")"
[ ! -e "$shortcut" ] || fail "the Start-menu entry is left after uninstalling"
if wine reg query "$key" >/dev/null 2>&1; then fail "the uninstall entry is left"; fi
echo "installed, ran and uninstalled: $(basename "$setup")"
