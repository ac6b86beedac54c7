#!/usr/bin/env bash
# As a native Wayland client of a real compositor: the window covers the
# whole output above weston's panel, the balls move, a left release paints
# the background and a right release ends with status 0. On an output of
# scale 2 the balls are drawn at the output's real pixels, twice the size
# and as sharp as at scale 1. With two outputs, it opens on the one where
# the pointer and the focus are. When the compositor goes away, the toy says
# so in one line and ends with status 1.
source "$(dirname "$0")/lib.sh"

start_weston 640x480
start_wayland_app
wait_until 10 more_than 200 white_in_label1 ||
  fail "no instruction text at the output's top-left: not full screen above the panel"
[ "$(dominant)" = 000000 ] || fail "the output is not covered in black"
screen_changes || fail "nothing moved"
# Sixty balls of 33 pixels and the text cover about 55,000 pixels; a buffer
# that missed a frame's changes would leave trails.
moves_on 20 || fail "the balls stopped"
lit="$(least_of 3 eval 'echo $((640 * 480 - $(count_colour 0 0 640 480 000000)))')"
echo "pixels that are not background after 20 frames or more: $lit"
[ "$lit" -lt 62000 ] || fail "$lit pixels are not background: trails of moved balls"
pass "covers the output and the balls move, without trails"
rim1="$(least_of 5 "$XINSPECT" rim)"
left_paints_right_ends 600 440
pass "left release paints, right release ends with status 0"
# The window's title and app id are the desktop entry's.
start_wayland_app WAYLAND_DEBUG=1
wait_until 10 more_than 200 white_in_label1 || fail "no second start"
release 3 600 440
wait_exit 3
grep -q 'xdg_toplevel@[0-9]*.set_app_id("bumblorbs")' "$APP_LOG" || fail "no app id"
grep -q 'xdg_toplevel@[0-9]*.set_title("Bumblorbs")' "$APP_LOG" || fail "no title"
grep -q 'xdg_toplevel@[0-9]*.set_fullscreen(nil)' "$APP_LOG" || fail "full screen names an output"
grep -q 'wl_pointer@[0-9]*.set_cursor(' "$APP_LOG" || fail "no cursor set when the pointer came in"
! grep -q 'wl_display@1.sync' <(sed -n '/wl_surface@[0-9]*.attach/,$p' "$APP_LOG") ||
  fail "a round trip while running"
pass "title and app id of the desktop entry, full screen where the compositor chooses, a cursor, no round trips"
stop_weston
bumblorbs_stop_xvfb

# 640x480 points at scale 2 fill a 1280x960 screen (weston's window on the
# Xvfb is its output's size times its scale).
start_weston 1280x960 --scale=2 --width=640 --height=480
start_wayland_app
wait_until 10 more_than 800 white_in_label1_at 2 || fail "no instruction text at scale 2"
# The whole output, not a part of it, shows the sixty balls, four times
# their area at scale 1.
moves_on 10 || fail "the balls stopped at scale 2"
lit="$(least_of 3 eval 'echo $((1280 * 960 - $(count_colour 0 0 1280 960 000000)))')"
[ "$lit" -gt 150000 ] && [ "$lit" -lt 250000 ] ||
  fail "$lit pixels are not background at scale 2, where about 205,000 are right"
# The widest run of one colour is a ball's fill, 66 pixels less its
# outline on each side (an outline in black is not told from the background).
sharp_balls 62 66
pass "scale 2: balls of $FILL real pixels inside a sharp outline (scale 1: outline $rim1)"

# The compositor going away is a fault, not a close: one line, status 1,
# and no message box.
stop_weston
wait_exit 5
[ "$EXIT_STATUS" -eq 1 ] || fail "status $EXIT_STATUS after the compositor went away"
[ "$(cat "$APP_LOG")" = "Bumblorbs: fatal error: lost the connection to the Wayland compositor" ] ||
  fail "not the one clear line when the compositor went away"
pass "the compositor's exit ends the toy with status 1 and one line"
bumblorbs_stop_xvfb

start_on_second_output
# A window that opened there stays: a frame drawn late is given a moment.
wait_until 2 left_uncovered || fail "the first output is covered too"
pass "two outputs: the window opens where the pointer and the focus are"

# SIGTERM ends the native window at once, with status 0.
kill -TERM "$APP_PID"
wait_exit 1
[ "$EXIT_STATUS" -eq 0 ] || fail "status $EXIT_STATUS after SIGTERM"
pass "SIGTERM ends it with status 0"
