#!/usr/bin/env bash
# Runs the real program full-screen on Xvfb (1920x1080) for SECONDS (600 by
# default), sampling its resident memory and its tick and bounce counts every
# 30 s, from a build that reports its ticks.
#   bench/soak.sh [SECONDS]
set -euo pipefail
cd "$(dirname "$0")/.."
source tools/prepare.sh
source tools/xvfb.sh
seconds="${1:-600}"

bumblorbs_configure soak
bumblorbs_compile soak --target bumblorbs >/dev/null

bumblorbs_start_xvfb 1920x1080
log="$(mktemp)"
SDL_AUDIODRIVER=dummy build-soak/bumblorbs 2>"$log" &
app=$!
trap 'kill $app 2>/dev/null || true; bumblorbs_stop_xvfb; rm -f "$log"' EXIT

echo "| after | RSS | ticks in the last 30 s | ticks per second | bounces in the last 30 s |"
echo "|---|---|---|---|---|"
last_ticks=0
last_count=0
# The program reports 30 s after its first tick; sample just after that.
sleep 2
for ((elapsed = 30; elapsed <= seconds; elapsed += 30)); do
  sleep 30
  rss=$(awk '/VmRSS/ {print $2}' "/proc/$app/status")
  report="$(grep 'ticks' "$log" | tail -n 1 || true)"
  ticks=$(awk '{print $3}' <<<"${report:-x x 0 x 0}")
  count=$(awk '{print $5}' <<<"${report:-x x 0 x 0}")
  printf "| %d s | %d KiB | %d | %.2f | %d |\n" "$elapsed" "$rss" $((ticks - last_ticks)) \
    "$(awk -v t=$((ticks - last_ticks)) 'BEGIN {print t / 30}')" $((count - last_count))
  last_ticks=$ticks
  last_count=$count
done
