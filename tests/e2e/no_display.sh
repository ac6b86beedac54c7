#!/usr/bin/env bash
# Without a display, or with one it cannot use, the program says so at once
# in one line and ends with status 1.
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

# A display that does not exist is named, in one line: nothing of what the
# video libraries say while failing reaches the user.
status=0
env -u WAYLAND_DISPLAY -u SDL_VIDEODRIVER -u XDG_RUNTIME_DIR DISPLAY=:987 timeout 5 "$BUMBLORBS" \
  >"$APP_LOG" 2>&1 || status=$?
[ "$status" -eq 1 ] || fail "status $status for a missing display, expected 1"
[ "$(cat "$APP_LOG")" = "Bumblorbs: cannot open a window: cannot open display :987" ] ||
  fail "the missing display is not named in one line"
pass "a missing display is named: status 1 and one line"

# WAYLAND_SOCKET naming a standard descriptor, which libwayland would take
# and close with stderr in it, or naming none: one line, and never the text
# of an errno that was not set.
for socket in 2 junk; do
  status=0
  env -u DISPLAY -u SDL_VIDEODRIVER WAYLAND_DISPLAY=wayland-nowhere WAYLAND_SOCKET="$socket" \
    timeout 5 "$BUMBLORBS" >"$APP_LOG" 2>&1 || status=$?
  [ "$status" -eq 1 ] && [ "$(wc -l <"$APP_LOG")" -eq 1 ] &&
    grep -q "^Bumblorbs: cannot open a window: WAYLAND_SOCKET=$socket names no connection" "$APP_LOG" ||
    fail "WAYLAND_SOCKET=$socket: status $status: $(cat "$APP_LOG")"
done
pass "a WAYLAND_SOCKET of a standard descriptor or of none: one line and status 1"
