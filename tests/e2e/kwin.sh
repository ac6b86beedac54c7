#!/usr/bin/env bash
# Under KDE's compositor at scale 1.5, which offers fractional scales and
# viewports: the balls are drawn at the output's real pixels, about 49
# across, inside sharp outlines, the label and the count at their designed
# places scaled by 1.5; releases reach the toy at the pointer's place.
source "$(dirname "$0")/lib.sh"

command -v kwin_wayland >/dev/null || { echo "skip: kwin_wayland is not installed"; exit 0; }
bumblorbs_start_xvfb 1280x960
# kwin's window on the Xvfb is its output's size times its scale: 1278x960.
start_kwin bumblorbs-kwin --width 852 --height 640 --scale 1.5 --xwayland
if ! wait_until 15 test -S "$XDG_RUNTIME_DIR/bumblorbs-kwin"; then
  echo "skip: kwin_wayland did not start here: $(tail -n 3 "$WORK/kwin.log")"
  exit 0
fi
start_app -u DISPLAY WAYLAND_DISPLAY=bumblorbs-kwin SDL_AUDIODRIVER=dummy

# The designed boxes at 1.5 times their 96 dpi size.
scaled_box() { awk '{printf "%d %d %d %d", $1 * 1.5, $2 * 1.5, $3 * 1.5, $4 * 1.5}' <<<"$1"; }
white_in_scaled_label1() { count_colour $(scaled_box "$LABEL1_BOX") FFFFFF; }
red_in_scaled_label2() { count_colour $(scaled_box "$LABEL2_BOX") FF0000; }
wait_until 15 more_than 1000 white_in_scaled_label1 ||
  fail "no instruction text in Label1's box at scale 1.5"
wait_until 5 more_than 200 red_in_scaled_label2 || fail "no count in Label2's box at scale 1.5"
[ "$(count_colour 0 0 1278 960 000000)" -gt 600000 ] || fail "the output is not covered in black"
# The whole output shows the sixty balls of about 49 pixels and the text.
lit="$(least_of 3 eval 'echo $((1278 * 960 - $(count_colour 0 0 1278 960 000000)))')"
echo "pixels that are not background: $lit"
[ "$lit" -gt 90000 ] && [ "$lit" -lt 160000 ] ||
  fail "$lit pixels are not background, where about 120,000 are right"
# A ball of 47 to 51 pixels, less its outline on each side.
sharp_balls 45 49
pass "scale 1.5: balls of $((FILL + 2)) real pixels, sharp outlines, label and count in place"

# A release over the label does nothing; elsewhere, left paints and right ends.
release 1 60 35
on_black() { [ "$(dominant)" = 000000 ]; }
stays 0.5 on_black || fail "a release over the label painted the background"
left_paints_right_ends 1200 900
pass "releases: over the label nothing, left paints, right ends with status 0"

# The output's mode changes under the window (kwin's window on the Xvfb
# made smaller), which kwin tells only in wl_output.mode: the toy asks for
# full screen again and is configured to the new size, 800x600 points.
start_app -u DISPLAY WAYLAND_DISPLAY=bumblorbs-kwin SDL_AUDIODRIVER=dummy WAYLAND_DEBUG=1
wait_until 15 more_than 1000 white_in_scaled_label1 || fail "no second start"
kwin_window="$(xwininfo -root -tree | awk '/KDE Wayland Compositor/ {print $1}' | head -n 1)"
[ -n "$kwin_window" ] || fail "kwin shows no window on the Xvfb"
xdotool windowsize "$kwin_window" 1200 900
fitted() { grep -q 'xdg_toplevel@[0-9]*\.configure(800, 600,' "$APP_LOG"; }
wait_until 5 fitted || fail "not configured to the output's new mode"
pass "a new mode of the output: the window is fitted to it"
