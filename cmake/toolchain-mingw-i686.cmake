# 32-bit Windows (PE32) with MinGW-w64. The core's target asks for SSE2 arithmetic
# (zelmara_ieee_double in the top CMakeLists.txt), so that every double operation of the
# numerics rounds as it does on x86-64.
set(CMAKE_SYSTEM_PROCESSOR x86)
set(ZELMARA_MINGW_TARGET i686-w64-mingw32)
include(${CMAKE_CURRENT_LIST_DIR}/mingw-w64-common.cmake)
