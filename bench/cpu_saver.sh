#!/usr/bin/env bash
# Measures the screen saver mode against the full-screen mode, the same
# build on the same Xvfb: the toy full screen in its own window, then
# `--root` on the root window, then in a window of another client's that
# covers the screen, as XScreenSaver's is (`--window-id`). Runs are
# interleaved, RUNS of each, SECONDS long after a 2 s warm-up. Prints the
# medians and spread of the program's and the X server's CPU (percent of
# one core) and of both together, and each mode's total against the
# full-screen mode's.
#   bench/cpu_saver.sh [SECONDS] [RUNS] [SCREEN]   (after ./test.sh has built everything)
set -euo pipefail
cd "$(dirname "$0")/.."
source tools/xvfb.sh
source bench/measure.sh
seconds="${1:-15}"
runs="${2:-3}"
screen="${3:-1920x1080}"
program=build/bumblorbs
xinspect=build/tests/xinspect
tick=$(getconf CLK_TCK)
modes=(full-screen root window)

work="$(mktemp -d)"
app=""
holder=""
stop() {
  end_processes $app $holder
  app=""
  holder=""
}
trap 'stop; bumblorbs_stop_xvfb; rm -rf "$work"' EXIT

start() {
  case "$1" in
    full-screen) SDL_AUDIODRIVER=dummy "$program" >/dev/null 2>&1 & ;;
    root) "$program" --root >/dev/null 2>&1 & ;;
    window)
      "$xinspect" window 0 0 "${screen%x*}" "${screen#*x}" >"$work/window" &
      holder=$!
      until [ -s "$work/window" ]; do sleep 0.05; done
      "$program" --window-id "$(cat "$work/window")" >/dev/null 2>&1 &
      ;;
  esac
  app=$!
}

# run_once MODE: a line "MODE program% xserver% together%".
run_once() {
  start "$1"
  sleep 2
  local a0 x0 t0 a1 x1 t1
  a0=$(cpu_ticks "$app"); x0=$(cpu_ticks "$XVFB_PID"); t0=$(date +%s.%N)
  sleep "$seconds"
  a1=$(cpu_ticks "$app"); x1=$(cpu_ticks "$XVFB_PID"); t1=$(date +%s.%N)
  stop
  rm -f "$work/window"
  awk -v m="$1" -v a=$((a1 - a0)) -v x=$((x1 - x0)) -v t0="$t0" -v t1="$t1" -v hz="$tick" \
    'BEGIN {d = hz * (t1 - t0) / 100; printf "%s %.2f %.2f %.2f\n", m, a / d, x / d, (a + x) / d}'
}

bumblorbs_start_xvfb "$screen"
for _ in $(seq "$runs"); do
  for mode in "${modes[@]}"; do
    run_once "$mode" >>"$work/runs"
  done
done

column() { awk -v m="$1" -v k="$2" '$1 == m {print $k}' "$work/runs"; }
full="$(column full-screen 4 | median)"
echo "$screen, $runs runs of $seconds s each, interleaved"
echo "| mode | program %CPU | X server %CPU | together | together / full screen's |"
echo "|---|---|---|---|---|"
for mode in "${modes[@]}"; do
  together="$(column "$mode" 4 | median)"
  printf "| %s | %s (%s) | %s (%s) | %s (%s) | %s |\n" "$mode" \
    "$(column "$mode" 2 | median)" "$(column "$mode" 2 | spread)" \
    "$(column "$mode" 3 | median)" "$(column "$mode" 3 | spread)" \
    "$together" "$(column "$mode" 4 | spread)" \
    "$(awk -v o="$together" -v t="$full" 'BEGIN {printf "%.2f", o / t}')"
done
