# Helpers for the Windows end-to-end tests: the Windows program runs under
# Wine on an Xvfb of the test's own and is looked at with the same X tools
# as the Linux program. Sourced by the tests, after tests/e2e/lib.sh's
# helpers. Needs BUMBLORBS (bumblorbs.exe), XINSPECT (the pixel reader),
# WINE64 and WINEPREFIX (made by the wine_prefix fixture).
source "$(dirname "${BASH_SOURCE[0]}")/../../e2e/lib.sh"

# No sound device: the beep is silent, and ALSA says nothing of it.
export WINEDEBUG=-all WINEDLLOVERRIDES="mscoree,mshtml=;winealsa.drv=d"
WINESERVER="$(dirname "$WINE64")/wineserver"
[ -x "$WINESERVER" ] || WINESERVER=wineserver

# Ends what this test started under Wine in the shared prefix (the tests
# take the prefix in turn), then the rest of the clean-up.
wine_cleanup() {
  if [ -n "$APP_PID" ]; then
    kill -9 "$APP_PID" 2>/dev/null || true
  fi
  "$WINESERVER" -k 2>/dev/null || true
  cleanup
}
trap wine_cleanup EXIT

# start_wine PROGRAM [arguments...]: a Windows program in the background,
# as the test's program.
start_wine() {
  "$WINE64" "$@" >"$APP_LOG" 2>&1 &
  APP_PID=$!
}

# scene_shown: the black window with the white instruction and the red
# count covers the screen.
scene_shown() {
  [ "$(dominant)" = 000000 ] && more_than 100 white_in_label1 && more_than 20 red_in_label2
}

# wait_scene: waits for the scene of a Windows program started with start_wine.
wait_scene() {
  wait_until 30 scene_shown ||
    fail "the scene did not cover the screen (dominant $(dominant), white $(white_in_label1), \
red $(red_in_label2); program $(alive && echo running || echo ended))"
}

# A Windows path for a file of the test's own: Wine shows / as drive Z:.
windows_path() { echo "Z:${1//\//\\}"; }
