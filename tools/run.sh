#!/usr/bin/env bash
# Installs what is missing, builds Zelmara and starts its window. Where there is no display it
# says so in one line and runs the command-line equivalent of the README's example instead.
set -euo pipefail
cd "$(dirname "$0")/.."

bash tools/install-deps.sh

cmake -S . -B build/release -DCMAKE_BUILD_TYPE=Release
cmake --build build/release -j2 --target zelmara zelmara-scan

if [ -z "${DISPLAY:-}" ] && [ -z "${WAYLAND_DISPLAY:-}" ]; then
  echo "No display to show the window on (DISPLAY is not set); instead, the README example on the command line: build/release/cli/zelmara-scan --v3 3"
  exec build/release/cli/zelmara-scan --v3 3
fi
exec build/release/app/zelmara
