#!/usr/bin/env bash
# When the X server goes away, or its window is destroyed, the program ends
# within a second or two, with a clear message and a non-zero status, without
# hanging or dumping core.
source "$(dirname "$0")/lib.sh"

bumblorbs_start_xvfb 640x480
ulimit -c 0
start_app
wait_window >/dev/null
kill -9 "$XVFB_PID"
wait "$XVFB_PID" 2>/dev/null || true
XVFB_PID=""
wait_exit 1
[ "$EXIT_STATUS" -ne 0 ] || fail "status 0 after losing the X server"
[ "$EXIT_STATUS" -lt 128 ] || fail "ended by signal $((EXIT_STATUS - 128))"
grep -q '^Bumblorbs: fatal error: lost the connection to the X server' "$APP_LOG" ||
  fail "no clear message"
pass "losing the X server ends the program with status $EXIT_STATUS"

# Another program destroys the window while the server stays: the program
# says the window was closed, not that the server went away.
bumblorbs_start_xvfb 640x480
start_app SDL_AUDIODRIVER=dummy
xdotool windowclose "$(wait_window)"
wait_exit 2
[ "$EXIT_STATUS" -eq 1 ] || fail "status $EXIT_STATUS after the window was destroyed"
[ "$(cat "$APP_LOG")" = "Bumblorbs: fatal error: the window was closed by another program" ] ||
  fail "not said that the window was closed"
pass "a window destroyed by another program is said to be closed"
