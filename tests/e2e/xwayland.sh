#!/usr/bin/env bash
# Under XWayland, with two outputs side by side: the compositor places the
# window, full screen on the output it chooses (the one under its pointer,
# the left-hand one, which XWayland does not know of yet), and when the
# compositor shuts down the toy ends with one clear line and status 1.
source "$(dirname "$0")/lib.sh"

start_weston 400x300 --output-count=2 --xwayland
ulimit -c 0
# XWayland starts on its first client. It learns where the pointer is only
# once the pointer has been over one of its windows, and until then says
# the middle of the screen, on the right-hand output: the pointer is put on
# the left-hand one, through weston's window for it on the Xvfb below.
both_outputs() { [ "$(DISPLAY="$XWAYLAND_DISPLAY" xdpyinfo | awk '/dimensions:/ {print $2}')" = 800x300 ]; }
wait_until 10 both_outputs || fail "XWayland does not show two outputs"
left=""
for output in $(xdotool search --onlyvisible --class weston); do
  [[ "$(xdotool getwindowname "$output")" == *screen0 ]] && left="$output"
done
[ -n "$left" ] || fail "weston shows no window for its left-hand output"
xdotool windowraise "$left" mousemove --window "$left" 200 150
start_app -u WAYLAND_DISPLAY DISPLAY="$XWAYLAND_DISPLAY" SDL_AUDIODRIVER=dummy
window="$(DISPLAY="$XWAYLAND_DISPLAY" wait_window)"
# weston puts a full-screen window on the output under its pointer.
on_left_output() {
  eval "$(DISPLAY="$XWAYLAND_DISPLAY" xdotool getwindowgeometry --shell "$window")"
  [ "$X" -eq 0 ] && [ "$Y" -eq 0 ] && [ "$WIDTH" -eq 400 ] && [ "$HEIGHT" -eq 300 ]
}
wait_until 3 on_left_output || fail "window at $X,$Y ${WIDTH}x${HEIGHT}, expected 0,0 400x300"
pass "covers the output the compositor chose, under its pointer"

stop_weston
wait_exit 5
[ "$EXIT_STATUS" -eq 1 ] || fail "status $EXIT_STATUS after the compositor went away"
[ "$(cat "$APP_LOG")" = "Bumblorbs: fatal error: lost the connection to the X server" ] ||
  fail "not the one clear line"
pass "the compositor's exit ends the toy with status 1 and one line"
