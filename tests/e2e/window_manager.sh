#!/usr/bin/env bash
# Under a real window manager the window is full-screen, minimising pauses
# the balls (no beeps) and restoring resumes them, and the manager's close
# command ends the program with status 0.
source "$(dirname "$0")/lib.sh"

bumblorbs_start_xvfb 320x240
openbox --sm-disable >/dev/null 2>&1 &
wm=$!
trap 'kill $wm 2>/dev/null || true; cleanup' EXIT
timeout 10 bash -c 'until xprop -root _NET_SUPPORTING_WM_CHECK 2>/dev/null | grep -q window; do sleep 0.1; done' ||
  fail "openbox did not start"
# openbox announces itself a moment before it maps new windows: wait until
# it has mapped a probe window.
ready=0
for _ in 1 2 3 4 5; do
  xmessage -timeout 10 probe >/dev/null 2>&1 &
  probe=$!
  if timeout 2 xdotool search --sync --onlyvisible --class xmessage >/dev/null; then
    ready=1
  fi
  kill "$probe" 2>/dev/null || true
  wait "$probe" 2>/dev/null || true
  [ "$ready" -eq 0 ] || break
done
[ "$ready" -eq 1 ] || fail "openbox maps no window"

# On so small a screen ball 0 bounces, and beeps, often. The sound device,
# and so its file, is opened at the first beep.
audio="$WORK/audio.raw"
played() { stat -c %s "$audio" 2>/dev/null || echo 0; }
start_app SDL_AUDIODRIVER=disk SDL_DISKAUDIOFILE="$audio"
window="$(wait_window)"
covers_screen() {
  eval "$(xdotool getwindowgeometry --shell "$window")"
  [ "$WIDTH" -eq 320 ] && [ "$HEIGHT" -eq 240 ]
}
wait_until 3 covers_screen || fail "window is ${WIDTH}x${HEIGHT} under openbox"
xprop -id "$window" _NET_WM_STATE | grep -q _NET_WM_STATE_FULLSCREEN ||
  fail "openbox was not asked for full screen"
xdotool windowmove "$window" 100 80
at_origin() { covers_screen && [ "$X" -eq 0 ] && [ "$Y" -eq 0 ]; }
# openbox takes the move in its own time and shows no sign of having
# refused it: the window is watched for a while, and wherever it is moved
# to it is back at the origin within 2 s.
stays 1 at_origin || wait_until 2 at_origin || fail "a move left the screen uncovered: window at $X,$Y"
pass "full-screen under openbox, and it stays so when moved"

timeout 5 xdotool windowminimize --sync "$window" || fail "openbox did not minimise the window"
# A ding started just before may still be playing out: up to a ding's
# length (0.22 s of 48 kHz floats) and a buffer of sound may follow. A beep
# opens the device anew, which starts the file again.
from=$(played)
no_new_beep() {
  local now
  now=$(played)
  [ "$now" -ge "$from" ] &&
    [ "$(tail -c +"$((from + 42240 + 2048 + 1))" "$audio" | head -c "$((now - from))" | tr -d '\0' |
      wc -c)" -eq 0 ]
}
stays 1.5 no_new_beep || fail "beeps while minimised"
pass "minimised: no beeps"

timeout 5 xdotool windowactivate --sync "$window" || fail "openbox did not restore the window"
screen_changes || fail "the balls did not resume"
pass "restored: the balls move again"

# The key must reach openbox through the server's input (XTEST), which it
# only does for the window that has the focus; a key sent to an unfocused
# window goes to the program alone, and the manager never sees it.
is_active() { [ "$(xdotool getactivewindow 2>/dev/null)" = "$window" ]; }
wait_until 3 is_active || fail "the restored window never got the focus"
# The window may be gone before xdotool sends the key's release, which
# xdotool then reports as an error of its own.
xdotool key alt+F4 2>/dev/null || true
wait_exit 5
[ "$EXIT_STATUS" -eq 0 ] || fail "the manager's close ended with status $EXIT_STATUS"
pass "the manager's close ends the program with status 0"
