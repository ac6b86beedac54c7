#!/usr/bin/env bash
# Takes the README's picture, docs/screenshot.png: the real program on an
# 800x600 Xvfb a moment after start, when the balls have spread and the
# count shows. Needs a build (./test.sh or ./run.sh) and ImageMagick's
# convert (Debian package imagemagick).
#   tools/make-screenshot.sh
set -euo pipefail
cd "$(dirname "$0")/.."
source tools/xvfb.sh
bumblorbs_start_xvfb 800x600
SDL_AUDIODRIVER=dummy build/bumblorbs &
app=$!
trap 'kill $app 2>/dev/null || true; wait $app 2>/dev/null || true; bumblorbs_stop_xvfb' EXIT
sleep 2.5
xwd -root -silent | /usr/bin/convert xwd:- -strip docs/screenshot.png
echo "wrote docs/screenshot.png"
