#!/usr/bin/env bash
# Under KDE's compositor through XWayland: when the output's mode changes
# under the full-screen window, which kwin does not refit by itself, the toy
# asks for full screen again and comes to cover the output's new size.
source "$(dirname "$0")/lib.sh"

command -v kwin_wayland >/dev/null || { echo "skip: kwin_wayland is not installed"; exit 0; }
bumblorbs_start_xvfb 1280x960
# kwin starts its XWayland on a display of its choosing and names it to the
# programs it starts itself: this one writes the name down.
printf '#!/bin/sh\necho "$DISPLAY" >"%s/xwayland.tmp"\nmv "%s/xwayland.tmp" "%s/xwayland"\n' \
  "$WORK" "$WORK" "$WORK" >"$WORK/note_display"
chmod +x "$WORK/note_display"
start_kwin bumblorbs-kwin-x --width 1024 --height 768 --xwayland "$WORK/note_display"
if ! wait_until 20 test -s "$WORK/xwayland"; then
  echo "skip: kwin_wayland and its XWayland did not start here: $(tail -n 3 "$WORK/kwin.log")"
  exit 0
fi
XWAYLAND_DISPLAY="$(cat "$WORK/xwayland")"
start_app -u WAYLAND_DISPLAY DISPLAY="$XWAYLAND_DISPLAY" SDL_AUDIODRIVER=dummy
window="$(DISPLAY="$XWAYLAND_DISPLAY" wait_window)"
covers() {
  eval "$(DISPLAY="$XWAYLAND_DISPLAY" xdotool getwindowgeometry --shell "$window")"
  [ "$X" -eq 0 ] && [ "$Y" -eq 0 ] && [ "$WIDTH" -eq "$1" ] && [ "$HEIGHT" -eq "$2" ]
}
wait_until 10 covers 1024 768 || fail "window at $X,$Y ${WIDTH}x${HEIGHT}, expected 0,0 1024x768"
pass "covers the output kwin gives XWayland"

# The output's mode changes under the window: kwin's window on the Xvfb
# made smaller, as in the native Wayland test.
kwin_window="$(xwininfo -root -tree | awk '/KDE Wayland Compositor/ {print $1}' | head -n 1)"
[ -n "$kwin_window" ] || fail "kwin shows no window on the Xvfb"
xdotool windowsize "$kwin_window" 800 600
wait_until 10 covers 800 600 || fail "window at $X,$Y ${WIDTH}x${HEIGHT} after the output became 800x600"
pass "a new mode of the output: the window covers it again"
