#!/usr/bin/env bash
# From its creation to its first map the window never carries size hints
# that pin its size (minimum = maximum), which a manager may act on before
# they are cleared; where a manager runs, it carries the full-screen state
# when it is first mapped. Every request the toy sends is read on its way
# to the X server, so no passing moment is missed.
source "$(dirname "$0")/lib.sh"

bumblorbs_start_xvfb 640x480
"$XINSPECT" manager >"$WORK/manager" &
HELPER_PIDS+=($!)
wait_until 5 grep -q managing "$WORK/manager" || fail "the manager did not start"

# A display on TCP that passes everything to the Xvfb and notes each
# property the clients change (window, atom, mode, data) and each map.
python3 - "${DISPLAY#:}" "$WORK/proxy" "$WORK/requests" >/dev/null <<'PY' &
import selectors, socket, struct, sys
server_display, ready, log_path = sys.argv[1], sys.argv[2], sys.argv[3]
for number in range(90, 200):
    try:
        listener = socket.create_server(("127.0.0.1", 6000 + number))
        break
    except OSError:
        continue
log = open(log_path, "w", buffering=1)
selector = selectors.DefaultSelector()
selector.register(listener, selectors.EVENT_READ)
streams = {}  # client socket -> [server socket, unread bytes, setup done]

def read_requests(state):
    data = state[1]
    if not state[2]:
        if len(data) < 12:
            return
        name, auth = struct.unpack_from("<HH", data, 6)
        size = 12 + (name + 3) // 4 * 4 + (auth + 3) // 4 * 4
        if len(data) < size:
            return
        data, state[2] = data[size:], True
    while len(data) >= 4:
        opcode, detail, length = struct.unpack_from("<BBH", data)
        header = 4
        if length == 0:  # BIG-REQUESTS: the length follows
            if len(data) < 8:
                break
            length, header = struct.unpack_from("<I", data, 4)[0], 8
        if len(data) < length * 4:
            break
        body = data[header:length * 4]
        if opcode == 18:  # ChangeProperty
            window, atom, kind, form, count = struct.unpack_from("<IIIB3xI", body)
            value = body[20:20 + count * form // 8]
            log.write(f"prop {window} {atom} {detail} {form} {value.hex()}\n")
        elif opcode == 8:  # MapWindow
            log.write(f"map {struct.unpack_from('<I', body)[0]}\n")
        data = data[length * 4:]
    state[1] = data

open(ready, "w").write(str(number))
while True:
    for key, _ in selector.select():
        sock = key.fileobj
        if sock is listener:
            client, _ = listener.accept()
            upstream = socket.socket(socket.AF_UNIX)
            upstream.connect(f"/tmp/.X11-unix/X{server_display}")
            streams[client] = [upstream, b"", False]
            selector.register(client, selectors.EVENT_READ, upstream)
            selector.register(upstream, selectors.EVENT_READ, client)
            continue
        chunk = sock.recv(65536)
        if not chunk:
            for end in (sock, key.data):
                selector.unregister(end)
                end.close()
            streams.pop(sock, None)
            streams.pop(key.data, None)
            continue
        key.data.sendall(chunk)
        if sock in streams:
            streams[sock][1] += chunk
            read_requests(streams[sock])
PY
HELPER_PIDS+=($!)
wait_until 5 test -s "$WORK/proxy" || fail "the proxy did not start"

start_app DISPLAY="127.0.0.1:$(cat "$WORK/proxy")" SDL_AUDIODRIVER=dummy
window="$(wait_window)"
kill -TERM "$APP_PID"
wait_exit 3
atom() { xlsatoms -n "$1" | cut -f1; }
python3 - "$WORK/requests" "$window" "$(atom _NET_WM_STATE)" "$(atom _NET_WM_STATE_FULLSCREEN)" <<'PY' ||
import struct, sys
log, window, state_atom, fullscreen = sys.argv[1], int(sys.argv[2]), int(sys.argv[3]), int(sys.argv[4])
NORMAL_HINTS, MIN_SIZE, MAX_SIZE = 40, 16, 32
states, mapped = {}, False
for line in open(log):
    words = line.split()
    if words[0] == "map" and int(words[1]) == window and not mapped:
        mapped = True
        if fullscreen not in states.get(window, []):
            sys.exit("mapped without the full-screen state")
    if words[0] != "prop":
        continue
    target, atom, mode, value = int(words[1]), int(words[2]), int(words[3]), bytes.fromhex(words[5])
    if atom == NORMAL_HINTS and len(value) >= 40:
        flags, _, _, _, _, min_w, min_h, max_w, max_h = struct.unpack_from("<9I", value)
        if flags & MIN_SIZE and flags & MAX_SIZE and (min_w, min_h) == (max_w, max_h):
            sys.exit(f"size hints pin the window at {min_w}x{min_h}")
    if atom == state_atom:
        atoms = list(struct.unpack(f"<{len(value) // 4}I", value))
        states[target] = atoms if mode == 0 else states.get(target, []) + atoms
if not mapped:
    sys.exit("the window's map was not seen")
PY
  fail "the start-up sequence"
pass "never pinned by its size hints; full screen from its first map"
