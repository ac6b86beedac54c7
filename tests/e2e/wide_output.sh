#!/usr/bin/env bash
# An output 16384 pixels wide, twice what a buffer sized for 8192 holds:
# in its own window and as a screen saver, at 24 bits (the tiles) and at
# 16 (SDL's window surface, and images in the visual's own pixels), the toy
# paints over all of the screen's green, draws its scene, and SIGTERM ends
# it with 0.
source "$(dirname "$0")/lib.sh"

# covered: nothing of the screen's green is left (no ball is pure green, and
# 16 bits hold it exactly), in the far half above all.
covered() { [ "$(count_colour 0 0 16384 1000 00FF00)" -eq 0 ]; }

runs_wide() {
  xsetroot -solid '#00FF00'
  SDL_AUDIODRIVER=dummy "$BUMBLORBS" "$@" >"$APP_LOG" 2>&1 &
  APP_PID=$!
  wait_until 10 more_than 200 white_in_label1 || fail "$DEPTH-bit $*: no white text"
  wait_until 5 covered || fail "$DEPTH-bit $*: $(count_colour 8192 0 8192 1000 00FF00) pixels" \
    "of the far half are not painted"
  kill -TERM "$APP_PID"
  wait_exit 3
  [ "$EXIT_STATUS" -eq 0 ] || fail "$DEPTH-bit $*: SIGTERM gave status $EXIT_STATUS"
}

for DEPTH in 24 16; do
  bumblorbs_start_xvfb "16384x1000x$DEPTH"
  runs_wide
  runs_wide --root
  bumblorbs_stop_xvfb
  pass "16384 pixels wide at $DEPTH bits: painted to the far edge, in both modes"
done
