#!/usr/bin/env bash
# Installs the Debian 12 packages Zelmara needs to build, test and run, when any is missing,
# and generates the Spanish locale the tests run under. Run as root.
#
# Two transactions: first everything the Linux build, its tests, the cross compilers, 64-bit Wine
# and NSIS need (it must succeed); then 32-bit Wine, whose i386 libraries must match the amd64
# ones exactly and so cannot be installed while an i386 package list is out of step with the
# others. Without it the 32-bit Windows tests are skipped (tools/test.sh says so); everything else
# builds and runs.
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
  # Real force fields the force-field tests read (GROMACS' topologies, OpenMM's XML), and
  # ParmEd, which bench/force_field_bench times beside zelmara-scan.
  gromacs-data python3-simtk python3-parmed
  desktop-file-utils appstream man-db dpkg-dev lintian file
  # The Windows builds: MinGW-w64 cross compilers (posix threads), GoogleTest's sources to
  # compile with them, 64-bit Wine with Wine's own fonts (the dialogs' "MS Sans Serif") and a
  # virtual X display for windows; NSIS for the Windows installers.
  g++-mingw-w64-i686-posix g++-mingw-w64-x86-64-posix
  binutils-mingw-w64-i686 binutils-mingw-w64-x86-64
  googletest
  wine wine64 fonts-wine
  xvfb xauth
  nsis
)
# The 32-bit Wine loader: it runs the 32-bit programs and the (32-bit) NSIS installers.
i386_packages=(wine32:i386)

# missing PACKAGE...: prints those of PACKAGE... that are not installed.
missing() {
  local package
  for package in "$@"; do
    dpkg-query -W -f='${Status}' "$package" 2>/dev/null | grep -q "install ok installed" ||
      echo "$package"
  done
}

# apt_reason LOG: the line of apt's output in LOG that says why it failed.
apt_reason() {
  grep -m1 -E ' : (Pre)?Depends: |^E: ' "$1" | sed 's/^ *//' || echo "see apt's output above"
}

# Updates the package lists, three tries with a pause between them. A failure that remains is
# shown in one line and does not end the script: the lists that did arrive may well hold
# everything needed, and the installs below say so if they do not.
update_package_lists() {
  local try log
  log=$(mktemp)
  for try in 1 2 3; do
    if apt-get update >"$log" 2>&1; then
      rm -f "$log"
      return 0
    fi
    echo "install-deps: apt-get update failed (try $try of 3): $(apt_reason "$log")"
    [ "$try" -lt 3 ] && sleep 10
  done
  rm -f "$log"
  echo "install-deps: going on with the package lists as they are"
}

# install PACKAGE...: installs them in one transaction; on failure sets install_failure to
# apt's reason and returns non-zero.
install() {
  local log status=0
  log=$(mktemp)
  DEBIAN_FRONTEND=noninteractive apt-get install -y --no-install-recommends "$@" 2>&1 |
    tee "$log" || status=$?
  [ "$status" -eq 0 ] || install_failure=$(apt_reason "$log")
  rm -f "$log"
  return "$status"
}

mapfile -t missing_main < <(missing "${packages[@]}")
mapfile -t missing_i386 < <(missing "${i386_packages[@]}")
if [ ${#missing_main[@]} -gt 0 ] || [ ${#missing_i386[@]} -gt 0 ]; then
  echo "Installing: ${missing_main[*]} ${missing_i386[*]}"
  if [ ${#missing_i386[@]} -gt 0 ] && ! dpkg --print-foreign-architectures | grep -qx i386; then
    dpkg --add-architecture i386
  fi
  update_package_lists
  if [ ${#missing_main[@]} -gt 0 ] && ! install "${missing_main[@]}"; then
    echo "install-deps: could not install ${missing_main[*]}: $install_failure" >&2
    exit 1
  fi
  if [ ${#missing_i386[@]} -gt 0 ] && ! install "${missing_i386[@]}"; then
    echo "install-deps: ${missing_i386[*]} cannot be installed now ($install_failure);" \
         "the 32-bit Windows tests will be skipped, everything else is installed"
  fi
fi

if ! locale -a 2>/dev/null | grep -qi '^es_ES\.utf-\?8$'; then
  sed -i 's/^# *es_ES.UTF-8 UTF-8/es_ES.UTF-8 UTF-8/' /etc/locale.gen
  grep -q '^es_ES.UTF-8 UTF-8' /etc/locale.gen || echo 'es_ES.UTF-8 UTF-8' >> /etc/locale.gen
  locale-gen
fi
