#!/usr/bin/env bash
# Builds Zelmara for 32- and 64-bit Windows with MinGW-w64 and leaves in OUT (default
# build/windows) the programs, stripped and ready to copy, in OUT/win32 and OUT/win64, and for
# each architecture the installer and the portable zip (cmake/WindowsPackaging.cmake):
#
#     bash tools/build-windows.sh [OUT] [CMAKE_OPTION...]
#
#     OUT/zelmara-<version>-win32-setup.exe   OUT/zelmara-<version>-win32.zip
#     OUT/zelmara-<version>-win64-setup.exe   OUT/zelmara-<version>-win64.zip
#
# The build folders are OUT/build-win32 and OUT/build-win64; run their tests under Wine with
# `ctest --test-dir OUT/build-win32` (and build-win64). Each CMAKE_OPTION goes to both
# configurations: tools/test.sh passes -DZELMARA_WERROR=ON and the Linux zelmara-scan to compare
# with (-DZELMARA_REFERENCE_SCAN=...).
set -euo pipefail
cd "$(dirname "$0")/.."

out=${1:-build/windows}
[ $# -gt 0 ] && shift

launcher=()
if command -v ccache >/dev/null; then
  launcher=(-DCMAKE_C_COMPILER_LAUNCHER=ccache -DCMAKE_CXX_COMPILER_LAUNCHER=ccache)
fi

made=()
for arch in win32 win64; do
  case $arch in
    win32) toolchain=cmake/toolchain-mingw-i686.cmake ;;
    win64) toolchain=cmake/toolchain-mingw-x86_64.cmake ;;
  esac
  build=$out/build-$arch
  cmake -S . -B "$build" -DCMAKE_TOOLCHAIN_FILE="$PWD/$toolchain" -DCMAKE_BUILD_TYPE=Release \
        "${launcher[@]}" "$@"
  cmake --build "$build" -j2
  version=$(sed -n 's/^CMAKE_PROJECT_VERSION:STATIC=//p' "$build/CMakeCache.txt")
  package=$build/package/zelmara-$version-$arch
  mkdir -p "$out/$arch"
  cp "$package"/*.exe "$out/$arch/"
  cp "$package-setup.exe" "$package.zip" "$out/"
  made+=("$out/$arch"/*.exe "$out/zelmara-$version-$arch-setup.exe" "$out/zelmara-$version-$arch.zip")
done

ls -l "${made[@]}"
