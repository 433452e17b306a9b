#!/usr/bin/env bash
# Takes a screenshot of Zelmara's real window on a virtual X display, as a window manager-less
# X server shows it: starts Xvfb, starts the program, captures the screen with ImageMagick's
# import, then stops both. Usage: tools/screenshot_window.sh PROGRAM OUTPUT.png [DISPLAY]
set -euo pipefail

for tool in Xvfb /usr/bin/import; do
  command -v "$tool" >/dev/null || { echo "needs $tool: apt-get install -y xvfb imagemagick" >&2; exit 1; }
done

program=${1:?program to run}
output=${2:?PNG to write}
display=${3:-:97}

Xvfb "$display" -screen 0 1024x768x24 -nolisten tcp >/dev/null 2>&1 &
xvfb_pid=$!
program_pid=
cleanup() {
  [ -n "$program_pid" ] && kill "$program_pid" 2>/dev/null || true
  kill "$xvfb_pid" 2>/dev/null || true
}
trap cleanup EXIT

sleep 1
DISPLAY=$display QT_QPA_PLATFORM=xcb LC_ALL=es_ES.UTF-8 "$program" &
program_pid=$!
sleep 2
DISPLAY=$display /usr/bin/import -window root "$output"
echo "wrote $output"
