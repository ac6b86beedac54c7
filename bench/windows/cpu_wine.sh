#!/usr/bin/env bash
# The Windows program under Wine against the Linux X11 program, on one
# 1280x720 Xvfb, runs interleaved, RUNS of each, SECONDS long after a 3 s
# warm-up. Prints each run and the medians of the CPU (percent of one core)
# of the program (under Wine: with every Wine process of its prefix, the
# wineserver and Wine's own services included), of the X server, and of
# both. Not a budget: Wine turns GDI into X11 calls of its own.
#   bench/windows/cpu_wine.sh [SECONDS] [RUNS]   (after both builds and the Windows tests)
set -euo pipefail
cd "$(dirname "$0")/../.."
source tools/xvfb.sh
source bench/measure.sh
seconds="${1:-10}"
runs="${2:-3}"
tick=$(getconf CLK_TCK)
export WINEPREFIX="$PWD/build-windows/wine" WINEDEBUG=-all WINEDLLOVERRIDES="mscoree,mshtml=;winealsa.drv=d"
wine64=/usr/lib/wine/wine64
wineserver="$(dirname "$wine64")/wineserver"
app=""
work="$(mktemp -d)"
trap 'end_processes $app; "$wineserver" -k 2>/dev/null || true; bumblorbs_stop_xvfb; rm -rf "$work"' EXIT
bumblorbs_start_xvfb 1280x720

# The processes of the program: itself, or under Wine everything started in
# its prefix.
program_pids() {
  if [ "$1" = linux ]; then
    echo "$app"
  else
    grep -lsz "^WINEPREFIX=$WINEPREFIX\$" /proc/[0-9]*/environ | cut -d/ -f3
  fi
}
ticks_of() {
  local total=0 pid
  for pid in "$@"; do
    total=$((total + $(cpu_ticks "$pid" 2>/dev/null || echo 0)))
  done
  echo "$total"
}

run_once() {
  if [ "$1" = linux ]; then
    SDL_AUDIODRIVER=dummy build/bumblorbs >/dev/null 2>&1 &
  else
    "$wine64" build-windows/bumblorbs.exe >/dev/null 2>&1 &
  fi
  app=$!
  sleep 3
  local pids a0 x0 t0 a1 x1 t1
  read -ra pids <<<"$(program_pids "$1" | tr '\n' ' ')"
  a0=$(ticks_of "${pids[@]}"); x0=$(cpu_ticks "$XVFB_PID"); t0=$(date +%s.%N)
  sleep "$seconds"
  a1=$(ticks_of "${pids[@]}"); x1=$(cpu_ticks "$XVFB_PID"); t1=$(date +%s.%N)
  end_processes "$app"
  app=""
  [ "$1" = linux ] || "$wineserver" -w
  awk -v c="$1" -v a=$((a1 - a0)) -v x=$((x1 - x0)) -v t0="$t0" -v t1="$t1" -v hz="$tick" \
    'BEGIN {d = hz * (t1 - t0) / 100; printf "%s %.2f %.2f %.2f\n", c, a / d, x / d, (a + x) / d}'
}

for _ in $(seq "$runs"); do
  for candidate in windows linux; do
    run_once "$candidate" | tee -a "$work/runs"
  done
done
for candidate in windows linux; do
  for column in 2 3 4; do
    awk -v c="$candidate" -v k="$column" '$1 == c {print $k}' "$work/runs" | median >"$work/m$column"
  done
  echo "median $candidate: program $(cat "$work/m2")%, X server $(cat "$work/m3")%, together $(cat "$work/m4")%"
done
