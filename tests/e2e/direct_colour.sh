#!/usr/bin/env bash
# Where the screen's default visual is DirectColor, the window's own
# TrueColor colormap is installed, so the screen shows the right colours:
# black ground, white text, red count, with no window manager and under one
# that never installs a colormap itself.
source "$(dirname "$0")/lib.sh"

bumblorbs_start_xvfb 640x480x24 -cc 5
# Colours as the screen shows them, through the colormap installed.
export XINSPECT_SHOWN=1

shows_right_colours() {
  start_app SDL_AUDIODRIVER=dummy
  wait_window >/dev/null
  wait_until 5 more_than 200 white_in_label1 || fail "$1: no white text"
  wait_until 10 more_than 20 red_in_label2 || fail "$1: no red count"
  [ "$(dominant)" = 000000 ] || fail "$1: the ground shows as #$(dominant), not black"
  kill -TERM "$APP_PID"
  wait_exit 3
  [ "$EXIT_STATUS" -eq 0 ] || fail "$1: SIGTERM gave status $EXIT_STATUS"
}

shows_right_colours "no window manager"
pass "DirectColor default visual, no window manager: the right colours"

"$XINSPECT" manager >"$WORK/manager" &
HELPER_PIDS+=($!)
wait_until 5 grep -q managing "$WORK/manager" || fail "the manager did not start"
shows_right_colours "a manager that installs no colormap"
pass "DirectColor default visual, under a manager that installs no colormap: the right colours"
