#!/usr/bin/env bash
# Measures the real program full-screen on Xvfb: CPU of the program and of
# the X server as percent of one core (median of 3 runs of SECONDS each, after
# a 2 s warm-up), resident memory at the end, and the time from start to the
# first painted frame (median of 5).
#   bench/cpu.sh [SECONDS]        (after ./test.sh has built everything)
set -euo pipefail
cd "$(dirname "$0")/.."
source tools/xvfb.sh
source tests/e2e/layout.sh
seconds="${1:-20}"
program=build/bumblorbs
xinspect=build/tests/xinspect
tick=$(getconf CLK_TCK)

cpu_ticks() { awk '{print $14 + $15}' "/proc/$1/stat"; }
median() { sort -n | awk '{v[NR] = $1} END {print v[int((NR + 1) / 2)]}'; }

# The program now running, ended with the Xvfb however the script ends.
app=""
stop_all() {
  if [ -n "$app" ]; then
    kill "$app" 2>/dev/null || true
    wait "$app" 2>/dev/null || true
    app=""
  fi
  bumblorbs_stop_xvfb
}

run_once() {
  SDL_AUDIODRIVER=dummy "$program" 2>/dev/null &
  app=$!
  sleep 2
  local app0 x0 t0
  app0=$(cpu_ticks "$app")
  x0=$(cpu_ticks "$XVFB_PID")
  t0=$(date +%s.%N)
  sleep "$seconds"
  local app1 x1 t1 rss
  app1=$(cpu_ticks "$app")
  x1=$(cpu_ticks "$XVFB_PID")
  t1=$(date +%s.%N)
  rss=$(awk '/VmRSS/ {print $2}' "/proc/$app/status")
  kill "$app"
  wait "$app" || true
  app=""
  awk -v a=$((app1 - app0)) -v x=$((x1 - x0)) -v t0="$t0" -v t1="$t1" -v hz="$tick" -v rss="$rss" \
    'BEGIN {printf "%.2f %.2f %d\n", 100 * a / hz / (t1 - t0), 100 * x / hz / (t1 - t0), rss}'
}

first_frame_ms() {
  local start end
  start=$(date +%s%N)
  SDL_AUDIODRIVER=dummy "$program" 2>/dev/null &
  app=$!
  # The white instruction text is in the first frame.
  until [ "$("$xinspect" count $LABEL1_BOX FFFFFF 2>/dev/null || echo 0)" -gt 100 ]; do
    if ! kill -0 "$app" 2>/dev/null; then
      echo "the program ended before its first frame" >&2
      exit 1
    fi
    sleep 0.005
  done
  end=$(date +%s%N)
  kill "$app"
  wait "$app" || true
  app=""
  echo $(((end - start) / 1000000))
}

printf "| screen | program %%CPU | X server %%CPU | together | RSS after %ss | first frame |\n" "$seconds"
printf "|---|---|---|---|---|---|\n"
# Runs write to files, not through $(...): a subshell could not stop the
# program it started if it failed half-way.
results="$(mktemp)"
frames="$(mktemp)"
trap 'stop_all; rm -f "$results" "$frames"' EXIT
for screen in 1920x1080 3840x2160; do
  bumblorbs_start_xvfb "$screen"
  : >"$results"
  : >"$frames"
  for _ in 1 2 3; do run_once >>"$results"; done
  for _ in 1 2 3 4 5; do first_frame_ms >>"$frames"; done
  program_cpu=$(awk '{print $1}' "$results" | median)
  xserver=$(awk '{print $2}' "$results" | median)
  together=$(awk '{print $1 + $2}' "$results" | median)
  rss=$(awk '{print $3}' "$results" | median)
  frame=$(median <"$frames")
  printf "| %s | %s | %s | %s | %s MiB | %s ms |\n" "$screen" "$program_cpu" "$xserver" "$together" \
    "$(awk -v k="$rss" 'BEGIN {printf "%.1f", k / 1024}')" "$frame"
  bumblorbs_stop_xvfb
done
