#!/usr/bin/env bash
# A fatal error is said in one line on stderr and, where SDL's own X11 box
# shows well, in a box that fits the screen; the box never keeps SIGTERM
# from ending the program with the fatal status.
source "$(dirname "$0")/lib.sh"

# A fontconfig that offers no font at all: fatal once the window exists.
mkdir -p "$WORK/nofonts"
cat >"$WORK/fonts.conf" <<CONF
<?xml version="1.0"?>
<!DOCTYPE fontconfig SYSTEM "urn:fontconfig:fonts.dtd">
<fontconfig>
  <dir>$WORK/nofonts</dir>
  <cachedir>$WORK/fontcache</cachedir>
</fontconfig>
CONF
# Besides it, only the notes on sound and on a slower visual may stand.
only_the_fatal_line() {
  [ "$(grep -v -c -e '^Bumblorbs: no sound' -e "^Bumblorbs: this display's visual" "$APP_LOG")" -eq 1 ] &&
    grep -q '^Bumblorbs: fatal error: ' "$APP_LOG"
}

bumblorbs_start_xvfb 640x480
start_app FONTCONFIG_FILE="$WORK/fonts.conf"
# The box names itself in a way xdotool does not read; xwininfo does.
box_geometry() { xwininfo -root -tree | grep -o '"Bumblorbs: fatal error": ()  [0-9x+-]*'; }
wait_until 10 box_geometry >/dev/null || fail "no box appeared"
read -r WIDTH X < <(box_geometry | sed 's/.*  \([0-9]*\)x[0-9]*+\([-0-9]*\)+.*/\1 \2/')
[ "$X" -ge 0 ] && [ $((X + WIDTH)) -le 640 ] || fail "the box (${WIDTH} px at $X) does not fit 640 px"
t0=$(date +%s%N)
kill -TERM "$APP_PID"
wait_until 2 eval '! alive' || fail "SIGTERM did not end the program while the box was up"
wait_exit 1
[ "$EXIT_STATUS" -eq 1 ] || fail "status $EXIT_STATUS with the box up"
only_the_fatal_line || fail "more than the fatal line on stderr"
pass "the box fits the screen and SIGTERM ends it with status 1 in $((($(date +%s%N) - t0) / 1000000)) ms"

# On a visual of 65,536 colours the box would come out unreadable: only the
# line is given, and the program ends.
bumblorbs_stop_xvfb
bumblorbs_start_xvfb 640x480 -screen 0 640x480x16
start_app FONTCONFIG_FILE="$WORK/fonts.conf"
wait_exit 10
[ "$EXIT_STATUS" -eq 1 ] || fail "status $EXIT_STATUS at 16 bits"
only_the_fatal_line || fail "more than the fatal line on stderr at 16 bits"
pass "at 16 bits only the line is given"
