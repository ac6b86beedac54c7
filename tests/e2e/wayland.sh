#!/usr/bin/env bash
# As a native Wayland client of a real compositor: the window covers the
# whole output above weston's panel, the balls move, a left release paints
# the background and a right release ends with status 0. On an output of
# scale 2 the balls are drawn at the output's real pixels, twice the size
# and as sharp as at scale 1; when the compositor goes away, the toy says
# so in one line and ends with status 1.
source "$(dirname "$0")/lib.sh"

start_weston 640x480
start_wayland_app
wait_until 10 more_than 200 white_in_label1 ||
  fail "no instruction text at the output's top-left: not full screen above the panel"
[ "$(dominant)" = 000000 ] || fail "the output is not covered in black"
screen_changes || fail "nothing moved"
pass "covers the output and the balls move"
rim1="$(least_of 5 "$XINSPECT" rim)"
release 1 600 440
not_black() { [ "$(dominant)" != 000000 ]; }
wait_until 3 not_black || fail "a left release did not paint the background"
release 3 600 440
wait_exit 3
[ "$EXIT_STATUS" -eq 0 ] || fail "right release ended with status $EXIT_STATUS"
pass "left release paints, right release ends with status 0"
stop_weston
bumblorbs_stop_xvfb

# 640x480 points at scale 2 fill a 1280x960 screen.
start_weston 1280x960 --scale=2
start_wayland_app
wait_until 10 more_than 800 white_in_label1_at 2 || fail "no instruction text at scale 2"
# The widest run of one colour is a ball's fill, 66 pixels less its
# outline on each side (an outline in black is not told from the background).
fill="$(least_of 5 "$XINSPECT" widest)"
rim2="$(least_of 5 "$XINSPECT" rim)"
echo "scale 2: a ball's fill is $fill pixels across, its outline $rim2 (scale 1: $rim1)"
[ "$fill" -ge 62 ] && [ "$fill" -le 66 ] || fail "a ball's fill is $fill pixels across at scale 2"
[ "$rim2" -le 2 ] || fail "the outline is $rim2 pixels wide: the picture was scaled up"
pass "scale 2: balls of $fill real pixels inside a sharp outline"

# The compositor going away is a fault, not a close: one line, status 1.
stop_weston
wait_exit 5
[ "$EXIT_STATUS" -eq 1 ] || fail "status $EXIT_STATUS after the compositor went away"
grep -q '^Bumblorbs: fatal error: lost the connection to the Wayland compositor$' "$APP_LOG" ||
  fail "no clear line when the compositor went away"
pass "the compositor's exit ends the toy with status 1 and one line"
