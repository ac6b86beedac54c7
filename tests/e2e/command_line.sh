#!/usr/bin/env bash
# --help and --version answer with status 0, or 1 where their answer could
# not be written, an unknown argument with one line and a pointer to --help
# on stderr and status 2, and none of them opens a window. Started with its
# standard streams closed, as some launchers do, the toy still animates and
# a right release ends it with status 0.
source "$(dirname "$0")/lib.sh"

bumblorbs_start_xvfb 640x480
no_window() { ! xdotool search --name '^Bumblorbs$' >/dev/null 2>&1; }

status=0
"$BUMBLORBS" --help >"$WORK/out" 2>"$APP_LOG" || status=$?
[ "$status" -eq 0 ] && grep -q '^usage: bumblorbs' "$WORK/out" && [ ! -s "$APP_LOG" ] ||
  fail "--help: status $status"
status=0
"$BUMBLORBS" --version >"$WORK/out" 2>"$APP_LOG" || status=$?
[ "$status" -eq 0 ] && grep -qx 'Bumblorbs [0-9.]*' "$WORK/out" || fail "--version: status $status"
status=0
"$BUMBLORBS" --speed 3 >"$WORK/out" 2>"$APP_LOG" || status=$?
[ "$status" -eq 2 ] && [ ! -s "$WORK/out" ] && [ "$(wc -l <"$APP_LOG")" -eq 2 ] &&
  grep -qx "Bumblorbs: unknown argument '--speed'" "$APP_LOG" &&
  grep -qx "Try 'bumblorbs --help' for more information." "$APP_LOG" ||
  fail "an unknown argument: status $status: $(cat "$APP_LOG")"
for argument in --help --version; do
  status=0
  "$BUMBLORBS" "$argument" >/dev/full 2>"$APP_LOG" || status=$?
  [ "$status" -eq 1 ] && [ "$(wc -l <"$APP_LOG")" -eq 1 ] &&
    grep -qx 'bumblorbs: write error: No space left on device' "$APP_LOG" ||
    fail "$argument to a full disk: status $status"
  status=0
  "$BUMBLORBS" "$argument" >&- 2>"$APP_LOG" || status=$?
  [ "$status" -eq 1 ] && [ "$(wc -l <"$APP_LOG")" -eq 1 ] &&
    grep -qx 'bumblorbs: write error: Bad file descriptor' "$APP_LOG" ||
    fail "$argument to a closed stdout: status $status"
done
no_window || fail "a window was opened"
pass "--help, --version and an unknown argument, without a window; output lost is an error"

"$BUMBLORBS" <&- >&- 2>&- &
APP_PID=$!
wait_window >/dev/null
screen_changes || fail "with closed standard streams nothing moves"
release 3 600 440
wait_exit 3
[ "$EXIT_STATUS" -eq 0 ] || fail "with closed standard streams a right release gave status $EXIT_STATUS"
pass "closed standard streams: animates, and a right release ends it with status 0"
