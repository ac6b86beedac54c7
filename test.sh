#!/usr/bin/env bash
# Installs what is missing, builds, and runs every test. Tests that need an X
# server start their own Xvfb; an Xvfb is started here too when there is no
# display, for anything else that wants one.
set -euo pipefail
cd "$(dirname "$0")"
source tools/prepare.sh

bumblorbs_install_missing "${BUMBLORBS_RUNTIME_PACKAGES[@]}" "${BUMBLORBS_TEST_PACKAGES[@]}"
bumblorbs_configure default
bumblorbs_compile default

# Everything that needs no X server runs again under AddressSanitizer and
# UndefinedBehaviorSanitizer; any report fails the run.
bumblorbs_configure sanitize
bumblorbs_compile sanitize
echo "Tests without an X server, under AddressSanitizer and UndefinedBehaviorSanitizer:"
if ! ASAN_OPTIONS=detect_leaks=1 LSAN_OPTIONS=suppressions="$PWD/tests/lsan.supp" \
  UBSAN_OPTIONS=print_stacktrace=1 \
  ctest --test-dir build-sanitize -LE 'e2e|static|install' -j "$(nproc)" --output-on-failure \
  >build-sanitize/ctest.log 2>&1; then
  cat build-sanitize/ctest.log
  exit 1
fi
grep 'tests passed' build-sanitize/ctest.log

source tools/xvfb.sh
trap bumblorbs_stop_xvfb EXIT
if [ -z "${DISPLAY:-}" ]; then
  bumblorbs_start_xvfb 1280x800
fi

echo "Every test:"
ctest --test-dir build --output-on-failure -j "$(nproc)"

# The Windows program, cross-built with mingw-w64 and tested under Wine (in
# German too, for its digit grouping). Its end-to-end tests read the screen
# with the Linux build's pixel reader.
bumblorbs_make_locale de_DE
bumblorbs_configure windows
bumblorbs_compile windows
echo "The Windows tests, under Wine:"
ctest --test-dir build-windows --output-on-failure
