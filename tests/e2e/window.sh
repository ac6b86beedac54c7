#!/usr/bin/env bash
# The window covers the screen, carries name and icon, shows the designed
# scene, and a close request ends the program with status 0.
source "$(dirname "$0")/lib.sh"

bumblorbs_start_xvfb 800x600
start_app
window="$(wait_window)"

eval "$(xdotool getwindowgeometry --shell "$window")"
[ "$X" -eq 0 ] && [ "$Y" -eq 0 ] && [ "$WIDTH" -eq 800 ] && [ "$HEIGHT" -eq 600 ] ||
  fail "window at ${X},${Y} ${WIDTH}x${HEIGHT}, expected the whole 800x600 screen"
pass "covers the screen"

"$XINSPECT" icon "$window" | grep -qx '64x64' || fail "no 64x64 icon"
pass "has its icon"

wait_until 5 more_than 200 white_in_label1 || fail "no white instruction text"
# Balls are 33 pixels across at 96 dpi: their fill runs up to that wide.
sharp_balls 31 33
[ "$(dominant)" = 000000 ] || fail "the background is not black"
pass "shows the designed scene"

"$XINSPECT" close "$window"
wait_exit 5
[ "$EXIT_STATUS" -eq 0 ] || fail "close request ended with status $EXIT_STATUS"
pass "close request ends with status 0"
