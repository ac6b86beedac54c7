#!/usr/bin/env bash
# The balls move and the red count appears; left paints the background, right
# ends the program; releases over the labels and middle releases do nothing.
source "$(dirname "$0")/lib.sh"

bumblorbs_start_xvfb 640x480
start_app
wait_window >/dev/null

screen_changes || fail "nothing moved"
pass "balls move"

wait_until 10 more_than 20 red_in_label2 || fail "no red count appeared"
pass "the count appears in red"

# Over Label1 (16,16 425x33) and Label2 (24,48 121x33), no release reaches
# the window. Nothing is to happen, so the test watches for a while that
# nothing does; the left release after them, handled in order, shows that
# the program had them.
release 3 300 30
release 1 300 30
release 1 60 70
release 2 500 300
alive_on_black() { alive && [ "$(dominant)" = 000000 ]; }
stays 0.5 alive_on_black ||
  fail "a release over a label or a middle release ended the program or changed the background"

release 1 600 440
wait_until 3 not_black || fail "a left release did not paint the background"
alive || fail "a release over a label or a middle release ended the program"
pass "labels and the middle button change nothing"
background="$(dominant)"
pass "left release paints the background #$background"

release 3 600 440
wait_exit 3
[ "$EXIT_STATUS" -eq 0 ] || fail "right release ended with status $EXIT_STATUS"
pass "right release ends the program with status 0"
