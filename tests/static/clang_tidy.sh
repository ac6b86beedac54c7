#!/usr/bin/env bash
# clang-tidy with the project's .clang-tidy over the project's own sources.
#   tests/static/clang_tidy.sh SOURCE_DIR BUILD_DIR
set -euo pipefail
cd "$1"
find src tools -name '*.cpp' -print0 |
  xargs -0 -n 4 -P "$(nproc)" clang-tidy --quiet -p "$2" 2>/dev/null
