#!/usr/bin/env bash
# Under XWayland, with two outputs side by side: the window opens full screen
# on the output under the pointer (the right-hand one, where the primary one
# is on the left), and when the compositor shuts down the toy ends with one
# clear line and status 1.
source "$(dirname "$0")/lib.sh"

start_weston 400x300 --output-count=2 --xwayland
ulimit -c 0
# XWayland starts on its first client; once it shows both outputs, the
# pointer is put on the right-hand one.
both_outputs() { [ "$(DISPLAY="$XWAYLAND_DISPLAY" xdpyinfo | awk '/dimensions:/ {print $2}')" = 800x300 ]; }
wait_until 10 both_outputs || fail "XWayland does not show two outputs"
pointer_on_right() {
  DISPLAY="$XWAYLAND_DISPLAY" xdotool mousemove 600 150
  [ "$(DISPLAY="$XWAYLAND_DISPLAY" xdotool getmouselocation --shell | grep '^X=')" = X=600 ]
}
wait_until 5 pointer_on_right || fail "the pointer cannot be put on the right-hand output"
start_app -u WAYLAND_DISPLAY DISPLAY="$XWAYLAND_DISPLAY" SDL_AUDIODRIVER=dummy
window="$(DISPLAY="$XWAYLAND_DISPLAY" wait_window)"
on_right_output() {
  eval "$(DISPLAY="$XWAYLAND_DISPLAY" xdotool getwindowgeometry --shell "$window")"
  [ "$X" -eq 400 ] && [ "$Y" -eq 0 ] && [ "$WIDTH" -eq 400 ] && [ "$HEIGHT" -eq 300 ]
}
wait_until 3 on_right_output || fail "window at $X,$Y ${WIDTH}x${HEIGHT}, expected 400,0 400x300"
pass "covers the output under the pointer"

stop_weston
wait_exit 5
[ "$EXIT_STATUS" -eq 1 ] || fail "status $EXIT_STATUS after the compositor went away"
[ "$(cat "$APP_LOG")" = "Bumblorbs: fatal error: lost the connection to the X server" ] ||
  fail "not the one clear line"
pass "the compositor's exit ends the toy with status 1 and one line"
