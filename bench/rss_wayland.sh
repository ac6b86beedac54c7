#!/usr/bin/env bash
# The native Wayland path's resident memory on a 1280x720 output at scale 2
# (2560x1440 real pixels, 14.4 MB a frame buffer), under compositors that
# hand buffers back differently: weston's GL renderer copies a buffer at
# commit and releases it at once; weston's pixman renderer and kwin's
# QPainter scene hold the shown buffer until the next replaces it. RSS after
# SECONDS of running, the shared-memory buffers mapped then, medians and
# spread of interleaved runs. With BUMBLORBS_BASELINE naming another build,
# that build runs too, interleaved, for a side-by-side of a change.
#   [BUMBLORBS_BASELINE=OLD_BINARY] bench/rss_wayland.sh [SECONDS] [RUNS]
set -euo pipefail
cd "$(dirname "$0")/.."
source tools/xvfb.sh
source bench/measure.sh
seconds="${1:-20}"
runs="${2:-3}"
builds="new"
[ -z "${BUMBLORBS_BASELINE:-}" ] || builds="new baseline"
work="$(mktemp -d)"
export XDG_RUNTIME_DIR="$work/runtime"
mkdir -m 700 "$XDG_RUNTIME_DIR"
compositor=""
app=""
stop_all() {
  end_processes $app $compositor
  bumblorbs_stop_xvfb
  rm -rf "$work"
}
trap stop_all EXIT

# start_compositor NAME: one compositor on a fresh Xvfb, socket NAME.
start_compositor() {
  bumblorbs_start_xvfb 2560x1440
  case "$1" in
    weston-gl | weston-pixman)
      weston --backend=x11-backend.so $([ "$1" = weston-pixman ] && echo --use-pixman) \
        --socket="$1" --width=1280 --height=720 --scale=2 --idle-time=0 >"$work/$1.log" 2>&1 &
      ;;
    kwin)
      # A copy runs where the installed binary's file capabilities are refused.
      cp /usr/bin/kwin_wayland "$work/kwin_wayland"
      KWIN_COMPOSE=Q "$work/kwin_wayland" --x11-display "$DISPLAY" --socket "$1" \
        --width 1280 --height 720 --scale 2 >"$work/$1.log" 2>&1 &
      ;;
  esac
  compositor=$!
  until [ -S "$XDG_RUNTIME_DIR/$1" ]; do sleep 0.1; done
}

# measure COMPOSITOR BUILD: RSS in MB and the frame buffers mapped.
measure() {
  local program="$PWD/build/bumblorbs"
  [ "$2" = new ] || program="$BUMBLORBS_BASELINE"
  env -u DISPLAY WAYLAND_DISPLAY="$1" SDL_AUDIODRIVER=dummy "$program" 2>/dev/null &
  app=$!
  sleep "$seconds"
  local buffers
  buffers=$(grep -c 'memfd:bumblorbs' "/proc/$app/maps" || true)
  echo "$1 $2 $(awk -v k="$(rss_kib "$app")" 'BEGIN {printf "%.1f", k / 1024}') $buffers" \
    >>"$work/results"
  end_processes "$app"
  app=""
}

compositors="weston-gl weston-pixman"
! command -v kwin_wayland >/dev/null || compositors="$compositors kwin"
for name in $compositors; do
  start_compositor "$name"
  for _ in $(seq "$runs"); do
    for build in $builds; do
      measure "$name" "$build"
    done
  done
  end_processes "$compositor"
  compositor=""
  bumblorbs_stop_xvfb
done

column() { awk -v c="$1" -v b="$2" -v n="$3" '$1 == c && $2 == b {print $n}' "$work/results"; }
printf "| compositor at 2560x1440 | build | RSS MB | frame buffers |\n|---|---|---|---|\n"
for name in $compositors; do
  for build in $builds; do
    printf "| %s | %s | %s (%s) | %s |\n" "$name" "$build" "$(column "$name" "$build" 3 | median)" \
      "$(column "$name" "$build" 3 | spread)" "$(column "$name" "$build" 4 | sort -n | tail -n 1)"
  done
done
