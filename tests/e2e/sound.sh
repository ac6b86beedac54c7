#!/usr/bin/env bash
# Ball 0's bounces are heard; without a sound device the toy runs silently;
# a sound server that ends and comes back takes the beep with it.
source "$(dirname "$0")/lib.sh"

# On so small a screen ball 0 bounces within moments, and often.
bumblorbs_start_xvfb 200x150
start_app SDL_AUDIODRIVER=disk SDL_DISKAUDIOFILE="$WORK/audio.raw"
wait_window >/dev/null
sounded() { [ "$(tr -d '\0' <"$WORK/audio.raw" 2>/dev/null | wc -c)" -gt 1000 ]; }
wait_until 10 sounded || fail "no beep was played"
kill -TERM "$APP_PID"
wait_exit 3 && [ "$EXIT_STATUS" -eq 0 ] || fail "did not end cleanly"
pass "ball 0's bounces are heard"

start_app SDL_AUDIODRIVER=nosuchdriver
wait_window >/dev/null
noticed() { grep -q 'Bumblorbs: no sound' "$APP_LOG"; }
wait_until 3 noticed || fail "no notice of the missing sound"
alive || fail "no sound device ended the program"
[ "$(grep -c 'Bumblorbs: no sound' "$APP_LOG")" -eq 1 ] || fail "no one-line notice of the missing sound"
[ "$(wc -l <"$APP_LOG")" -eq 1 ] || fail "more than one line on stderr"
kill -TERM "$APP_PID"
wait_exit 3 && [ "$EXIT_STATUS" -eq 0 ] || fail "did not end cleanly"
pass "without a sound device the toy runs silently"

# The sound server ends and starts again: the beep goes and comes back with
# it, each said in one line. The server plays into a null sink, whose
# monitor is recorded.
if command -v pulseaudio >/dev/null && command -v parecord >/dev/null; then
  export HOME="$WORK" XDG_RUNTIME_DIR="$WORK/runtime" PULSE_SERVER="unix:$WORK/pulse.sock"
  mkdir -p -m 700 "$XDG_RUNTIME_DIR"
  # A server left behind by a failed run ends by itself once idle.
  PULSE_PID=""
  RECORDER_PID=""
  stop_pulse() {
    if [ -n "$PULSE_PID" ]; then
      kill -9 "$PULSE_PID" 2>/dev/null || true
      wait "$PULSE_PID" 2>/dev/null || true
      PULSE_PID=""
    fi
    # Its recorder goes with it.
    if [ -n "$RECORDER_PID" ]; then
      kill "$RECORDER_PID" 2>/dev/null || true
      wait "$RECORDER_PID" 2>/dev/null || true
      RECORDER_PID=""
    fi
  }
  trap 'stop_pulse; cleanup' EXIT
  # A first start under load, which also makes the server's cookie and
  # folders, can take seconds.
  start_pulse() {
    pulseaudio -n --daemonize=no --exit-idle-time=10 --use-pid-file=no \
      -L "module-null-sink sink_name=beeps" \
      -L "module-native-protocol-unix auth-anonymous=1 socket=$WORK/pulse.sock" >/dev/null 2>&1 &
    PULSE_PID=$!
    wait_until 15 pactl info >/dev/null 2>&1 || fail "PulseAudio did not start"
    start_recording
  }
  # start_recording: records the sink's monitor afresh into heard.raw, all
  # along, so that each look at it is cheap and none misses a beep while a
  # recorder starts. A short latency hands the samples over as they come.
  start_recording() {
    parecord -d beeps.monitor --raw --format=s16le --rate=8000 --channels=1 --latency-msec=50 \
      >"$WORK/heard.raw" 2>"$WORK/parecord.log" &
    RECORDER_PID=$!
  }
  # loud_samples: how many of the recorded samples are loud.
  loud_samples() {
    python3 - "$WORK/heard.raw" <<'PY'
import array, sys
data = open(sys.argv[1], "rb").read()
print(sum(1 for x in array.array("h", data[: len(data) // 2 * 2]) if abs(x) > 500))
PY
  }
  start_pulse
  start_app
  wait_window >/dev/null
  wait_until 10 more_than 500 loud_samples || fail "no beep through PulseAudio"
  stop_pulse
  said() { [ "$(grep -c "$1" "$APP_LOG")" -eq 1 ]; }
  wait_until 5 said 'lost the sound device' || fail "the lost sound device is not said once"
  start_pulse
  # The toy looks for a lost device every few seconds, at a beep.
  wait_until 10 said 'the sound device is back' || fail "the sound device is not said to be back"
  wait_until 10 more_than 500 loud_samples || fail "the beep did not come back with the sound server"
  kill -TERM "$APP_PID"
  wait_exit 3 && [ "$EXIT_STATUS" -eq 0 ] || fail "did not end cleanly"
  stop_pulse
  [ "$(wc -l <"$APP_LOG")" -eq 2 ] || fail "more than the two lines on stderr"
  pass "the beep goes and comes back with the sound server"
fi
