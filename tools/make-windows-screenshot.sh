#!/usr/bin/env bash
# Takes the README's picture of the Windows program, docs/windows.png: the
# cross-built bumblorbs.exe under Wine on an 800x600 Xvfb a moment after
# start, when the balls have spread and the count shows. Needs the windows
# build (cmake --preset windows && cmake --build --preset windows), whose
# Wine prefix the tests made, and ImageMagick's convert. With a DPI, Wine
# shows it at that scale (144 for 150%) and the picture goes to stdout's
# file name instead.
#   tools/make-windows-screenshot.sh [DPI OUTPUT.png]
set -euo pipefail
cd "$(dirname "$0")/.."
dpi="${1:-96}"
output="${2:-docs/windows.png}"
source tools/xvfb.sh
export WINEPREFIX="$PWD/build-windows/wine" WINEDEBUG=-all WINEDLLOVERRIDES="mscoree,mshtml=;winealsa.drv=d"
wine64=/usr/lib/wine/wine64
[ -f "$WINEPREFIX/system.reg" ] || "$wine64" wineboot -i
bumblorbs_start_xvfb 800x600
"$wine64" reg add 'HKCU\Control Panel\Desktop' /v LogPixels /t REG_DWORD /d "$dpi" /f >/dev/null
"$wine64" build-windows/bumblorbs.exe &
app=$!
restore() {
  kill "$app" 2>/dev/null || true
  wait "$app" 2>/dev/null || true
  "$wine64" reg add 'HKCU\Control Panel\Desktop' /v LogPixels /t REG_DWORD /d 96 /f >/dev/null
  "$(dirname "$wine64")/wineserver" -k 2>/dev/null || true
  bumblorbs_stop_xvfb
}
trap restore EXIT
sleep 3
xwd -root -silent | /usr/bin/convert xwd:- -strip "$output"
echo "wrote $output"
