#!/usr/bin/env bash
# On a bare X server the window follows its output's resolution: shrunk,
# it covers the smaller screen within a second and the balls bounce inside
# it; grown back, it covers the whole screen again.
source "$(dirname "$0")/lib.sh"

bumblorbs_start_xvfb 1024x768
start_app SDL_AUDIODRIVER=dummy
window="$(wait_window)"
covers() {
  eval "$(xdotool getwindowgeometry --shell "$window")"
  [ "$X" -eq 0 ] && [ "$Y" -eq 0 ] && [ "$WIDTH" -eq "$1" ] && [ "$HEIGHT" -eq "$2" ]
}
wait_until 3 covers 1024 768 || fail "window at $X,$Y ${WIDTH}x${HEIGHT} before the change"

xrandr --newmode 640x480 25.175 640 656 752 800 480 490 492 525 >/dev/null
xrandr --addmode screen 640x480
xrandr --output screen --mode 640x480
wait_until 1 covers 640 480 || fail "window at $X,$Y ${WIDTH}x${HEIGHT} after shrinking to 640x480"
pass "follows the output down to 640x480"

screen_changes || fail "the balls stopped after the change"
pass "the balls move in the new size"

xrandr --output screen --mode 1024x768
wait_until 1 covers 1024 768 || fail "window at $X,$Y ${WIDTH}x${HEIGHT} after growing back"
dominant_black() { [ "$(dominant)" = 000000 ]; }
wait_until 2 dominant_black || fail "the grown screen is not covered in the toy's black"
pass "follows the output back up to 1024x768"
