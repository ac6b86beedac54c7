#!/usr/bin/env bash
# cppcheck over the project's own sources; any finding fails.
#   tests/static/cppcheck.sh SOURCE_DIR
set -euo pipefail
cd "$1"
cppcheck --quiet --error-exitcode=1 --inline-suppr --std=c++20 --language=c++ \
  --enable=warning,performance,portability \
  --suppress=missingIncludeSystem -I src -I . -I assets/icons src tools
