#!/usr/bin/env bash
# Runs a test program against an Xvfb of its own.
#   tests/render/with_xvfb.sh PROGRAM [ARGS...]
set -euo pipefail
source "$(dirname "$0")/../../tools/xvfb.sh"
trap bumblorbs_stop_xvfb EXIT
bumblorbs_start_xvfb 640x480
"$@"
