#!/usr/bin/env bash
# Under sway, which runs only as a user other than root: a change of the
# output's scale while the toy runs is followed within a second, with the
# balls and the text drawn at the new scale's real pixels; sway's kill (the
# compositor's close) ends the toy with status 0.
source "$(dirname "$0")/lib.sh"

command -v sway >/dev/null || { echo "skip: sway is not installed"; exit 0; }
user=bumblorbs-sway
if ! getent passwd "$user" >/dev/null; then
  useradd --system --no-create-home --shell /usr/sbin/nologin "$user" 2>/dev/null ||
    { echo "skip: cannot create the user $user to run sway as"; exit 0; }
fi
bumblorbs_start_xvfb 640x480
export XDG_RUNTIME_DIR="$WORK/runtime"
mkdir -p -m 700 "$XDG_RUNTIME_DIR"
chmod 755 "$WORK"
chown "$user" "$XDG_RUNTIME_DIR"
printf 'output X11-1 mode 640x480\ndefault_border none\n' >"$XDG_RUNTIME_DIR/config"
must_reach "$user" "$XDG_RUNTIME_DIR/config"
# From a folder its user can enter, not from the build, which it may not.
(cd "$XDG_RUNTIME_DIR" && exec runuser -u "$user" -- env -i PATH=/usr/bin:/bin \
  HOME="$XDG_RUNTIME_DIR" DISPLAY="$DISPLAY" XDG_RUNTIME_DIR="$XDG_RUNTIME_DIR" \
  WLR_BACKENDS=x11 WLR_RENDERER=pixman WLR_X11_OUTPUTS=1 \
  sway -c "$XDG_RUNTIME_DIR/config") >"$WORK/sway.log" 2>&1 &
HELPER_PIDS+=($!)
sway_socket() { ls "$XDG_RUNTIME_DIR" | grep -m 1 '^wayland-[0-9]*$'; }
if ! wait_until 10 sway_socket >/dev/null; then
  echo "skip: sway did not start here: $(tail -n 3 "$WORK/sway.log")"
  exit 0
fi
SWAYSOCK="$(ls "$XDG_RUNTIME_DIR"/sway-ipc.*.sock)"
export SWAYSOCK
start_app -u DISPLAY WAYLAND_DISPLAY="$(sway_socket)" SDL_AUDIODRIVER=dummy
wait_until 10 more_than 200 white_in_label1 || fail "no instruction text at scale 1"
pass "sway at scale 1"

swaymsg -q output X11-1 scale 2
# The lower part of Label1's box at scale 2, below where the text stands
# at scale 1, as far as the 640 pixels of the output reach.
white_in_label1_at_2() { count_colour 32 55 600 43 FFFFFF; }
wait_until 1 more_than 400 white_in_label1_at_2 || fail "the text was not drawn at scale 2 within a second"
sharp_balls 62 66
pass "a change to scale 2 is followed within a second, sharp"

swaymsg -q kill
wait_exit 3
[ "$EXIT_STATUS" -eq 0 ] || fail "sway's kill ended the toy with status $EXIT_STATUS"
pass "the compositor's close ends with status 0"
