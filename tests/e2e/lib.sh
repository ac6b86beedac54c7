# Helpers for the end-to-end tests: each test runs the real program on its
# own Xvfb and looks at it with real X tools. Sourced by the tests.
# Needs BUMBLORBS (the program) and XINSPECT (the pixel reader).
set -euo pipefail

source "$(dirname "${BASH_SOURCE[0]}")/../../tools/xvfb.sh"
source "$(dirname "${BASH_SOURCE[0]}")/layout.sh"

WORK="$(mktemp -d)"
APP_PID=""
APP_LOG="$WORK/app.log"

WESTON_PID=""
# Helpers a test starts beside the program, ended with it.
HELPER_PIDS=()

cleanup() {
  local pid
  for pid in "${HELPER_PIDS[@]}"; do
    kill "$pid" 2>/dev/null || true
  done
  if [ -n "$APP_PID" ]; then
    kill -9 "$APP_PID" 2>/dev/null || true
  fi
  if [ -n "$WESTON_PID" ]; then
    end_helper "$WESTON_PID"
  fi
  bumblorbs_stop_xvfb
  rm -rf "$WORK"
}
trap cleanup EXIT

fail() {
  echo "FAIL: $*" >&2
  if [ -s "$APP_LOG" ]; then
    echo "--- the program's stderr:" >&2
    cat "$APP_LOG" >&2
  fi
  exit 1
}

pass() { echo "ok: $*"; }

# start_app [env assignments...]: starts the program in the background.
start_app() {
  env "$@" "$BUMBLORBS" >"$APP_LOG" 2>&1 &
  APP_PID=$!
}

# start_weston WIDTHxHEIGHT [weston options...]: a real Wayland compositor
# on a private Xvfb of that size, its one output as large as the screen.
# weston's X11 backend gives it a seat that xdotool on the Xvfb drives.
# Sets WAYLAND_SOCKET_NAME, and XWAYLAND_DISPLAY when --xwayland is given.
start_weston() {
  local size="$1"
  shift
  bumblorbs_start_xvfb "$size"
  export XDG_RUNTIME_DIR="$WORK/runtime"
  mkdir -p -m 700 "$XDG_RUNTIME_DIR"
  # A new name for each compositor: a socket the last one left behind must
  # not pass for this one's.
  WESTON_STARTS=$((${WESTON_STARTS:-0} + 1))
  WAYLAND_SOCKET_NAME="bumblorbs-test-$WESTON_STARTS"
  weston --backend=x11-backend.so --use-pixman --socket="$WAYLAND_SOCKET_NAME" \
    --width="${size%x*}" --height="${size#*x}" --idle-time=0 "$@" >"$WORK/weston.log" 2>&1 &
  WESTON_PID=$!
  wait_until 10 test -S "$XDG_RUNTIME_DIR/$WAYLAND_SOCKET_NAME" || fail "weston did not start"
  if [[ " $* " == *" --xwayland "* ]]; then
    xwayland_ready() { grep -q 'xserver listening on display' "$WORK/weston.log"; }
    wait_until 10 xwayland_ready || fail "weston did not start XWayland"
    XWAYLAND_DISPLAY="$(grep -o 'listening on display :[0-9]*' "$WORK/weston.log" | grep -o ':[0-9]*')"
  fi
}

# start_hostile_socket MODE PATH: a Unix socket at PATH that accepts
# connections and then stays silent (silent), closes them (closing) or sends
# random bytes (garbage), as a broken compositor might.
start_hostile_socket() {
  python3 -c '
import os, socket, sys
mode, path = sys.argv[1], sys.argv[2]
server = socket.socket(socket.AF_UNIX)
server.bind(path)
server.listen(8)
kept = []
while True:
    client, _ = server.accept()
    if mode == "closing":
        client.close()
        continue
    if mode == "garbage":
        client.send(os.urandom(4096))
    kept.append(client)
' "$1" "$2" &
  HELPER_PIDS+=($!)
  wait_until 5 test -S "$2" || fail "the $1 socket did not start"
}

# stop_weston: ends the compositor (and its XWayland) under whatever runs on it.
stop_weston() {
  end_helper "$WESTON_PID"
  WESTON_PID=""
}

# start_wayland_app [env assignments...]: the program as a native Wayland client.
start_wayland_app() {
  start_app -u DISPLAY WAYLAND_DISPLAY="$WAYLAND_SOCKET_NAME" SDL_AUDIODRIVER=dummy "$@"
}

# start_kwin SOCKET KWIN_OPTIONS...: KDE's compositor on the Xvfb, with the
# Wayland socket SOCKET, its log in $WORK/kwin.log. The installed binary
# carries file capabilities, which an unprivileged container refuses to run
# ("Operation not permitted"); a plain copy runs.
start_kwin() {
  local socket="$1"
  shift
  export XDG_RUNTIME_DIR="$WORK/runtime"
  mkdir -p -m 700 "$XDG_RUNTIME_DIR"
  cp /usr/bin/kwin_wayland "$WORK/kwin_wayland"
  KWIN_COMPOSE=Q "$WORK/kwin_wayland" --x11-display "$DISPLAY" --socket "$socket" "$@" \
    >"$WORK/kwin.log" 2>&1 &
  HELPER_PIDS+=($!)
}

# start_on_second_output: weston with two outputs of 400x300, whose windows
# on the Xvfb weston stacks at its top-left: the second (its id in
# SECOND_OUTPUT) is moved to the right, the pointer clicks there, and the
# program starts as a native client; fails unless it covers that output.
start_on_second_output() {
  start_weston 800x300 --output-count=2 --width=400 --height=300
  SECOND_OUTPUT="$(xwininfo -root -tree | awk '/Weston Compositor - screen1/ {print $1}')"
  [ -n "$SECOND_OUTPUT" ] || fail "weston shows no second output"
  xdotool windowmove "$SECOND_OUTPUT" 400 0
  release 1 600 150
  # Under load weston may not yet have drawn the first output, which is
  # black until it does.
  wait_until 5 left_uncovered || fail "weston did not draw its first output"
  start_wayland_app
  wait_until 5 right_covered || fail "the window is not on the output with the pointer and focus"
}
left_uncovered() { [ "$(count_colour 0 100 400 200 000000)" -lt 1000 ]; }
right_covered() { [ "$(count_colour 400 0 400 300 000000)" -gt 30000 ]; }

# wait_window: prints the program's window id once it is shown.
wait_window() {
  local id
  id="$(timeout 10 xdotool search --sync --onlyvisible --name '^Bumblorbs$' | head -n 1)" ||
    fail "no window named Bumblorbs appeared (program $(alive && echo running || echo ended))"
  echo "$id"
}

# wait_exit SECONDS: waits for the program to end and puts its exit status
# in EXIT_STATUS. Not in a subshell: only this shell can reap the program.
wait_exit() {
  local deadline=$((SECONDS + $1))
  while kill -0 "$APP_PID" 2>/dev/null; do
    if [ "$SECONDS" -ge "$deadline" ]; then
      fail "the program did not end within $1 s"
    fi
    sleep 0.05
  done
  EXIT_STATUS=0
  wait "$APP_PID" || EXIT_STATUS=$?
  APP_PID=""
}

alive() { kill -0 "$APP_PID" 2>/dev/null; }

# must_reach USER PATH: fails, saying why, unless USER can read PATH. What a
# test runs as another user lives in the test's own folder, never in the
# build, which that user may not be able to enter.
must_reach() {
  runuser -u "$1" -- test -r "$2" ||
    fail "the user $1 cannot reach $2 (TMPDIR must be a folder every user can enter)"
}

# wait_until SECONDS COMMAND...: runs COMMAND until it succeeds, and fails
# (returns 1) if it has not within SECONDS, which may have a fraction.
wait_until() {
  local limit="$1"
  shift
  local deadline
  deadline="$(deadline_after "$limit")"
  until "$@"; do
    [ "$(date +%s%N)" -lt "$deadline" ] || return 1
    sleep 0.05
  done
}

# deadline_after SECONDS: the clock in nanoseconds that many seconds, which
# may have a fraction, from now.
deadline_after() {
  # In milliseconds first: mawk's %d stops at 2^31, about 2.1 s in nanoseconds.
  echo $(($(date +%s%N) + $(awk -v s="$1" 'BEGIN {printf "%d", s * 1000}') * 1000000))
}

# stays SECONDS COMMAND...: whether COMMAND keeps succeeding for SECONDS,
# checked all along; false at the first check where it does not. For what
# must not happen, where nothing shows that it had its chance to.
stays() {
  local deadline
  deadline="$(deadline_after "$1")"
  shift
  while [ "$(date +%s%N)" -lt "$deadline" ]; do
    "$@" || return 1
    sleep 0.05
  done
}

# moves_on N: waits until the screen has changed N times, each within 3 s:
# the balls have gone on for at least N frames, however busy the machine.
# One read of the screen for each change: under load a read takes long.
moves_on() {
  local last now deadline _
  last="$(screen_hash)"
  for _ in $(seq "$1"); do
    deadline="$(deadline_after 3)"
    now="$(screen_hash)"
    while [ "$now" = "$last" ]; do
      [ "$(date +%s%N)" -lt "$deadline" ] || return 1
      now="$(screen_hash)"
    done
    last="$now"
  done
}

# catches SIGNAL: whether the program has put a handler of its own on
# SIGNAL (a name such as TERM), which it does early in its start.
catches() {
  local mask
  mask="$(awk '/^SigCgt:/ {print $2}' "/proc/$APP_PID/status" 2>/dev/null)"
  [ -n "$mask" ] && (((16#$mask >> ($(kill -l "$1") - 1)) & 1))
}

# end_helper PID: ends a helper with SIGTERM, or with SIGKILL when it has
# not ended within 5 s, and reaps it.
end_helper() {
  kill "$1" 2>/dev/null || true
  local ended=1
  wait_until 5 gone_process "$1" || ended=0
  if [ "$ended" -eq 0 ]; then
    kill -9 "$1" 2>/dev/null || true
  fi
  wait "$1" 2>/dev/null || true
}
# gone_process PID: whether PID has ended, reaped or not.
gone_process() { ! kill -0 "$1" 2>/dev/null || [[ "$(ps -o stat= -p "$1")" == Z* ]]; }

# more_than N COMMAND...: whether COMMAND prints a number above N.
# least_of N COMMAND...: the least number the command prints in N reads of
# the screen, 0.1 s apart. A single read may catch two balls touching, or a
# ball at its new place in one tile and its old in the next; the balls move
# on between reads.
least_of() {
  local reads="$1"
  shift
  local _
  for _ in $(seq "$reads"); do
    "$@"
    sleep 0.1
  done | sort -n | head -n 1
}

more_than() {
  local limit="$1"
  shift
  [ "$("$@")" -gt "$limit" ]
}

# screen_changes: whether the screen changes from the picture it shows now.
screen_changes() {
  local before
  before="$(screen_hash)"
  wait_until 3 not_screen "$before"
}
not_screen() { [ "$(screen_hash)" != "$1" ]; }

screen_hash() { xwd -root -silent | md5sum | cut -d' ' -f1; }

# count_colour X Y W H RRGGBB
count_colour() { "$XINSPECT" count "$@"; }
white_in_label1() { count_colour $LABEL1_BOX FFFFFF; }
# white_in_label1_at SCALE: the same on an output of that scale.
white_in_label1_at() {
  local box
  read -ra box <<<"$LABEL1_BOX"
  count_colour $((box[0] * $1)) $((box[1] * $1)) $((box[2] * $1)) $((box[3] * $1)) FFFFFF
}
red_in_label2() { count_colour $LABEL2_BOX FF0000; }
dominant() { "$XINSPECT" dominant; }

# release BUTTON X Y: a click whose release lands at X,Y.
release() { xdotool mousemove "$2" "$3" click "$1"; }

not_black() { [ "$(dominant)" != 000000 ]; }

# sharp_balls LEAST MOST: a ball's fill, the widest run of one colour on
# screen, is LEAST to MOST pixels across, and its outline at most 2 pixels
# wide, as drawn at the output's real pixels and not scaled up. The least of
# five reads, since one read can catch a ball touching another. Sets FILL
# and RIM.
sharp_balls() {
  FILL="$(least_of 5 "$XINSPECT" widest)"
  RIM="$(least_of 5 "$XINSPECT" rim)"
  echo "a ball's fill is $FILL pixels across, its outline $RIM"
  [ "$FILL" -ge "$1" ] && [ "$FILL" -le "$2" ] || fail "a ball's fill is $FILL pixels across"
  [ "$RIM" -le 2 ] || fail "the outline is $RIM pixels wide: the picture was scaled"
}

# left_paints_right_ends X Y: a left release at X,Y paints the background
# in a colour, and a right release there ends the program with status 0.
left_paints_right_ends() {
  release 1 "$1" "$2"
  wait_until 3 not_black || fail "a left release did not paint the background"
  release 3 "$1" "$2"
  wait_exit 3
  [ "$EXIT_STATUS" -eq 0 ] || fail "right release ended with status $EXIT_STATUS"
}
