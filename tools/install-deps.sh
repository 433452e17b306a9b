#!/usr/bin/env bash
# Installs the Debian 12 packages Zelmara needs to build, test and run, when any is missing,
# and generates the Spanish locale the tests run under. Run as root.
set -euo pipefail

packages=(
  cmake g++ make pkg-config
  qt6-base-dev qt6-translations-l10n
  libgtest-dev libgmock-dev
  clang-14 libclang-rt-14-dev libfuzzer-14-dev
  python3-mpmath libxml2-utils
  # zelmara-scan --xtb runs xtb; its butane-scan test skips itself without it.
  xtb
  fonts-dejavu-core locales
  desktop-file-utils appstream man-db dpkg-dev lintian file
  # The Windows builds: MinGW-w64 cross compilers (posix threads), GoogleTest's sources to
  # compile with them, and Wine for both architectures (the 32-bit loader is an i386 package)
  # with Wine's own fonts (the dialogs' "MS Sans Serif") and a virtual X display for windows;
  # NSIS for the Windows installers.
  g++-mingw-w64-i686-posix g++-mingw-w64-x86-64-posix
  binutils-mingw-w64-i686 binutils-mingw-w64-x86-64
  googletest
  wine wine64 wine32:i386 fonts-wine
  xvfb xauth
  nsis
)

missing=()
for package in "${packages[@]}"; do
  dpkg-query -W -f='${Status}' "$package" 2>/dev/null | grep -q "install ok installed" || missing+=("$package")
done
if [ ${#missing[@]} -gt 0 ]; then
  echo "Installing: ${missing[*]}"
  if [[ " ${missing[*]} " == *":i386 "* ]] && ! dpkg --print-foreign-architectures | grep -qx i386; then
    dpkg --add-architecture i386
  fi
  apt-get update
  DEBIAN_FRONTEND=noninteractive apt-get install -y --no-install-recommends "${missing[@]}"
fi

if ! locale -a 2>/dev/null | grep -qi '^es_ES\.utf-\?8$'; then
  sed -i 's/^# *es_ES.UTF-8 UTF-8/es_ES.UTF-8 UTF-8/' /etc/locale.gen
  grep -q '^es_ES.UTF-8 UTF-8' /etc/locale.gen || echo 'es_ES.UTF-8 UTF-8' >> /etc/locale.gen
  locale-gen
fi
