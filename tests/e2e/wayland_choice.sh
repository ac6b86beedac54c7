#!/usr/bin/env bash
# Which window system the toy takes, and what it does when the Wayland one
# is broken: a compositor that stays silent, closes the connection or sends
# nonsense gets one line naming its socket and status 1 within 5 s, or the
# toy shows its window on X11 where DISPLAY is set. Wayland comes first when
# both are set; SDL_VIDEODRIVER decides when set, and a driver that shows
# nothing is refused at once.
source "$(dirname "$0")/lib.sh"

# one_line_and_status_1 SECONDS: the program ended within SECONDS with
# status 1 and exactly one line on stderr.
one_line_and_status_1() {
  wait_exit "$1"
  [ "$EXIT_STATUS" -eq 1 ] || fail "status $EXIT_STATUS"
  [ "$(wc -l <"$APP_LOG")" -eq 1 ] || fail "not one line on stderr"
}

# No display: only the refusal.
for driver in "" dummy offscreen; do
  start_app -u DISPLAY -u WAYLAND_DISPLAY SDL_VIDEODRIVER="$driver" SDL_AUDIODRIVER=dummy
  one_line_and_status_1 1
  if [ -n "$driver" ]; then
    grep -q "^Bumblorbs: cannot open a window: SDL_VIDEODRIVER=$driver cannot show a window" \
      "$APP_LOG" || fail "SDL_VIDEODRIVER=$driver: $(cat "$APP_LOG")"
  fi
done
pass "SDL_VIDEODRIVER empty, dummy or offscreen: one line and status 1"

export XDG_RUNTIME_DIR="$WORK/runtime"
mkdir -p -m 700 "$XDG_RUNTIME_DIR"
for mode in silent closing garbage; do
  socket="$XDG_RUNTIME_DIR/$mode"
  start_hostile_socket "$mode" "$socket"
  start_app -u DISPLAY WAYLAND_DISPLAY="$mode" SDL_AUDIODRIVER=dummy
  one_line_and_status_1 5
  grep -q "^Bumblorbs: cannot open a window: the Wayland compositor at $socket " "$APP_LOG" ||
    fail "$mode socket: $(cat "$APP_LOG")"
  echo "$mode: $(cat "$APP_LOG")"
done
pass "a silent, closing or babbling compositor: one line naming its socket, status 1"

bumblorbs_start_xvfb 640x480
start_app WAYLAND_DISPLAY=silent SDL_AUDIODRIVER=dummy
wait_window >/dev/null
grep -q "^Bumblorbs: the Wayland compositor at $XDG_RUNTIME_DIR/silent .*; showing the window on X11 instead$" \
  "$APP_LOG" || fail "no line on the fallback: $(cat "$APP_LOG")"
kill "$APP_PID"
wait_exit 2
start_app WAYLAND_DISPLAY=nothing-here SDL_AUDIODRIVER=dummy
wait_window >/dev/null
kill "$APP_PID"
wait_exit 2
pass "a silent or missing compositor with DISPLAY set: the window on X11"
bumblorbs_stop_xvfb

# weston on an Xvfb: DISPLAY names the Xvfb, where an X11 window would show
# beside weston's output instead of in it.
start_weston 640x480
start_app WAYLAND_DISPLAY="$WAYLAND_SOCKET_NAME" SDL_AUDIODRIVER=dummy
wait_until 10 more_than 200 white_in_label1 || fail "both set: the toy is not on weston's output"
[ -z "$(xdotool search --name '^Bumblorbs$' 2>/dev/null)" ] ||
  fail "both set: the toy opened an X11 window"
release 3 600 440
wait_exit 3
[ "$EXIT_STATUS" -eq 0 ] || fail "right release ended with status $EXIT_STATUS"
pass "WAYLAND_DISPLAY and DISPLAY both set: Wayland"

start_app WAYLAND_DISPLAY="$WAYLAND_SOCKET_NAME" SDL_VIDEODRIVER=x11 SDL_AUDIODRIVER=dummy
wait_window >/dev/null
kill "$APP_PID"
wait_exit 2
pass "SDL_VIDEODRIVER=x11 wins over a working Wayland"
