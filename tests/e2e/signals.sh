#!/usr/bin/env bash
# SIGINT and SIGTERM end the program promptly with status 0; SIGPIPE does
# not end it.
source "$(dirname "$0")/lib.sh"

bumblorbs_start_xvfb 640x480
# Without job control bash starts background commands with SIGINT ignored,
# as no program started from a terminal has it.
set -m
for signal in INT TERM; do
  start_app
  wait_window >/dev/null
  kill -s "$signal" "$APP_PID"
  wait_exit 2
  [ "$EXIT_STATUS" -eq 0 ] || fail "SIG$signal gave status $EXIT_STATUS"
  pass "SIG$signal ends with status 0"
done

# Whatever the program waits on, a stop signal ends it within two seconds:
# the event loop takes it, or, where the program is stuck waiting on the
# display, it ends at once with a line that says so.
ended() { ! alive; }
ends_soon_after() {
  kill -s "$1" "$APP_PID"
  wait_until 2 ended || fail "$2: SIG$1 did not end the program within 2 s"
  wait_exit 1
  [ "$EXIT_STATUS" -lt 128 ] || fail "$2: ended by signal $((EXIT_STATUS - 128))"
}

# An X server that is stopped, with the program drawing to it: what the
# program sends lies unread in the server's socket.
unread_by_server() {
  ss -xpn | awk -v server="pid=$XVFB_PID," '$2 == "ESTAB" && index($0, server) {sum += $3}
    END {print sum + 0}'
}
start_app
wait_window >/dev/null
kill -STOP "$XVFB_PID"
wait_until 5 more_than 0 unread_by_server || fail "the program sent nothing to the stopped server"
ends_soon_after TERM "X server stopped"
kill -CONT "$XVFB_PID"
pass "SIGTERM ends the program while the X server is stopped (status $EXIT_STATUS)"

# A display that accepts the connection and never answers.
python3 - "$WORK/silent" <<'PY' &
import socket, sys
for number in range(90, 200):
    try:
        server = socket.create_server(("127.0.0.1", 6000 + number))
        break
    except OSError:
        continue
open(sys.argv[1], "w").write(str(number))
clients = []
while True:
    clients.append(server.accept())
    open(sys.argv[1] + ".called", "w").close()
PY
SILENT_PID=$!
wait_until 5 test -s "$WORK/silent" || fail "the silent display did not start"
start_app DISPLAY="127.0.0.1:$(cat "$WORK/silent")"
wait_until 5 test -e "$WORK/silent.called" || fail "the program did not call the silent display"
wait_until 2 catches INT || fail "SIGINT is not taken"
alive || fail "the program did not wait on the silent display"
ends_soon_after INT "silent display"
kill "$SILENT_PID"
wait "$SILENT_PID" 2>/dev/null || true
[ "$EXIT_STATUS" -eq 1 ] || fail "status $EXIT_STATUS after giving up on a silent display"
grep -q '^Bumblorbs: fatal error: stopped by a signal, and could not finish within 1.5 s' "$APP_LOG" ||
  fail "no line says why it ended at once"
pass "SIGINT ends the program while the display never answers"

# A warning written to a pipe nobody reads fails; it does not kill the
# program. The pipe's only reader is gone before the program starts.
mkfifo "$WORK/pipe"
exec 3<>"$WORK/pipe" 4>"$WORK/pipe" 3<&-
env SDL_AUDIODRIVER=none "$BUMBLORBS" 2>&4 4>&- &
APP_PID=$!
exec 4>&-
wait_window >/dev/null
kill -TERM "$APP_PID"
wait_exit 2
[ "$EXIT_STATUS" -eq 0 ] || fail "status $EXIT_STATUS with stderr a broken pipe"
pass "a warning to a broken pipe does not end the program"
