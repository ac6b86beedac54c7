#!/usr/bin/env bash
# Minimised through Windows (as from the taskbar) the toy stands still, and
# restored it moves again; Alt+F4 ends it with status 0.
source "$(dirname "$0")/wine_lib.sh"

bumblorbs_start_xvfb 1280x720
start_wine "$BUMBLORBS"
wait_scene
window="$(wait_window)"

# still_for SECONDS: whether the screen shows the same picture at the start
# and the end of that long a look.
still_for() {
  local before
  before="$(screen_hash)"
  sleep "$1"
  [ "$(screen_hash)" = "$before" ]
}
# The toy's own CPU time, in clock ticks: it works on every tick it runs.
cpu() { awk '{print $14 + $15}' "/proc/$APP_PID/stat"; }
from=$(cpu)
screen_changes || fail "the balls do not move"
sleep 2
running=$(($(cpu) - from))

"$WINE64" "$HELPER" minimise Bumblorbs || fail "the helper found no window to minimise"
# Whatever the screen shows once the window is minimised stands still, and
# the toy does no more work: no ticks, so the balls and the count stand still.
wait_until 10 still_for 0.3 || fail "the screen kept changing after the window was minimised"
from=$(cpu)
still_for 2 || fail "minimised, the toy still moved on"
minimised=$(($(cpu) - from))
echo "CPU ticks over 2 s: $running running, $minimised minimised"
[ $((minimised * 4)) -lt "$running" ] || fail "minimised, the toy still works on its ticks"
pass "minimised, the balls and the count stand still"

"$WINE64" "$HELPER" restore Bumblorbs || fail "the helper found no window to restore"
wait_scene
screen_changes || fail "restored, the balls did not move again"
pass "restored, the balls move again"

xdotool windowfocus --sync "$window" 2>/dev/null || true
xdotool key alt+F4 2>/dev/null || true
wait_exit 5
[ "$EXIT_STATUS" -eq 0 ] || fail "Alt+F4 ended it with status $EXIT_STATUS"
pass "Alt+F4 ends it with 0"
