#!/usr/bin/env bash
# Installs what is missing, builds, and starts Bumblorbs.
set -euo pipefail
cd "$(dirname "$0")"
source tools/prepare.sh

bumblorbs_install_missing "${BUMBLORBS_RUNTIME_PACKAGES[@]}"
echo "Building Bumblorbs in build/ ..."
bumblorbs_configure default
bumblorbs_compile default --target bumblorbs >/dev/null
exec ./build/bumblorbs
