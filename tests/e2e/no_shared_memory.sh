#!/usr/bin/env bash
# On an X server that cannot share memory with the toy (as a remote display
# cannot), it says so once and draws over the connection instead.
source "$(dirname "$0")/lib.sh"

bumblorbs_start_xvfb 640x480 -extension MIT-SHM
start_app SDL_AUDIODRIVER=dummy
wait_window >/dev/null
wait_until 5 more_than 200 white_in_label1 || fail "no instruction text without shared memory"
screen_changes || fail "nothing moved without shared memory"
[ "$(grep -c 'cannot share memory' "$APP_LOG")" -eq 1 ] || fail "the slower path is not said once"
kill -TERM "$APP_PID"
wait_exit 3
[ "$EXIT_STATUS" -eq 0 ] || fail "status $EXIT_STATUS"
pass "without shared memory it draws over the connection and says so once"
