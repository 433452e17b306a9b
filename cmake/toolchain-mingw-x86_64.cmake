# 64-bit Windows (PE32+) with MinGW-w64. SSE2 is the x86-64 baseline.
set(CMAKE_SYSTEM_PROCESSOR AMD64)
set(ZELMARA_MINGW_TARGET x86_64-w64-mingw32)
include(${CMAKE_CURRENT_LIST_DIR}/mingw-w64-common.cmake)
