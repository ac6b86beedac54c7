#!/usr/bin/env bash
# The native Wayland path against the X11 path through XWayland, on one
# weston (x11 backend, pixman renderer) with a 1920x1080 output on Xvfb:
# CPU of the program and of the servers that show it (weston, Xwayland, Xvfb)
# as percent of one core, medians and spread of interleaved runs, and the
# time from start to the first frame.
#   bench/cpu_wayland.sh [SECONDS] [RUNS]      (after ./test.sh has built everything)
set -euo pipefail
cd "$(dirname "$0")/.."
source tools/xvfb.sh
source tests/e2e/layout.sh
source bench/measure.sh
seconds="${1:-10}"
runs="${2:-3}"
program="$PWD/build/bumblorbs"
xinspect="$PWD/build/tests/xinspect"
tick=$(getconf CLK_TCK)
work="$(mktemp -d)"
app=""
weston_pid=""
stop_all() {
  [ -z "$app" ] || { kill "$app" 2>/dev/null || true; wait "$app" 2>/dev/null || true; }
  [ -z "$weston_pid" ] || { kill "$weston_pid" 2>/dev/null || true; wait "$weston_pid" 2>/dev/null || true; }
  bumblorbs_stop_xvfb
  rm -rf "$work"
}
trap stop_all EXIT

bumblorbs_start_xvfb 1920x1080
export XDG_RUNTIME_DIR="$work/runtime"
mkdir -m 700 "$XDG_RUNTIME_DIR"
weston --backend=x11-backend.so --use-pixman --socket=bench --width=1920 --height=1080 \
  --idle-time=0 --xwayland >"$work/weston.log" 2>&1 &
weston_pid=$!
until grep -q 'xserver listening on display' "$work/weston.log"; do sleep 0.1; done
xwayland_display="$(grep -o 'listening on display :[0-9]*' "$work/weston.log" | grep -o ':[0-9]*')"

server_ticks() {
  local total=0 pid
  for pid in "$weston_pid" "$XVFB_PID" $(pgrep -x Xwayland); do
    total=$((total + $(cpu_ticks "$pid")))
  done
  echo "$total"
}

# start PATH: the program on the native Wayland path or through XWayland.
start() {
  if [ "$1" = wayland ]; then
    env -u DISPLAY WAYLAND_DISPLAY=bench SDL_AUDIODRIVER=dummy "$program" 2>/dev/null &
  else
    env -u WAYLAND_DISPLAY DISPLAY="$xwayland_display" SDL_AUDIODRIVER=dummy "$program" 2>/dev/null &
  fi
  app=$!
}

measure() {
  local path="$1" start_ns frame_ms a0 s0 t0 a1 s1 t1
  start_ns=$(date +%s%N)
  start "$path"
  until [ "$("$xinspect" count $LABEL1_BOX FFFFFF 2>/dev/null || echo 0)" -gt 100 ]; do sleep 0.005; done
  frame_ms=$((($(date +%s%N) - start_ns) / 1000000))
  sleep 2
  a0=$(cpu_ticks "$app"); s0=$(server_ticks); t0=$(date +%s.%N)
  sleep "$seconds"
  a1=$(cpu_ticks "$app"); s1=$(server_ticks); t1=$(date +%s.%N)
  kill "$app"; wait "$app" 2>/dev/null || true; app=""
  awk -v p="$path" -v a=$((a1 - a0)) -v s=$((s1 - s0)) -v t0="$t0" -v t1="$t1" -v hz="$tick" \
    -v f="$frame_ms" 'BEGIN {printf "%s %.2f %.2f %.2f %d\n", p, 100 * a / hz / (t1 - t0),
      100 * s / hz / (t1 - t0), 100 * (a + s) / hz / (t1 - t0), f}' >>"$work/results"
  # Let the compositor settle between runs, and the last picture go.
  sleep 1
  while [ "$("$xinspect" count $LABEL1_BOX FFFFFF 2>/dev/null || echo 0)" -gt 100 ]; do sleep 0.05; done
}

for _ in $(seq "$runs"); do
  measure wayland
  measure x11
done

printf "| path at 1920x1080 | program %%CPU | servers %%CPU | together | first frame |\n"
printf "|---|---|---|---|---|\n"
for path in wayland x11; do
  column() { awk -v p="$path" -v c="$1" '$1 == p {print $c}' "$work/results"; }
  printf "| %s | %s (%s) | %s (%s) | %s (%s) | %s ms (%s) |\n" "$path" \
    "$(column 2 | median)" "$(column 2 | spread)" "$(column 3 | median)" "$(column 3 | spread)" \
    "$(column 4 | median)" "$(column 4 | spread)" "$(column 5 | median)" "$(column 5 | spread)"
done
