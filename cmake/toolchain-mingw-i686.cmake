# 32-bit Windows (PE32) with MinGW-w64. Arithmetic in SSE2 registers, never in the x87's
# extended precision, so every double operation rounds as it does on x86-64.
set(CMAKE_SYSTEM_PROCESSOR x86)
set(ZELMARA_MINGW_TARGET i686-w64-mingw32)
include(${CMAKE_CURRENT_LIST_DIR}/mingw-w64-common.cmake)

set(CMAKE_C_FLAGS_INIT "-msse2 -mfpmath=sse")
set(CMAKE_CXX_FLAGS_INIT "-msse2 -mfpmath=sse")
