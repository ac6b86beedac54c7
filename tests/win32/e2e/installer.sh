#!/usr/bin/env bash
# The installer, run silently, puts the program under Program Files with a
# Start-menu entry, the screen saver where Windows lists savers and an
# uninstaller among the installed apps; the uninstaller, run silently,
# takes them all away again. The zip holds both programs, the licence and
# the readme.
#   installer.sh BUILD_DIR
source "$(dirname "$0")/wine_lib.sh"
build="$1"

(cd "$build" && cpack -G "NSIS;ZIP" -B "$WORK/packages" >"$WORK/cpack.log" 2>&1) ||
  { cat "$WORK/cpack.log"; fail "cpack made no packages"; }
installer="$(ls "$WORK"/packages/bumblorbs-*-win64.exe)"
zip="$(ls "$WORK"/packages/bumblorbs-*-win64.zip)"
listing="$(unzip -l "$zip")"
for file in bumblorbs.exe bumblorbs.scr LICENSE.txt README.txt; do
  grep -q "/$file\$" <<<"$listing" || fail "the zip holds no $file"
done
pass "the zip holds both programs, the licence and the readme"

bumblorbs_start_xvfb 640x480
drive="$WINEPREFIX/drive_c"
program="$drive/Program Files/Bumblorbs/bumblorbs.exe"
saver="$drive/windows/system32/bumblorbs.scr"
menu_entry="$drive/ProgramData/Microsoft/Windows/Start Menu/Programs/Bumblorbs/Bumblorbs.lnk"
uninstall_key='HKLM\Software\Microsoft\Windows\CurrentVersion\Uninstall\Bumblorbs'

"$WINE64" "$installer" /S >"$APP_LOG" 2>&1 || fail "the installer ended with $?"
installed() { [ -f "$program" ] && [ -f "$saver" ] && [ -f "$menu_entry" ]; }
wait_until 30 installed ||
  fail "not installed: $(ls "$drive/Program Files/Bumblorbs" "$saver" "$menu_entry" 2>&1 | tr '\n' ' ')"
"$WINE64" reg query "$uninstall_key" /v UninstallString >"$WORK/key" 2>&1 ||
  fail "no uninstaller among the installed apps"
cmp -s "$program" "$saver" || fail "the saver is not the program under another name"
"$WINE64" "$program" --version | grep -q "^Bumblorbs " || fail "the installed program does not run"
pass "installed silently: the program, its Start-menu entry, the saver and the uninstaller"

"$WINE64" "$drive/Program Files/Bumblorbs/Uninstall.exe" /S >>"$APP_LOG" 2>&1 ||
  fail "the uninstaller ended with $?"
# The uninstaller runs on from a copy of itself, after the one started ends.
removed() {
  [ ! -e "$program" ] && [ ! -e "$saver" ] && [ ! -e "$menu_entry" ] &&
    ! "$WINE64" reg query "$uninstall_key" >/dev/null 2>&1
}
wait_until 30 removed || fail "the uninstaller left: $(ls "$program" "$saver" "$menu_entry" 2>&1 | tr '\n' ' ')"
pass "the uninstaller removes the program, the saver, the entry and itself from the list"
