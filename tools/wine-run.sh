#!/usr/bin/env bash
# Runs a Windows program under Wine: tools/wine-run.sh ARCH PREFIX PROGRAM [ARGUMENTS...]
#
# ARCH is win32 or win64; PREFIX is a throw-away Wine prefix folder of that architecture,
# made on first use (by whichever of several parallel runs gets there first). The program's
# stdout, stderr and exit status are its own; status 77 says that 32-bit Wine is missing. The
# cross builds use this script as their CMAKE_CROSSCOMPILING_EMULATOR, so every registered test
# runs through it.
set -euo pipefail

if [ $# -lt 3 ]; then
  echo "usage: $0 win32|win64 PREFIX PROGRAM [ARGUMENTS...]" >&2
  exit 2
fi
arch=$1 prefix=$2
shift 2

case "$arch" in
  win32) loader=/usr/lib/wine/wine ;;
  win64) loader=/usr/lib/wine/wine64 ;;
  *) echo "$0: unknown architecture '$arch' (win32 or win64)" >&2; exit 2 ;;
esac
# Without the 32-bit loader (its i386 packages cannot always be installed) a 32-bit program
# cannot run: status 77, which the cross builds' tests count as skipped, with the reason on
# stdout. A missing 64-bit Wine stays an error.
if [ ! -x "$loader" ] && [ "$arch" = win32 ]; then
  echo "skipped: 32-bit Wine is not installed ($loader, Debian package wine32:i386)"
  exit 77
fi
if [ ! -x "$loader" ]; then
  echo "$0: $loader is missing: install wine64" >&2
  exit 2
fi

export WINEPREFIX WINEARCH=$arch
WINEPREFIX=$(realpath -m "$prefix")
export WINEDEBUG=-all
# No Mono or Gecko: nothing here needs .NET or HTML, and their installers would ask. No
# winemenubuilder: a Start-menu entry made in the prefix (the installer's test makes one) must
# not become a menu entry of the Linux desktop.
export WINEDLLOVERRIDES="mscoree,mshtml,winemenubuilder.exe="

# One run at a time sets up: the prefix, made once (the stamp is written only after wineboot has
# finished), and a running server. A server started by the program's own Wine, and the system
# processes its first program starts, would hold that program's stdout and stderr open until the
# server ends, seconds after the last Wine process; whoever waits for the end of that output
# (CTest does) would wait as long. So both are started here, apart from the program's output.
# Where a server already runs for the prefix, the start ends with status 2 and nothing is to do.
mkdir -p "$(dirname "$WINEPREFIX")"
exec 9>"$WINEPREFIX.lock"
flock 9
if [ ! -e "$WINEPREFIX/.zelmara-ready" ]; then
  rm -rf "$WINEPREFIX"
  if ! env -u DISPLAY -u WAYLAND_DISPLAY "$loader" wineboot --init >"$WINEPREFIX.log" 2>&1 ||
     ! /usr/lib/wine/wineserver --wait; then
    echo "$0: could not make the Wine prefix $WINEPREFIX:" >&2
    cat "$WINEPREFIX.log" >&2
    exit 1
  fi
  # Wine's own fonts (Debian's fonts-wine), which this Wine finds only in the prefix: without
  # them "MS Sans Serif" becomes DejaVu Sans and the caption buttons lose their Marlett glyphs.
  if [ -d /usr/share/wine/fonts ]; then
    ln -sf /usr/share/wine/fonts/* "$WINEPREFIX/drive_c/windows/Fonts/"
  fi
  # Windows framed and placed by Wine itself, as on Windows: a virtual X display has no window
  # manager, for which Wine would wait at every window it hides.
  if ! env -u DISPLAY -u WAYLAND_DISPLAY "$loader" reg add 'HKCU\Software\Wine\X11 Driver' /v Managed /d N /f >>"$WINEPREFIX.log" 2>&1 ||
     ! /usr/lib/wine/wineserver --wait; then
    echo "$0: could not configure the Wine prefix $WINEPREFIX" >&2
    exit 1
  fi
  touch "$WINEPREFIX/.zelmara-ready"
fi
server=0
/usr/lib/wine/wineserver --persistent=3 </dev/null >/dev/null 2>&1 || server=$?
if [ "$server" -eq 0 ]; then
  "$loader" cmd.exe /c exit </dev/null >/dev/null 2>&1
elif [ "$server" -ne 2 ]; then
  echo "$0: wineserver could not start for $WINEPREFIX (status $server)" >&2
  exit 1
fi
flock -u 9
exec 9>&-

exec "$loader" "$@"
