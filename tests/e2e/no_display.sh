#!/usr/bin/env bash
# Without a display the program says so at once and ends with status 1.
source "$(dirname "$0")/lib.sh"

start=$SECONDS
status=0
env -u DISPLAY -u WAYLAND_DISPLAY -u SDL_VIDEODRIVER timeout 5 "$BUMBLORBS" >"$APP_LOG" 2>&1 ||
  status=$?
[ "$status" -eq 1 ] || fail "status $status, expected 1"
[ $((SECONDS - start)) -le 2 ] || fail "took $((SECONDS - start)) s"
grep -q '^Bumblorbs: cannot open a window: ' "$APP_LOG" || fail "no clear message"
[ "$(wc -l <"$APP_LOG")" -eq 1 ] || fail "more than one line on stderr"
pass "no display: status 1 and one line"
