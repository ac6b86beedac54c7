#!/usr/bin/env bash
# The native Wayland path against the X11 path through XWayland, on one
# weston (x11 backend, pixman renderer) with a 1920x1080 output on Xvfb, and
# against the X11 path on a bare Xvfb of that size: CPU of the program and of
# the servers that show it (weston, Xwayland, Xvfb) as percent of one core,
# medians and spread of interleaved runs, the time from start to the first
# frame, the program's resident memory, and whether it maps a GL library
# (libEGL, libGL, libLLVM). Where kwin_wayland is installed, the program
# natively under kwin too (QPainter, on its own Xvfb), which keeps buffers
# until its next repaint. Ends with the ratios the Wayland path is held to:
# everything's CPU natively against through XWayland, the program's own CPU
# natively against on bare X11, and under kwin against under weston. With
# BUMBLORBS_BASELINE naming another build of the program, that build runs
# natively under weston too, interleaved with the rest, for a side-by-side
# of a change.
#   [BUMBLORBS_BASELINE=OLD_BINARY] bench/cpu_wayland.sh [SECONDS] [RUNS]
#   (after ./test.sh has built everything)
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
  local pid
  for pid in ${kwin_pid:-} ${kwin_xvfb:-} ${bare_xvfb:-}; do
    kill "$pid" 2>/dev/null || true
    wait "$pid" 2>/dev/null || true
  done
  rm -rf "$work"
}
trap stop_all EXIT

# A bare X server of the same size, for the program's X11 figure.
bumblorbs_start_xvfb 1920x1080
bare_display="$DISPLAY"
bare_xvfb="$XVFB_PID"
kwin_pid=""
kwin_xvfb=""
paths="wayland x11 bare"
baseline="${BUMBLORBS_BASELINE:-}"
[ -z "$baseline" ] || paths="wayland baseline x11 bare"
if command -v kwin_wayland >/dev/null; then
  bumblorbs_start_xvfb 1920x1080
  kwin_display="$DISPLAY"
  kwin_xvfb="$XVFB_PID"
  paths="$paths kwin"
fi
bumblorbs_start_xvfb 1920x1080
export XDG_RUNTIME_DIR="$work/runtime"
mkdir -m 700 "$XDG_RUNTIME_DIR"
weston --backend=x11-backend.so --use-pixman --socket=bench --width=1920 --height=1080 \
  --idle-time=0 --xwayland >"$work/weston.log" 2>&1 &
weston_pid=$!
until grep -q 'xserver listening on display' "$work/weston.log"; do sleep 0.1; done
xwayland_display="$(grep -o 'listening on display :[0-9]*' "$work/weston.log" | grep -o ':[0-9]*')"
if [ -n "$kwin_xvfb" ]; then
  # A copy runs where the installed binary's file capabilities are refused.
  cp /usr/bin/kwin_wayland "$work/kwin_wayland"
  KWIN_COMPOSE=Q "$work/kwin_wayland" --x11-display "$kwin_display" --socket bench-kwin \
    --width 1920 --height 1080 >"$work/kwin.log" 2>&1 &
  kwin_pid=$!
  until [ -S "$XDG_RUNTIME_DIR/bench-kwin" ]; do sleep 0.1; done
fi

server_ticks() {
  local total=0 pid servers
  if [ "$1" = bare ]; then
    servers="$bare_xvfb"
  elif [ "$1" = kwin ]; then
    servers="$kwin_pid $kwin_xvfb"
  else
    servers="$weston_pid $XVFB_PID $(pgrep -x Xwayland)"
  fi
  for pid in $servers; do
    total=$((total + $(cpu_ticks "$pid")))
  done
  echo "$total"
}

# start PATH: the program on the native Wayland path, through XWayland, or
# on the bare X server.
start() {
  if [ "$1" = wayland ]; then
    env -u DISPLAY WAYLAND_DISPLAY=bench SDL_AUDIODRIVER=dummy "$program" 2>/dev/null &
  elif [ "$1" = bare ]; then
    env -u WAYLAND_DISPLAY DISPLAY="$bare_display" SDL_AUDIODRIVER=dummy "$program" 2>/dev/null &
  elif [ "$1" = baseline ]; then
    env -u DISPLAY WAYLAND_DISPLAY=bench SDL_AUDIODRIVER=dummy "$baseline" 2>/dev/null &
  elif [ "$1" = kwin ]; then
    env -u DISPLAY WAYLAND_DISPLAY=bench-kwin SDL_AUDIODRIVER=dummy "$program" 2>/dev/null &
  else
    env -u WAYLAND_DISPLAY DISPLAY="$xwayland_display" SDL_AUDIODRIVER=dummy "$program" 2>/dev/null &
  fi
  app=$!
}

# shown PATH: whether the program's text is on the screen that path shows.
shown() {
  local display="$DISPLAY"
  [ "$1" != bare ] || display="$bare_display"
  [ "$1" != kwin ] || display="$kwin_display"
  [ "$(DISPLAY="$display" "$xinspect" count $LABEL1_BOX FFFFFF 2>/dev/null || echo 0)" -gt 100 ]
}

measure() {
  local path="$1" start_ns frame_ms a0 s0 t0 a1 s1 t1 rss gl
  start_ns=$(date +%s%N)
  start "$path"
  until shown "$path"; do sleep 0.005; done
  frame_ms=$((($(date +%s%N) - start_ns) / 1000000))
  sleep 2
  a0=$(cpu_ticks "$app"); s0=$(server_ticks "$path"); t0=$(date +%s.%N)
  sleep "$seconds"
  a1=$(cpu_ticks "$app"); s1=$(server_ticks "$path"); t1=$(date +%s.%N)
  rss=$(awk '/^VmRSS:/ {printf "%.1f", $2 / 1024}' "/proc/$app/status")
  gl=$(grep -cE 'libEGL|libGL[.X]|libGLdispatch|libLLVM' "/proc/$app/maps" || true)
  kill "$app"; wait "$app" 2>/dev/null || true; app=""
  awk -v p="$path" -v a=$((a1 - a0)) -v s=$((s1 - s0)) -v t0="$t0" -v t1="$t1" -v hz="$tick" \
    -v f="$frame_ms" -v r="$rss" -v g="$gl" 'BEGIN {printf "%s %.2f %.2f %.2f %d %s %d\n", p,
      100 * a / hz / (t1 - t0), 100 * s / hz / (t1 - t0), 100 * (a + s) / hz / (t1 - t0), f, r, g}' \
    >>"$work/results"
  # Let the compositor settle between runs, and the last picture go.
  sleep 1
  while shown "$path"; do sleep 0.05; done
}

for _ in $(seq "$runs"); do
  for path in $paths; do
    measure "$path"
  done
done

column() { awk -v p="$1" -v c="$2" '$1 == p {print $c}' "$work/results"; }
printf "| path at 1920x1080 | program %%CPU | servers %%CPU | together | first frame | RSS MB | GL maps |\n"
printf "|---|---|---|---|---|---|---|\n"
for path in $paths; do
  printf "| %s | %s (%s) | %s (%s) | %s (%s) | %s ms (%s) | %s (%s) | %s |\n" \
    "$(case $path in wayland) echo "native Wayland (weston)";; x11) echo "X11 through XWayland (weston)";;
       bare) echo "X11 on a bare Xvfb";; baseline) echo "native Wayland (weston), baseline build";; kwin) echo "native Wayland (kwin)";; esac)" \
    "$(column $path 2 | median)" "$(column $path 2 | spread)" \
    "$(column $path 3 | median)" "$(column $path 3 | spread)" \
    "$(column $path 4 | median)" "$(column $path 4 | spread)" \
    "$(column $path 5 | median)" "$(column $path 5 | spread)" \
    "$(column $path 6 | median)" "$(column $path 6 | spread)" "$(column $path 7 | sort -n | tail -n 1)"
done
awk -v w="$(column wayland 4 | median)" -v x="$(column x11 4 | median)" \
  -v wp="$(column wayland 2 | median)" -v bp="$(column bare 2 | median)" \
  'BEGIN {printf "\neverything natively / through XWayland: %.2f (at most 0.6)\n", w / x
          printf "program natively / on bare X11: %.2f (at most 1.5)\n", wp / bp}'
if [ -n "$baseline" ]; then
  awk -v w="$(column wayland 2 | median)" -v b="$(column baseline 2 | median)" \
    'BEGIN {printf "program natively / the baseline build natively: %.2f\n", w / b}'
fi
if [[ " $paths " == *" kwin "* ]]; then
  awk -v k="$(column kwin 2 | median)" -v w="$(column wayland 2 | median)" \
    'BEGIN {printf "program under kwin / under weston: %.2f (at most 2)\n", k / w}'
fi
