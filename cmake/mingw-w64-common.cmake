# Shared part of the two Windows toolchain files: Debian's MinGW-w64 cross tools for the target
# named by ZELMARA_MINGW_TARGET (i686-w64-mingw32 or x86_64-w64-mingw32).
#
# The posix-thread compilers, because zelmara-scan uses std::thread. Executables are linked
# statically (C++ runtime, GCC runtime, winpthread), so they need no DLL beyond Windows' own.
set(CMAKE_SYSTEM_NAME Windows)

set(CMAKE_C_COMPILER ${ZELMARA_MINGW_TARGET}-gcc-posix)
set(CMAKE_CXX_COMPILER ${ZELMARA_MINGW_TARGET}-g++-posix)
set(CMAKE_RC_COMPILER ${ZELMARA_MINGW_TARGET}-windres)
set(CMAKE_STRIP ${ZELMARA_MINGW_TARGET}-strip)

set(CMAKE_FIND_ROOT_PATH /usr/${ZELMARA_MINGW_TARGET})
set(CMAKE_FIND_ROOT_PATH_MODE_PROGRAM NEVER)
set(CMAKE_FIND_ROOT_PATH_MODE_LIBRARY ONLY)
set(CMAKE_FIND_ROOT_PATH_MODE_INCLUDE ONLY)
set(CMAKE_FIND_ROOT_PATH_MODE_PACKAGE ONLY)

set(CMAKE_EXE_LINKER_FLAGS_INIT "-static")
