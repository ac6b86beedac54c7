#!/usr/bin/env bash
# The native Wayland window at the edges of what it meets: outputs wider
# than a tile of its painter (8500 and 16384 real pixels, as an ultrawide
# at scale 2 has) keep running frame after frame; a file-size limit below
# a frame buffer ends it with one line and status 1, not a signal and a
# core; an output unplugged under it leaves it full screen on the other.
source "$(dirname "$0")/lib.sh"

# start_headless_weston NAME [weston options...]: weston without a screen,
# for what needs no pixels read back.
start_headless_weston() {
  local name="$1"
  shift
  export XDG_RUNTIME_DIR="$WORK/runtime"
  mkdir -p -m 700 "$XDG_RUNTIME_DIR"
  WAYLAND_SOCKET_NAME="bumblorbs-test-$name"
  weston --backend=headless-backend.so --socket="$WAYLAND_SOCKET_NAME" --idle-time=0 "$@" \
    >"$WORK/weston.log" 2>&1 &
  WESTON_PID=$!
  wait_until 10 test -S "$XDG_RUNTIME_DIR/$WAYLAND_SOCKET_NAME" || fail "weston did not start"
}

# The frames the compositor has taken, as the protocol log shows them.
commits() { grep -c 'wl_surface@[0-9]*\.commit()' "$APP_LOG" || true; }
frames_or_end() { more_than 10 commits || ! alive; }

for width in 8500 16384; do
  start_headless_weston "wide-$width" --width="$width" --height=400
  start_wayland_app WAYLAND_DEBUG=1
  wait_until 20 frames_or_end && more_than 10 commits ||
    fail "$width pixels wide: $(commits) frames (program $(alive && echo running || echo ended))"
  kill -TERM "$APP_PID"
  wait_exit 5
  [ "$EXIT_STATUS" -eq 0 ] || fail "$width pixels wide: status $EXIT_STATUS"
  stop_weston
done
pass "outputs 8500 and 16384 pixels wide: frame after frame, and status 0 at the end"

# 1000 blocks of 1 kB hold no 1280x720 frame of 4 bytes a pixel.
start_headless_weston limited --width=1280 --height=720
(
  ulimit -f 1000
  start_wayland_app
  wait_exit 10
  echo "$EXIT_STATUS" >"$WORK/limited.status"
)
limited="$(cat "$WORK/limited.status" 2>/dev/null || echo "no status")"
[ "$limited" = 1 ] || fail "status $limited under a file-size limit"
[ "$(wc -l <"$APP_LOG")" -eq 1 ] && grep -q '^Bumblorbs: .*File too large' "$APP_LOG" ||
  fail "not one line naming the buffer's fault under a file-size limit"
stop_weston
pass "a file-size limit below a frame buffer: one line and status 1"

# Two outputs side by side on the Xvfb; the window opens on the second,
# where the pointer is, and that output is closed as a user closes its
# window. The first, with weston's panel at its top, must then be covered
# whole: at its top-left the instruction text shows, not the panel.
start_on_second_output
"$XINSPECT" close "$SECOND_OUTPUT"
# Its left quarter shows weston's background where the window is not
# full screen.
left_covered() { [ "$(count_colour 0 0 100 300 000000)" -gt 15000 ]; }
wait_until 5 left_covered || fail "the window does not cover the first output"
wait_until 5 more_than 200 white_in_label1 ||
  fail "the instruction text is not at the first output's top-left: not full screen again"
# The compositor may drop its word that a frame was shown when the output
# goes: the window must not wait for it and stand still.
black_before="$(count_colour 0 0 400 300 000000)"
black_changed() { [ "$(count_colour 0 0 400 300 000000)" != "$black_before" ]; }
wait_until 3 black_changed || fail "nothing moves on the first output"
alive || fail "the program ended when its output went"
pass "an output unplugged: the window is full screen again on the other, and moves"
