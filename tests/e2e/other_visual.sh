#!/usr/bin/env bash
# On a 16-bit display the toy runs on SDL's window surface, says so in one
# line, and shows the same picture: black, the red ball 0 and count, the
# white text; left release paints the background, right release ends it.
source "$(dirname "$0")/lib.sh"

bumblorbs_start_xvfb 640x480x16
start_app SDL_AUDIODRIVER=dummy
wait_window >/dev/null
screen_changes || fail "nothing moved"
[ "$(dominant)" = 000000 ] || fail "the background is #$(dominant), not black"
wait_until 3 more_than 20 white_in_label1 || fail "no white text"
wait_until 10 more_than 20 red_in_label2 || fail "no red count"
# Ball 0 is a red disc 33 pixels across, beyond the count's red.
red_ball() { [ "$(count_colour 0 0 640 480 FF0000)" -gt $(($(red_in_label2) + 600)) ]; }
wait_until 3 red_ball || fail "no red ball 0"
[ "$(wc -l <"$APP_LOG")" -eq 1 ] && grep -q "visual is 16-bit TrueColor.*slower" "$APP_LOG" ||
  fail "not one line naming the slower path: $(cat "$APP_LOG")"
pass "16-bit: the picture, and one line on the slower path"

left_paints_right_ends 600 440
pass "left release paints, right release ends with status 0"
