#!/usr/bin/env bash
# A display that takes the connection but never answers as an X server does,
# a stopped X server or a socket that sends garbage or half an answer, ends
# the program within a few seconds with one line that names it and status 1,
# in its own window and as a screen saver.
source "$(dirname "$0")/lib.sh"

# gives_up DISPLAY [OPTION...]: one line naming DISPLAY, status 1, within 6 s.
gives_up() {
  local display="$1"
  shift
  env -u WAYLAND_DISPLAY -u SDL_VIDEODRIVER -u XSCREENSAVER_WINDOW DISPLAY="$display" \
    SDL_AUDIODRIVER=dummy "$BUMBLORBS" "$@" >"$APP_LOG" 2>&1 &
  APP_PID=$!
  wait_exit 6
  [ "$EXIT_STATUS" -eq 1 ] || fail "$display $*: status $EXIT_STATUS"
  [ "$(wc -l <"$APP_LOG")" -eq 1 ] && grep -q "^Bumblorbs: .*X display $display does not answer" \
    "$APP_LOG" || fail "$display $*: not one line naming the display: $(cat "$APP_LOG")"
}

bumblorbs_start_xvfb 640x480
"$XINSPECT" window 10 10 200 100 >"$WORK/window" &
HELPER_PIDS+=($!)
wait_until 5 test -s "$WORK/window" || fail "no window to draw into"
kill -STOP "$XVFB_PID"
gives_up "$DISPLAY"
gives_up "$DISPLAY" --root
gives_up "$DISPLAY" --window-id "$(cat "$WORK/window")"
kill -CONT "$XVFB_PID"
pass "a stopped X server: one line and status 1, in all three modes"

# fake_display MODE: a TCP display that sends garbage, or the start of a
# setup reply and nothing more; sets FAKE_DISPLAY to its name.
fake_display() {
  python3 - "$1" "$WORK/fake-$1" >/dev/null <<'PY' &
import socket, struct, sys
mode, where = sys.argv[1], sys.argv[2]
for number in range(90, 200):
    try:
        server = socket.create_server(("127.0.0.1", 6000 + number))
        break
    except OSError:
        continue
open(where, "w").write(str(number))
clients = []
while True:
    client, _ = server.accept()
    if mode == "garbage":
        client.send(b"HTTP/1.1 400 Bad Request\r\n\r\n")
    else:
        client.send(struct.pack("<BBHHH", 1, 0, 11, 0, 500) + bytes(40))
    clients.append(client)
PY
  HELPER_PIDS+=($!)
  wait_until 5 test -s "$WORK/fake-$1" || fail "the $1 display did not start"
  FAKE_DISPLAY="127.0.0.1:$(cat "$WORK/fake-$1")"
}

fake_display garbage
garbage="$FAKE_DISPLAY"
gives_up "$garbage" --root
env -u WAYLAND_DISPLAY DISPLAY="$garbage" "$BUMBLORBS" >"$APP_LOG" 2>&1 || true
grep -q "X display $garbage does not answer as an X server" "$APP_LOG" ||
  fail "garbage is not told from silence: $(cat "$APP_LOG")"
fake_display truncated
truncated="$FAKE_DISPLAY"
gives_up "$truncated"
gives_up "$truncated" --window-id 0x200001
pass "a socket that sends garbage or half an answer: one line and status 1"

# A server that resets when its last client leaves (no -noreset) answers the
# look the toy takes before it connects, and must not reset under it: the
# toy shows its window, and draws as a screen saver, twice each, as the
# reset would race the toy's own connection.
Xvfb -displayfd 3 -screen 0 640x480x24 -nolisten tcp 3>"$WORK/resetting" >/dev/null 2>&1 &
HELPER_PIDS+=($!)
wait_until 5 grep -q '[0-9]' "$WORK/resetting" || fail "the resetting Xvfb did not start"
export DISPLAY=":$(tr -dc '0-9' <"$WORK/resetting")"
for option in "" --root "" --root; do
  env -u WAYLAND_DISPLAY SDL_AUDIODRIVER=dummy "$BUMBLORBS" $option >"$APP_LOG" 2>&1 &
  APP_PID=$!
  wait_until 5 more_than 200 white_in_label1 || fail "a resetting server, $option: nothing drawn"
  kill -TERM "$APP_PID"
  wait_exit 3
  [ "$EXIT_STATUS" -eq 0 ] || fail "a resetting server, $option: status $EXIT_STATUS"
done
pass "a server that resets when its last client leaves: the toy still connects"
