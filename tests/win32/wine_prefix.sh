#!/usr/bin/env bash
# Makes the Wine prefix the Windows tests share, once per build folder, and
# waits until Wine has finished setting it up.
#   tests/win32/wine_prefix.sh WINE64   (WINEPREFIX in the environment)
set -euo pipefail
wine64="$1"
if [ ! -f "$WINEPREFIX/system.reg" ]; then
  mkdir -p "$WINEPREFIX"
  "$wine64" wineboot -i
fi
wineserver_program="$(dirname "$wine64")/wineserver"
[ -x "$wineserver_program" ] || wineserver_program=wineserver
"$wineserver_program" -w
[ -f "$WINEPREFIX/system.reg" ] || { echo "wineboot made no prefix in $WINEPREFIX" >&2; exit 1; }
echo "Wine prefix ready: $WINEPREFIX"
