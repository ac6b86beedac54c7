#!/usr/bin/env bash
# Under the real XScreenSaver daemon, with a private HOME whose
# ~/.xscreensaver lists only the toy: activated, the saver's window shows the
# balls, the instruction and the count over the whole screen; deactivated,
# the toy's process is gone within a second, and it never beeped.
# XScreenSaver launches no hacks as root, so as root the daemon runs as a
# system user this test creates (bumblorbs-saver) where it is missing. That
# user may not reach the build (a clone under /root or in a 0700 folder), so
# the daemon runs a copy of the toy in the test's own folder.
source "$(dirname "$0")/lib.sh"

bumblorbs_start_xvfb 800x600
saver_home="$WORK/home"
mkdir "$saver_home"
toy="$WORK/bumblorbs"
install -m 755 "$BUMBLORBS" "$toy"
as_saver_user=(env)
if [ "$(id -u)" -eq 0 ]; then
  id bumblorbs-saver >/dev/null 2>&1 ||
    useradd --system --no-create-home --shell /usr/sbin/nologin bumblorbs-saver
  chmod 755 "$WORK"
  chown bumblorbs-saver: "$saver_home"
  as_saver_user=(setpriv --reuid=bumblorbs-saver --regid=bumblorbs-saver --clear-groups env)
  must_reach bumblorbs-saver "$toy"
fi
cat >"$saver_home/.xscreensaver" <<CONFIG
mode: one
selected: 0
lock: False
fade: False
unfade: False
splash: False
programs: $toy --root
CONFIG
# From the saver's home: the daemon and its toy keep a working folder
# their user can enter.
saver() { (cd "$saver_home" && exec "${as_saver_user[@]}" HOME="$saver_home" "$@"); }

saver SDL_AUDIODRIVER=disk SDL_DISKAUDIOFILE="$saver_home/audio.raw" \
  xscreensaver --no-splash --verbose >"$WORK/xscreensaver.log" 2>&1 &
SAVER_PID=$!
trap 'kill "$SAVER_PID" 2>/dev/null || true; cleanup' EXIT
daemon_ready() { saver xscreensaver-command -time >/dev/null 2>&1; }
wait_until 10 daemon_ready || { cat "$WORK/xscreensaver.log" >&2; fail "xscreensaver did not start"; }

toy_pid() { pgrep -u "$(saver id -u)" -f "^$toy --root"; }
saver xscreensaver-command -activate >/dev/null
wait_until 5 toy_pid >/dev/null || { cat "$WORK/xscreensaver.log" >&2; fail "xscreensaver did not start the toy"; }
pid="$(toy_pid)"
labels_shown() { [ "$(white_in_label1)" -gt 500 ] && [ "$(red_in_label2)" -gt 50 ]; }
wait_until 5 labels_shown || fail "the instruction and the count are not on the screen"
[ "$(dominant)" = 000000 ] || fail "the screen is not black but $(dominant)"
screen_changes || fail "nothing moves"
# The scene covers the screen: balls reach its far corner too.
ball_in_far_corner() { [ "$(least_of 10 count_colour 400 300 400 300 000000)" -lt 120000 ]; }
wait_until 5 ball_in_far_corner || fail "no ball reaches the screen's far corner"
pass "activated: the balls, the instruction and the count fill the saver's window"

saver xscreensaver-command -deactivate >/dev/null
# Ended, if perhaps not yet reaped by whoever inherits it from the saver.
gone() { ! kill -0 "$pid" 2>/dev/null || [[ "$(ps -o stat= -p "$pid")" == Z* ]]; }
wait_until 1 gone || {
  ps -o pid,ppid,stat,wchan,cmd -p "$pid" >&2
  fail "the toy still runs a second after the saver was deactivated"
}
[ "$(tr -d '\0' <"$saver_home/audio.raw" 2>/dev/null | wc -c)" -eq 0 ] || fail "the toy beeped"
pass "deactivated: the toy is gone within a second, and nothing beeped"
