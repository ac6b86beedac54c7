# Starts a private Xvfb on a free display. Sourced, not run.
#   bumblorbs_start_xvfb WIDTHxHEIGHT[xDEPTH] [Xvfb options...]   (depth 24 unless given)
# sets XVFB_PID and exports DISPLAY; bumblorbs_stop_xvfb ends it.

bumblorbs_start_xvfb() {
  local screen="$1"
  shift
  [[ "$screen" == *x*x* ]] || screen="${screen}x24"
  local number_file
  number_file="$(mktemp)"
  # -noreset keeps root properties such as xrdb settings when clients leave.
  Xvfb -displayfd 3 -screen 0 "$screen" -nolisten tcp -noreset "$@" 3>"$number_file" \
    >/dev/null 2>&1 &
  XVFB_PID=$!
  local tries=0
  until [ -s "$number_file" ] && grep -q '[0-9]' "$number_file"; do
    tries=$((tries + 1))
    if [ "$tries" -gt 100 ] || ! kill -0 "$XVFB_PID" 2>/dev/null; then
      echo "Xvfb did not start" >&2
      rm -f "$number_file"
      return 1
    fi
    sleep 0.1
  done
  export DISPLAY=":$(tr -dc '0-9' <"$number_file")"
  rm -f "$number_file"
}

bumblorbs_stop_xvfb() {
  if [ -n "${XVFB_PID:-}" ]; then
    kill "$XVFB_PID" 2>/dev/null || true
    wait "$XVFB_PID" 2>/dev/null || true
    XVFB_PID=""
  fi
}
