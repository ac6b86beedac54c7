#!/usr/bin/env bash
# --help and --version answer on standard output where it leads somewhere,
# with status 0.
source "$(dirname "$0")/wine_lib.sh"

bumblorbs_start_xvfb 640x480
"$WINE64" "$BUMBLORBS" --help >"$WORK/help" 2>"$APP_LOG" || fail "--help ended with $?"
grep -q "^usage: bumblorbs \[/s | /p HWND | /c | --help | --version\]" "$WORK/help" ||
  fail "--help printed: $(cat "$WORK/help")"
"$WINE64" "$BUMBLORBS" --version >"$WORK/version" 2>"$APP_LOG" || fail "--version ended with $?"
grep -q "^Bumblorbs [0-9]*\.[0-9]*\.[0-9]*" "$WORK/version" ||
  fail "--version printed: $(cat "$WORK/version")"
pass "--help and --version answer on standard output"
