#!/usr/bin/env bash
# With no thread to spare, or little memory, the toy answers, runs, or ends
# with one line: it never aborts and never dumps core.
source "$(dirname "$0")/lib.sh"

bumblorbs_start_xvfb 640x480
# Root runs the toy as nobody, who may not reach the build: a copy in the
# test's own folder, started from there.
install -m 755 "$BUMBLORBS" "$WORK/bumblorbs"
BUMBLORBS="$WORK/bumblorbs"
if [ "$(id -u)" -eq 0 ]; then
  chmod 755 "$WORK"
  must_reach nobody "$BUMBLORBS"
fi
cd "$WORK"

# Both become COMMAND, so call them in a subshell. A sanitizer's leak check
# needs a thread of its own at exit, so it is off here.
export ASAN_OPTIONS="${ASAN_OPTIONS:+$ASAN_OPTIONS:}detect_leaks=0"
# COMMAND... with one process allowed to its user, so no thread can start.
# Root is not held to that limit, so root runs it as nobody.
with_one_process() {
  if [ "$(id -u)" -eq 0 ]; then
    exec setpriv --reuid=65534 --regid=65534 --clear-groups bash -c 'ulimit -u 1 && exec "$@"' - "$@"
  fi
  exec bash -c 'ulimit -u 1 && exec "$@"' - "$@"
}
# COMMAND... within 30 MB of address space: less than a thread's stack.
with_little_memory() { exec bash -c 'ulimit -v 30000 && exec "$@"' - "$@"; }

# answers LIMIT: --help and --version answer with status 0.
answers() {
  local status=0
  ("$1" "$BUMBLORBS" --help) >"$WORK/out" 2>"$APP_LOG" || status=$?
  [ "$status" -eq 0 ] && grep -q '^usage: bumblorbs' "$WORK/out" || fail "$1: --help gave $status"
  status=0
  ("$1" "$BUMBLORBS" --version) >"$WORK/out" 2>"$APP_LOG" || status=$?
  [ "$status" -eq 0 ] && grep -q '^Bumblorbs ' "$WORK/out" || fail "$1: --version gave $status"
}

# runs_or_says LIMIT [OPTION]: the toy shows its scene, or says why it
# cannot in a line of its own; SIGTERM then ends it, and never by a signal.
runs_or_says() {
  # The last run's text stays on the root window until painted over.
  xsetroot -solid '#204080'
  "$1" "$BUMBLORBS" ${2:+"$2"} >"$APP_LOG" 2>&1 &
  APP_PID=$!
  shown_or_said() {
    ! alive || grep -q '^Bumblorbs: fatal error' "$APP_LOG" ||
      [ "$(count_colour $LABEL1_BOX FFFFFF)" -gt 20 ]
  }
  wait_until 10 shown_or_said || fail "$1 $*: nothing shown or said within 10 s"
  kill -TERM "$APP_PID" 2>/dev/null || true
  wait_exit 3
  [ "$EXIT_STATUS" -lt 128 ] || fail "$1 $*: ended by signal $((EXIT_STATUS - 128))"
  [ "$EXIT_STATUS" -eq 0 ] || tail -n 1 "$APP_LOG" | grep -q '^Bumblorbs: ' ||
    fail "$1 $*: status $EXIT_STATUS without a line of its own"
}

answers with_one_process
runs_or_says with_one_process
[ "$EXIT_STATUS" -eq 0 ] || fail "with one process the toy gave $EXIT_STATUS"
runs_or_says with_one_process --root
[ "$EXIT_STATUS" -eq 0 ] || fail "with one process the saver gave $EXIT_STATUS"
pass "no thread to spare: answers, and runs in both modes"

# AddressSanitizer needs terabytes of address space to start at all.
if ldd "$BUMBLORBS" | grep -q libasan; then
  pass "little memory: not checked under AddressSanitizer"
  exit 0
fi
answers with_little_memory
runs_or_says with_little_memory
pass "little memory: answers, and runs or ends with one line"
