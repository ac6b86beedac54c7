#!/usr/bin/env bash
# Installs what is missing, builds, and runs every test. Tests that need an X
# server start their own Xvfb; an Xvfb is started here too when there is no
# display, for anything else that wants one.
set -euo pipefail
cd "$(dirname "$0")"
source tools/prepare.sh

bumblorbs_install_missing "${BUMBLORBS_RUNTIME_PACKAGES[@]}" "${BUMBLORBS_TEST_PACKAGES[@]}"
bumblorbs_build build

source tools/xvfb.sh
trap bumblorbs_stop_xvfb EXIT
if [ -z "${DISPLAY:-}" ]; then
  bumblorbs_start_xvfb 1280x800
fi

ctest --test-dir build --output-on-failure -j "$(nproc)"
