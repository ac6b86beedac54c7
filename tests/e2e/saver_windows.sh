#!/usr/bin/env bash
# As a screen saver in a compositor's 32-bit ARGB window, every pixel the
# toy writes is opaque; an input-only window, which cannot be drawn in, is
# refused in one line with status 2, as a missing window is.
source "$(dirname "$0")/lib.sh"

bumblorbs_start_xvfb 640x480

"$XINSPECT" window 20 20 480 360 argb >"$WORK/argb" &
HELPER_PIDS+=($!)
wait_until 5 test -s "$WORK/argb" || fail "no ARGB window"
argb="$(cat "$WORK/argb")"
SDL_AUDIODRIVER=dummy "$BUMBLORBS" --window-id "$argb" >"$APP_LOG" 2>&1 &
APP_PID=$!
# lit_and_opaque: the scene is drawn (its text and balls are far from
# black), and no pixel of the window lets what lies behind it show.
drawn() { [ "$("$XINSPECT" alpha "$argb" | cut -d' ' -f2)" -gt 2000 ]; }
wait_until 5 drawn || fail "nothing drawn in the ARGB window"
for read in 1 2 3; do
  translucent="$("$XINSPECT" alpha "$argb" | cut -d' ' -f1)"
  [ "$translucent" -eq 0 ] || fail "$translucent pixels of the ARGB window are not opaque"
  sleep 0.1
done
kill -TERM "$APP_PID"
wait_exit 2
[ "$EXIT_STATUS" -eq 0 ] || fail "SIGTERM in the ARGB window gave status $EXIT_STATUS"
pass "a 32-bit ARGB window: every pixel opaque"

"$XINSPECT" window 20 20 100 100 input >"$WORK/input" &
HELPER_PIDS+=($!)
wait_until 5 test -s "$WORK/input" || fail "no input-only window"
input="$(cat "$WORK/input")"
status=0
timeout 5 "$BUMBLORBS" --window-id "$input" >"$WORK/out" 2>"$APP_LOG" || status=$?
[ "$status" -eq 2 ] && [ "$(wc -l <"$APP_LOG")" -eq 1 ] && grep -q 'input-only' "$APP_LOG" ||
  fail "an input-only window: status $status"
pass "an input-only window: one line and status 2"
