#!/usr/bin/env bash
# SIGINT and SIGTERM end the program promptly with status 0.
source "$(dirname "$0")/lib.sh"

bumblorbs_start_xvfb 640x480
# Without job control bash starts background commands with SIGINT ignored,
# as no program started from a terminal has it.
set -m
for signal in INT TERM; do
  start_app
  wait_window >/dev/null
  kill -s "$signal" "$APP_PID"
  wait_exit 2
  [ "$EXIT_STATUS" -eq 0 ] || fail "SIG$signal gave status $EXIT_STATUS"
  pass "SIG$signal ends with status 0"
done
