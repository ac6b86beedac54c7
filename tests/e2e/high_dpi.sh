#!/usr/bin/env bash
# On a 192 dpi desktop (Xft.dpi) balls and text are twice the size.
source "$(dirname "$0")/lib.sh"

measure() {
  start_app
  wait_window >/dev/null
  wait_until 5 more_than 0 white_in_label1 || fail "no instruction text at scale $1"
  BALL="$(least_of 5 "$XINSPECT" widest)"
  # Label1's box, at the scale asked for.
  TEXT_ROWS="$("$XINSPECT" rows 0 0 $((440 * $1)) $((50 * $1)) FFFFFF)"
  kill -TERM "$APP_PID"
  wait_exit 3
}

bumblorbs_start_xvfb 1600x1200
measure 1
ball96=$BALL
text96=$TEXT_ROWS
echo "Xft.dpi: 192" | xrdb -nocpp -merge
measure 2
ball192=$BALL
text192=$TEXT_ROWS
echo "96 dpi: ball $ball96 px, text $text96 rows; 192 dpi: ball $ball192 px, text $text192 rows"
[ "$ball96" -ge 31 ] && [ "$ball96" -le 33 ] || fail "a ball is $ball96 px across at 96 dpi"
[ "$ball192" -ge 64 ] && [ "$ball192" -le 66 ] || fail "a ball is $ball192 px across at 192 dpi"
[ "$text192" -ge $((2 * text96 - 3)) ] && [ "$text192" -le $((2 * text96 + 3)) ] ||
  fail "the text is not twice as tall"
pass "192 dpi doubles balls and text"
