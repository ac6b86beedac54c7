#!/usr/bin/env bash
# Under xfwm4 with xfce4-panel, a manager that obeys size hints: the window
# is full-screen above the panel, nothing in its size hints holds it at its
# first size or place, the full-screen state stands once, and after the
# output shrinks the window covers the smaller screen within a second.
source "$(dirname "$0")/lib.sh"

bumblorbs_start_xvfb 1280x720
# The panel reads its settings over a session bus of its own, from the
# defaults alone: nobody's settings are read or written.
export XDG_CONFIG_HOME="$WORK/config" XDG_CACHE_HOME="$WORK/cache"
dbus-daemon --session --fork --nopidfile --print-address=3 --print-pid=4 \
  3>"$WORK/bus.address" 4>"$WORK/bus.pid"
DBUS_SESSION_BUS_ADDRESS="$(cat "$WORK/bus.address")"
export DBUS_SESSION_BUS_ADDRESS
xfwm4 --compositor=off >/dev/null 2>&1 &
wm=$!
xfce4-panel >/dev/null 2>&1 &
panel_pid=$!
# The panel, and the settings daemon that its bus started, may still write
# their settings as they end: they are waited for before the work folder goes.
stop_desktop() {
  local bus
  bus="$(cat "$WORK/bus.pid")"
  kill $panel_pid $wm 2>/dev/null || true
  wait $panel_pid $wm 2>/dev/null || true
  pkill -P "$bus" 2>/dev/null || true
  kill "$bus" 2>/dev/null || true
  gone() { ! pgrep -P "$bus" >/dev/null && ! kill -0 "$bus" 2>/dev/null; }
  wait_until 2 gone || true
  cleanup
}
trap stop_desktop EXIT
panel_shown() {
  local id
  for id in $(xdotool search --onlyvisible --class xfce4-panel 2>/dev/null); do
    eval "$(xdotool getwindowgeometry --shell "$id")"
    if [ "$WIDTH" -eq 1280 ]; then
      PANEL_BOX="$X $Y $WIDTH $HEIGHT"
      return 0
    fi
  done
  return 1
}
wait_until 10 panel_shown || fail "xfce4-panel shows no panel across the screen"
wait_until 5 xprop -root _NET_SUPPORTING_WM_CHECK >/dev/null 2>&1 || fail "xfwm4 did not start"

start_app SDL_AUDIODRIVER=dummy
window="$(wait_window)"
covers() {
  eval "$(xdotool getwindowgeometry --shell "$window")"
  [ "$X" -eq 0 ] && [ "$Y" -eq 0 ] && [ "$WIDTH" -eq "$1" ] && [ "$HEIGHT" -eq "$2" ]
}
# The panel's place shows the toy: mostly its black, not the panel's grey.
panel_covered() {
  read -r x y w h <<<"$PANEL_BOX"
  [ "$(count_colour "$x" "$y" "$w" "$h" 000000)" -gt $((w * h / 2)) ]
}
wait_until 3 covers 1280 720 || fail "window at $X,$Y ${WIDTH}x${HEIGHT} under xfwm4"
wait_until 2 panel_covered || fail "the panel shows above the toy"
pass "full-screen under xfwm4, above the panel"

hints="$(xprop -id "$window" WM_NORMAL_HINTS)"
if grep -q -E "minimum size|maximum size|position" <<<"$hints"; then
  fail "the size hints pin the window: $hints"
fi
[ "$(xprop -id "$window" _NET_WM_STATE | grep -o _NET_WM_STATE_FULLSCREEN | wc -l)" -eq 1 ] ||
  fail "not once in full screen: $(xprop -id "$window" _NET_WM_STATE)"
pass "no size or place of its own in its hints, full screen once"

xrandr --newmode 1024x600 48.96 1024 1064 1168 1312 600 601 604 622 >/dev/null
xrandr --addmode screen 1024x600
xrandr --output screen --mode 1024x600
wait_until 1 covers 1024 600 || fail "window at $X,$Y ${WIDTH}x${HEIGHT} after shrinking to 1024x600"
screen_changes || fail "the balls stopped after the change"
pass "follows the output down to 1024x600"
