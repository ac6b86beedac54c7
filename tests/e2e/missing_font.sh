#!/usr/bin/env bash
# With no face that can draw Japanese, the toy still runs, draws what it can
# and names the package to install, once.
source "$(dirname "$0")/lib.sh"

dejavu="$(dirname "$(fc-match -f '%{file}' 'DejaVu Sans')")"
cat >"$WORK/fonts.conf" <<CONF
<?xml version="1.0"?>
<!DOCTYPE fontconfig SYSTEM "urn:fontconfig:fonts.dtd">
<fontconfig>
  <dir>$dejavu</dir>
  <cachedir>$WORK/fontcache</cachedir>
</fontconfig>
CONF
bumblorbs_start_xvfb 640x480
start_app FONTCONFIG_FILE="$WORK/fonts.conf"
wait_window >/dev/null
wait_until 5 more_than 50 white_in_label1 || fail "nothing of the instruction was drawn"
alive || fail "the program ended without its Japanese font"
[ "$(grep -c 'fonts-ipafont-gothic' "$APP_LOG")" -eq 1 ] || fail "the package to install is not named once"
kill -TERM "$APP_PID"
wait_exit 3
[ "$EXIT_STATUS" -eq 0 ] || fail "status $EXIT_STATUS"
pass "without a Japanese face it runs and names fonts-ipafont-gothic once"
