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
  fonts-dejavu-core locales
  desktop-file-utils appstream man-db dpkg-dev lintian file
)

missing=()
for package in "${packages[@]}"; do
  dpkg-query -W -f='${Status}' "$package" 2>/dev/null | grep -q "install ok installed" || missing+=("$package")
done
if [ ${#missing[@]} -gt 0 ]; then
  echo "Installing: ${missing[*]}"
  apt-get update
  DEBIAN_FRONTEND=noninteractive apt-get install -y --no-install-recommends "${missing[@]}"
fi

if ! locale -a 2>/dev/null | grep -qi '^es_ES\.utf-\?8$'; then
  sed -i 's/^# *es_ES.UTF-8 UTF-8/es_ES.UTF-8 UTF-8/' /etc/locale.gen
  grep -q '^es_ES.UTF-8 UTF-8' /etc/locale.gen || echo 'es_ES.UTF-8 UTF-8' >> /etc/locale.gen
  locale-gen
fi
