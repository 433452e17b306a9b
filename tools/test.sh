#!/usr/bin/env bash
# Installs what is missing, then builds and runs every test twice: a Release build with
# warnings as errors, and an AddressSanitizer + UndefinedBehaviorSanitizer build. Both replay the
# saved fuzz inputs; then each fuzz target runs for 15 seconds under libFuzzer. Last, the Windows
# builds (32- and 64-bit, warnings as errors) run their tests under Wine, each zelmara-scan.exe is
# compared with the Linux zelmara-scan, and each installer installs and uninstalls. Where 32-bit
# Wine could not be installed, the 32-bit programs are still built, their tests and the
# installers' are skipped, and the last line says so.
set -euo pipefail
cd "$(dirname "$0")/.."

bash tools/install-deps.sh

cmake -S . -B build/release -DCMAKE_BUILD_TYPE=Release -DZELMARA_WERROR=ON
cmake --build build/release -j2
ctest --test-dir build/release --output-on-failure -j2

cmake -S . -B build/sanitize -DCMAKE_BUILD_TYPE=RelWithDebInfo -DZELMARA_WERROR=ON \
      -DZELMARA_SANITIZE=ON -DZELMARA_BUILD_BENCH=OFF
cmake --build build/sanitize -j2
ASAN_OPTIONS="detect_leaks=1:abort_on_error=1" \
LSAN_OPTIONS="suppressions=$PWD/tools/lsan-suppressions.txt:print_suppressions=0" \
UBSAN_OPTIONS="print_stacktrace=1:halt_on_error=1" \
  ctest --test-dir build/sanitize --output-on-failure -j2

bash tools/fuzz.sh 15

# The benchmark programs are left out here: they only print figures, and the Linux build
# compiles the same sources.
bash tools/build-windows.sh build/windows -DZELMARA_WERROR=ON -DZELMARA_BUILD_BENCH=OFF \
     -DZELMARA_REFERENCE_SCAN="$PWD/build/release/cli/zelmara-scan"
# The window's tests need a display: one virtual X display for each architecture's run. A test
# whose Wine is missing (32-bit Wine, which the installers need too) is skipped, never passed.
for arch in win32 win64; do
  xvfb-run -a -s "-screen 0 1024x768x24" \
    ctest --test-dir "build/windows/build-$arch" --output-on-failure --no-tests=error -j2
done
skipped=$(awk '/^[0-9]+\/[0-9]+ Test: / { name = $3 } /^skipped: / { print "  " name ": " $0 }' \
              build/windows/build-win*/Testing/Temporary/LastTest.log)
if [ -n "$skipped" ]; then
  echo "Skipped under Wine:"
  echo "$skipped"
  echo "Every other test passed; the 32-bit Windows tests did not run: 32-bit Wine is not" \
       "installed (Debian package wine32:i386; tools/install-deps.sh said why above)."
fi
