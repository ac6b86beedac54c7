#!/usr/bin/env bash
# Ball 0's bounces are heard; without a sound device the toy runs silently.
source "$(dirname "$0")/lib.sh"

# On so small a screen ball 0 starts below the bottom edge and bounces on
# every tick.
bumblorbs_start_xvfb 200x150
start_app SDL_AUDIODRIVER=disk SDL_DISKAUDIOFILE="$WORK/audio.raw"
wait_window >/dev/null
sounded() { [ "$(tr -d '\0' <"$WORK/audio.raw" 2>/dev/null | wc -c)" -gt 1000 ]; }
wait_until 5 sounded || fail "no beep was played"
kill -TERM "$APP_PID"
wait_exit 3 && [ "$EXIT_STATUS" -eq 0 ] || fail "did not end cleanly"
pass "ball 0's bounces are heard"

start_app SDL_AUDIODRIVER=nosuchdriver
wait_window >/dev/null
noticed() { grep -q 'Bumblorbs: no sound' "$APP_LOG"; }
wait_until 3 noticed || fail "no notice of the missing sound"
alive || fail "no sound device ended the program"
[ "$(grep -c 'Bumblorbs: no sound' "$APP_LOG")" -eq 1 ] || fail "no one-line notice of the missing sound"
[ "$(wc -l <"$APP_LOG")" -eq 1 ] || fail "more than one line on stderr"
kill -TERM "$APP_PID"
wait_exit 3 && [ "$EXIT_STATUS" -eq 0 ] || fail "did not end cleanly"
pass "without a sound device the toy runs silently"
