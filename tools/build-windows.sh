#!/usr/bin/env bash
# Builds Zelmara for 32- and 64-bit Windows with MinGW-w64 and leaves the programs, stripped and
# ready to copy, in OUT/win32 and OUT/win64 (OUT defaults to build/windows):
#
#     bash tools/build-windows.sh [OUT] [CMAKE_OPTION...]
#
# The build folders are OUT/build-win32 and OUT/build-win64; run their tests under Wine with
# `ctest --test-dir OUT/build-win32` (and build-win64). Each CMAKE_OPTION goes to both
# configurations: tools/test.sh passes -DZELMARA_WERROR=ON and the Linux zelmara-scan to compare
# with (-DZELMARA_REFERENCE_SCAN=...).
set -euo pipefail
cd "$(dirname "$0")/.."

out=${1:-build/windows}
[ $# -gt 0 ] && shift

# The programs a user copies, as built under each build folder. The window's app/zelmara.exe
# joins them once the framework layer has its Win32 backend.
programs=(cli/zelmara-scan.exe)

launcher=()
if command -v ccache >/dev/null; then
  launcher=(-DCMAKE_C_COMPILER_LAUNCHER=ccache -DCMAKE_CXX_COMPILER_LAUNCHER=ccache)
fi

for arch in win32 win64; do
  case $arch in
    win32) target=i686-w64-mingw32 toolchain=cmake/toolchain-mingw-i686.cmake ;;
    win64) target=x86_64-w64-mingw32 toolchain=cmake/toolchain-mingw-x86_64.cmake ;;
  esac
  build=$out/build-$arch
  cmake -S . -B "$build" -DCMAKE_TOOLCHAIN_FILE="$PWD/$toolchain" -DCMAKE_BUILD_TYPE=Release \
        "${launcher[@]}" "$@"
  cmake --build "$build" -j2
  mkdir -p "$out/$arch"
  for program in "${programs[@]}"; do
    "$target-strip" -o "$out/$arch/$(basename "$program")" "$build/$program"
  done
done

for arch in win32 win64; do
  for program in "${programs[@]}"; do
    ls -l "$out/$arch/$(basename "$program")"
  done
done
