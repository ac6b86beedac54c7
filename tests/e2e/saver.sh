#!/usr/bin/env bash
# As a screen saver the toy draws into a window it is given, at that
# window's size, follows it when it grows, stays silent, and ends with
# status 0 when the window goes or SIGTERM comes; --root draws on the root
# window, on a 16-bit display too, slower; a bad or missing window, or no X
# display, is one line and status 2; a visual with no path, status 1.
source "$(dirname "$0")/lib.sh"

bumblorbs_start_xvfb 800x600
xsetroot -solid '#204080'
read -r LABEL1_X LABEL1_Y LABEL1_W LABEL1_H <<<"$LABEL1_BOX"
read -r LABEL2_X LABEL2_Y LABEL2_W LABEL2_H <<<"$LABEL2_BOX"

# start_saver ARGS...: the toy as a screen saver, any beep written to a file.
start_saver() {
  SDL_AUDIODRIVER=disk SDL_DISKAUDIOFILE="$WORK/audio.raw" "$BUMBLORBS" "$@" >"$APP_LOG" 2>&1 &
  APP_PID=$!
}
silent() { [ ! -e "$WORK/audio.raw" ] || [ "$(tr -d '\0' <"$WORK/audio.raw" | wc -c)" -eq 0 ]; }
# shows_labels X Y: the instruction and the count stand where they belong in
# a window whose corner is at X,Y.
shows_labels() {
  [ "$(count_colour $((LABEL1_X + $1)) $((LABEL1_Y + $2)) "$LABEL1_W" "$LABEL1_H" FFFFFF)" -gt 500 ] &&
    [ "$(count_colour $((LABEL2_X + $1)) $((LABEL2_Y + $2)) "$LABEL2_W" "$LABEL2_H" FF0000)" -gt 50 ]
}
# untouched X Y W H: the area still shows the root's own blue.
untouched() { [ "$(count_colour "$@" 204080)" -eq $(($3 * $4)) ]; }
# A ball's rim may blend to the grey in a pixel or two; an uncovered strip is far more.
no_grey_in() { [ "$(count_colour "$@" 808080)" -lt 100 ]; }
# ball_in X Y W H: a ball shows in the area at one of a few reads.
ball_in() { [ "$(least_of 10 count_colour "$@" 000000)" -lt $(($3 * $4)) ]; }

# A small window of another client's, as a saver's preview is: grey until drawn on.
"$XINSPECT" window 40 40 480 360 >"$WORK/window" &
HOLDER_PID=$!
wait_until 5 test -s "$WORK/window" || fail "the test's window did not appear"
window="$(cat "$WORK/window")"
start_saver --window-id "$window"
wait_until 5 shows_labels 40 40 || fail "the labels are not drawn in the given window"
wait_until 2 no_grey_in 40 40 480 360 || fail "the given window is not covered"
screen_changes || fail "nothing moves in the given window"
for read in 1 2 3 4 5; do
  untouched 520 0 280 600 && untouched 0 400 520 200 && untouched 0 0 520 40 && untouched 0 40 40 360 ||
    fail "the toy drew outside the given window"
  sleep 0.1
done
[ "$(xdotool search --name '^Bumblorbs$' 2>/dev/null | wc -l)" -eq 0 ] || fail "a window of its own was opened"
pass "--window-id: drawn inside the given window at its size, and nowhere else"

xdotool windowsize "$window" 680 520
wait_until 1 no_grey_in 40 40 680 520 || fail "the grown window is not covered within a second"
wait_until 3 ball_in 520 40 200 520 || fail "no ball reaches the part the window grew by"
untouched 720 0 80 600 || fail "the toy drew beyond the grown window"
pass "a resize of the given window is followed"

kill "$HOLDER_PID"
wait "$HOLDER_PID" 2>/dev/null || true
wait_exit 2
[ "$EXIT_STATUS" -eq 0 ] || fail "the window's going gave status $EXIT_STATUS"
[ ! -s "$APP_LOG" ] || fail "the window's going was not quiet"
silent || fail "the toy beeped as a screen saver"
pass "the window's going ends it with status 0 and no message; nothing beeped"

start_saver --root
wait_until 5 shows_labels 0 0 || fail "--root: the labels are not on the root window"
[ "$(dominant)" = 000000 ] || fail "--root: the root window is not black but $(dominant)"
screen_changes || fail "--root: nothing moves"
kill -TERM "$APP_PID"
wait_exit 1
[ "$EXIT_STATUS" -eq 0 ] && [ ! -s "$APP_LOG" ] || fail "--root: SIGTERM gave status $EXIT_STATUS"
pass "--root draws on the root window, and SIGTERM ends it with status 0 within a second"

# A saver that changes its mind at once, before the first frame.
start_saver --root
wait_until 2 catches TERM || fail "SIGTERM is not taken at start"
kill -TERM "$APP_PID"
wait_exit 1
[ "$EXIT_STATUS" -eq 0 ] && [ ! -s "$APP_LOG" ] || fail "SIGTERM at start gave status $EXIT_STATUS"
pass "SIGTERM at start ends it with status 0 too"

# The display's dpi, and X11 even where a Wayland display is named.
echo "Xft.dpi: 192" | xrdb -nocpp -merge
# The last run's picture stays on the root window until this one paints.
xsetroot -solid '#204080'
WAYLAND_DISPLAY=wayland-nowhere start_saver --root
wait_until 5 more_than 0 white_in_label1 || fail "--root at 192 dpi: no instruction text"
# The text comes first; under load the rest of the first picture may not
# have reached the screen yet, and a stretch of the old one is no ball.
painted_over() { [ "$(count_colour 0 0 800 600 204080)" -eq 0 ]; }
wait_until 5 painted_over || fail "--root at 192 dpi: the old picture was not painted over"
ball="$(least_of 5 "$XINSPECT" widest)"
[ "$ball" -ge 64 ] && [ "$ball" -le 66 ] || fail "at 192 dpi a ball is $ball px across"
kill -TERM "$APP_PID"
wait_exit 1
[ "$EXIT_STATUS" -eq 0 ] && [ ! -s "$APP_LOG" ] || fail "at 192 dpi: status $EXIT_STATUS"
pass "at the display's dpi (192: balls of $ball px), on X11 though WAYLAND_DISPLAY is set"

# one_line_status_2 ARGS...: the toy refuses in one line with status 2.
one_line_status_2() {
  status=0
  "$@" >"$WORK/out" 2>"$APP_LOG" || status=$?
  [ "$status" -eq 2 ] && [ "$(wc -l <"$APP_LOG")" -eq 1 ] && [ ! -s "$WORK/out" ] ||
    fail "$*: status $status"
}
one_line_status_2 "$BUMBLORBS" --window-id 0x1234567
grep -q 'there is no window 0x1234567' "$APP_LOG" || fail "a missing window is not named"
one_line_status_2 "$BUMBLORBS" --window-id 12abc
one_line_status_2 env XSCREENSAVER_WINDOW=nonsense "$BUMBLORBS"
one_line_status_2 env -u DISPLAY "$BUMBLORBS" --root
grep -q 'needs an X display' "$APP_LOG" || fail "no word of the missing X display"
pass "a missing window, a bad ID or no X display: one line and status 2"

# A 16-bit display: the slower path draws the same picture, said in one line.
bumblorbs_stop_xvfb
bumblorbs_start_xvfb 640x480x16
start_saver --root
wait_until 5 shows_labels 0 0 || fail "16-bit --root: the labels are not drawn"
[ "$(dominant)" = 000000 ] || fail "16-bit --root: the root window is not black but $(dominant)"
# Ball 0 is a red disc, beyond the count's red.
red_ball() { [ "$(count_colour 0 0 640 480 FF0000)" -gt $(($(red_in_label2) + 600)) ]; }
wait_until 3 red_ball || fail "16-bit --root: no red ball 0"
[ "$(wc -l <"$APP_LOG")" -eq 1 ] && grep -q "visual is 16-bit TrueColor.*slower" "$APP_LOG" ||
  fail "16-bit --root: not one line naming the slower path"
kill -TERM "$APP_PID"
wait_exit 1
[ "$EXIT_STATUS" -eq 0 ] && [ "$(wc -l <"$APP_LOG")" -eq 1 ] || fail "16-bit: SIGTERM gave status $EXIT_STATUS"
pass "16-bit --root: black, white text, red ball 0 and count, one line on the slower path; SIGTERM ends it with 0"

# A visual that shows no colour the toy picks: refused in one line.
bumblorbs_stop_xvfb
bumblorbs_start_xvfb 320x240x8
status=0
timeout 5 "$BUMBLORBS" --root 2>"$APP_LOG" || status=$?
[ "$status" -eq 1 ] && [ "$(wc -l <"$APP_LOG")" -eq 1 ] && grep -q '8-bit PseudoColor' "$APP_LOG" ||
  fail "an 8-bit root window: status $status"
pass "a window of a visual no path draws: one line naming the visual, status 1"
