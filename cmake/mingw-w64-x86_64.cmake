# Cross-builds the Windows program on Debian with mingw-w64's POSIX-threads
# compilers (g++-mingw-w64-x86-64-posix). Programs built here run under Wine,
# which is also how their tests run.
set(CMAKE_SYSTEM_NAME Windows)
set(CMAKE_SYSTEM_PROCESSOR x86_64)

set(BUMBLORBS_MINGW x86_64-w64-mingw32)
set(CMAKE_C_COMPILER ${BUMBLORBS_MINGW}-gcc-posix)
set(CMAKE_CXX_COMPILER ${BUMBLORBS_MINGW}-g++-posix)
set(CMAKE_RC_COMPILER ${BUMBLORBS_MINGW}-windres)

set(CMAKE_FIND_ROOT_PATH /usr/${BUMBLORBS_MINGW})
set(CMAKE_FIND_ROOT_PATH_MODE_PROGRAM NEVER)
set(CMAKE_FIND_ROOT_PATH_MODE_LIBRARY ONLY)
set(CMAKE_FIND_ROOT_PATH_MODE_INCLUDE ONLY)
set(CMAKE_FIND_ROOT_PATH_MODE_PACKAGE ONLY)

# Tests run through Wine's 64-bit loader directly: Debian's `wine` script
# insists on the 32-bit one as well.
find_program(BUMBLORBS_WINE64 NAMES wine64 PATHS /usr/lib/wine NO_CMAKE_FIND_ROOT_PATH)
if(BUMBLORBS_WINE64)
  set(CMAKE_CROSSCOMPILING_EMULATOR ${BUMBLORBS_WINE64})
endif()
