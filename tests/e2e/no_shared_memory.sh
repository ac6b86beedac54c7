#!/usr/bin/env bash
# On an X server that cannot share memory with the toy (as a remote display
# cannot), it says so once, naming what was refused, and draws over the
# connection instead.
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

# Where a local limit refuses the memory, the line says what was refused and
# guesses nothing about the display.
# Needs the right to make an IPC namespace of its own with a lower limit.
if unshare --ipc sysctl -qw kernel.shmmax=4096 2>/dev/null; then
  bumblorbs_stop_xvfb
  bumblorbs_start_xvfb 640x480
  unshare --ipc sh -c 'sysctl -qw kernel.shmmax=4096 && exec env SDL_AUDIODRIVER=dummy "$0"' \
    "$BUMBLORBS" >"$APP_LOG" 2>&1 &
  APP_PID=$!
  wait_window >/dev/null
  wait_until 5 grep -q 'cannot share memory' "$APP_LOG" || fail "the refusal is not said"
  grep -q 'the system refused [0-9]* bytes of shared memory: Invalid argument' "$APP_LOG" ||
    fail "the line does not say what was refused"
  ! grep -q 'remote' "$APP_LOG" || fail "the line guesses at a remote display"
  kill -TERM "$APP_PID"
  wait_exit 3
  pass "a local limit on shared memory is named as such"
fi
