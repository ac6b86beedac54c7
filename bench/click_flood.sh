#!/usr/bin/env bash
# A flood of left releases against the program full-screen on Xvfb: its
# resident memory before and two seconds after CLICKS clicks sent as fast as
# xdotool can, and the growth, as medians and spread of RUNS interleaved runs
# of each build. The program is slowest to drain such a flood where it paints
# most, so the screen is large.
#   bench/click_flood.sh [CLICKS] [RUNS] [SIZE] [OTHER-BUMBLORBS...]   (after a build)
set -euo pipefail
cd "$(dirname "$0")/.."
source tools/xvfb.sh
source bench/measure.sh
clicks="${1:-10000}"
runs="${2:-3}"
size="${3:-3840x2160}"
shift $(($# > 3 ? 3 : $#))
candidates=(build/bumblorbs "$@")

work="$(mktemp -d)"
app=""
trap 'end_processes $app; bumblorbs_stop_xvfb; rm -rf "$work"' EXIT

for run in $(seq "$runs"); do
  for index in "${!candidates[@]}"; do
    bumblorbs_start_xvfb "$size"
    SDL_AUDIODRIVER=dummy "${candidates[$index]}" >/dev/null 2>&1 &
    app=$!
    timeout 10 xdotool search --sync --onlyvisible --name '^Bumblorbs$' >/dev/null
    sleep 1
    before=$(rss_kib "$app")
    xdotool mousemove 600 400 click --repeat "$clicks" --delay 0 1
    sleep 2
    after=$(rss_kib "$app")
    echo "$before $after" >>"$work/$index"
    end_processes "$app"
    app=""
    bumblorbs_stop_xvfb
  done
done

echo "$clicks left releases at $size, $runs runs each: resident kB before, after, growth (median, spread)"
for index in "${!candidates[@]}"; do
  printf '%-40s %s %s %s (%s)\n' "${candidates[$index]}" \
    "$(awk '{print $1}' "$work/$index" | median)" "$(awk '{print $2}' "$work/$index" | median)" \
    "$(awk '{print $2 - $1}' "$work/$index" | median)" "$(awk '{print $2 - $1}' "$work/$index" | spread)"
done
