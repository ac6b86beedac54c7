#!/usr/bin/env bash
# clang-tidy with the project's .clang-tidy over the project's own sources.
# The Windows sources are checked against the Windows build's compile
# commands, where that build has been configured beside this one.
#   tests/static/clang_tidy.sh SOURCE_DIR BUILD_DIR
set -euo pipefail
cd "$1"
windows_sources=(src/host/win32 src/main_win32.cpp src/host/core/local_clock_windows.cpp)
find src tools \( -path src/host/win32 -o -name main_win32.cpp -o -name '*_windows.cpp' \) -prune \
  -o -name '*.cpp' -print0 |
  xargs -0 -n 4 -P "$(nproc)" clang-tidy --quiet -p "$2" 2>/dev/null
mingw=x86_64-w64-mingw32-g++-posix
if [ -f build-windows/compile_commands.json ] && command -v "$mingw" >/dev/null; then
  # clang takes mingw's own C++ library, as g++ does.
  cxx="$(dirname "$("$mingw" -print-libgcc-file-name)")/include/c++"
  find "${windows_sources[@]}" -name '*.cpp' -print0 |
    xargs -0 -n 4 -P "$(nproc)" clang-tidy --quiet -p build-windows \
      --extra-arg=--target=x86_64-w64-mingw32 --extra-arg="-isystem$cxx" \
      --extra-arg="-isystem$cxx/x86_64-w64-mingw32" --extra-arg="-isystem$cxx/backward" 2>/dev/null
fi
