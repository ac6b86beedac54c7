#!/usr/bin/env bash
# Runs a test program against an Xvfb of its own, started with the options
# in XVFB_OPTIONS, if any.
#   [XVFB_OPTIONS=...] tests/render/with_xvfb.sh PROGRAM [ARGS...]
set -euo pipefail
source "$(dirname "$0")/../../tools/xvfb.sh"
trap bumblorbs_stop_xvfb EXIT
# shellcheck disable=SC2086 # the options are words
bumblorbs_start_xvfb 640x480 ${XVFB_OPTIONS:-}
"$@"
