#!/usr/bin/env bash
# The Windows program under Wine covers the screen with the scene (black,
# the white instruction, the red count and ball 0), its balls move, a left
# release paints the background and a right release ends it with status 0.
source "$(dirname "$0")/wine_lib.sh"

bumblorbs_start_xvfb 1280x720
start_wine "$BUMBLORBS"
wait_scene
# Ball 0 is the one red ball; the count is red too, but only in its box.
ball_zero_red() { echo $(($(count_colour 0 0 1280 720 FF0000) - $(red_in_label2))); }
wait_until 5 more_than 200 ball_zero_red || fail "ball 0 is not on screen"
pass "the scene covers the screen: black, the white instruction, the red count and ball 0"

screen_changes || fail "the balls do not move"
pass "the balls move"

left_paints_right_ends 640 400
pass "a left release paints the background; a right release ends with 0"
