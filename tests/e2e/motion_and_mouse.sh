#!/usr/bin/env bash
# The balls move and the red count appears; left paints the background, right
# ends the program; releases over the labels and middle releases do nothing.
source "$(dirname "$0")/lib.sh"

bumblorbs_start_xvfb 640x480
start_app
wait_window >/dev/null

before="$(screen_hash)"
sleep 0.3
[ "$(screen_hash)" != "$before" ] || fail "nothing moved"
pass "balls move"

# Label2's box is 24,48 121x33 pixels: the count shows there in red.
deadline=$((SECONDS + 10))
until [ "$(count_colour 24 48 121 33 FF0000)" -gt 20 ]; do
  [ "$SECONDS" -lt "$deadline" ] || fail "no red count appeared"
  sleep 0.2
done
pass "the count appears in red"

# Over Label1 (16,16 425x33) and Label2, no release reaches the window.
release 3 300 30
release 1 300 30
release 1 60 70
release 2 500 300
sleep 0.3
alive || fail "a release over a label or a middle release ended the program"
[ "$(dominant)" = 000000 ] || fail "a release over a label or a middle release changed the background"
pass "labels and the middle button change nothing"

release 1 600 440
sleep 0.3
background="$(dominant)"
[ "$background" != 000000 ] || fail "a left release did not paint the background"
pass "left release paints the background #$background"

release 3 600 440
wait_exit 3
[ "$EXIT_STATUS" -eq 0 ] || fail "right release ended with status $EXIT_STATUS"
pass "right release ends the program with status 0"
