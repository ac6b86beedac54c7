#!/usr/bin/env bash
# Measures the real program full-screen on Xvfb against the lightest
# comparable X11 toy, XScreenSaver's attraction in its balls mode (where
# the package xscreensaver-data-extra is installed), and against any other
# builds of the program named on the command line. Runs are interleaved,
# RUNS of each, SECONDS long after a 2 s warm-up, at 1920x1080 and
# 3840x2160. Prints, for each, the medians and spread of the program's and
# the X server's CPU (percent of one core) and of both together, the
# resident memory, the time to the first frame (median of 7), and the ratio
# of each build's total to attraction's.
#   bench/cpu.sh [SECONDS] [RUNS] [OTHER-BUMBLORBS...]   (after ./test.sh has built everything)
set -euo pipefail
cd "$(dirname "$0")/.."
source tools/xvfb.sh
source tests/e2e/layout.sh
source bench/measure.sh
seconds="${1:-15}"
runs="${2:-3}"
shift $(($# > 2 ? 2 : $#))
xinspect=build/tests/xinspect
attraction=/usr/libexec/xscreensaver/attraction
tick=$(getconf CLK_TCK)

candidates=(build/bumblorbs "$@")
[ -x "$attraction" ] && candidates+=(attraction)

work="$(mktemp -d)"
app=""
trap 'end_processes $app; bumblorbs_stop_xvfb; rm -rf "$work"' EXIT


start() {
  if [ "$1" = attraction ]; then
    "$attraction" -root -mode balls -points 60 -size 33 -delay 15625 -threshold 5000 \
      >/dev/null 2>&1 &
  else
    SDL_AUDIODRIVER=dummy "$1" >/dev/null 2>&1 &
  fi
  app=$!
}

# run_once CANDIDATE SCREEN: a line "CANDIDATE SCREEN program% xserver% together% rss-KiB".
run_once() {
  start "$1"
  sleep 2
  local a0 x0 t0 a1 x1 t1 rss
  a0=$(cpu_ticks "$app"); x0=$(cpu_ticks "$XVFB_PID"); t0=$(date +%s.%N)
  sleep "$seconds"
  a1=$(cpu_ticks "$app"); x1=$(cpu_ticks "$XVFB_PID"); t1=$(date +%s.%N)
  rss=$(rss_kib "$app")
  end_processes "$app"
  app=""
  awk -v c="$1" -v s="$2" -v a=$((a1 - a0)) -v x=$((x1 - x0)) -v t0="$t0" -v t1="$t1" \
    -v hz="$tick" -v rss="$rss" 'BEGIN {d = hz * (t1 - t0) / 100;
      printf "%s %s %.2f %.2f %.2f %d\n", c, s, a / d, x / d, (a + x) / d, rss}'
}

# first_frame_ms PROGRAM: from start to the white instruction on screen.
first_frame_ms() {
  local begin
  begin=$(date +%s%N)
  start "$1"
  until [ "$("$xinspect" count $LABEL1_BOX FFFFFF 2>/dev/null || echo 0)" -gt 100 ]; do
    kill -0 "$app" 2>/dev/null || { echo "$1 ended before its first frame" >&2; exit 1; }
    sleep 0.002
  done
  echo $((($(date +%s%N) - begin) / 1000000))
  end_processes "$app"
  app=""
}

for screen in 1920x1080 3840x2160; do
  bumblorbs_start_xvfb "$screen"
  for _ in $(seq "$runs"); do
    for candidate in "${candidates[@]}"; do
      run_once "$candidate" "$screen" >>"$work/runs"
    done
  done
  for candidate in "${candidates[@]}"; do
    [ "$candidate" = attraction ] && continue
    for _ in 1 2 3 4 5 6 7; do
      echo "$candidate $screen $(first_frame_ms "$candidate")" >>"$work/frames"
    done
  done
  bumblorbs_stop_xvfb
done

column() { awk -v c="$1" -v s="$2" -v k="$3" '$1 == c && $2 == s {print $k}' "$4"; }
echo "| program | screen | program %CPU | program µs a tick | X server %CPU | together | RSS | first frame |"
echo "|---|---|---|---|---|---|---|---|"
for screen in 1920x1080 3840x2160; do
  for c in "${candidates[@]}"; do
    frame="-"
    [ "$c" = attraction ] || frame="$(column "$c" "$screen" 3 "$work/frames" | median) ms"
    # At 64 ticks a second, 1% of a core is 156 µs a tick.
    printf "| %s | %s | %s (%s) | %.0f | %s (%s) | %s (%s) | %.1f MB | %s |\n" "$c" "$screen" \
      "$(column "$c" "$screen" 3 "$work/runs" | median)" "$(column "$c" "$screen" 3 "$work/runs" | spread)" \
      "$(column "$c" "$screen" 3 "$work/runs" | median | awk '{print $1 * 10000 / 64}')" \
      "$(column "$c" "$screen" 4 "$work/runs" | median)" "$(column "$c" "$screen" 4 "$work/runs" | spread)" \
      "$(column "$c" "$screen" 5 "$work/runs" | median)" "$(column "$c" "$screen" 5 "$work/runs" | spread)" \
      "$(column "$c" "$screen" 6 "$work/runs" | median | awk '{print $1 / 1024}')" "$frame"
  done
done
if [ -x "$attraction" ]; then
  echo
  echo "| program | screen | total CPU / attraction's |"
  echo "|---|---|---|"
  for screen in 1920x1080 3840x2160; do
    theirs="$(column attraction "$screen" 5 "$work/runs" | median)"
    for c in "${candidates[@]}"; do
      [ "$c" = attraction ] && continue
      ours="$(column "$c" "$screen" 5 "$work/runs" | median)"
      printf "| %s | %s | %s |\n" "$c" "$screen" "$(awk -v o="$ours" -v t="$theirs" 'BEGIN {printf "%.2f", o / t}')"
    done
  done
fi
