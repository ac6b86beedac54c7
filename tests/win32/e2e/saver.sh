#!/usr/bin/env bash
# bumblorbs.scr as Windows starts savers: /p HWND draws inside that window
# only and ends when it goes; /s covers the screen and ends with 0 on a key
# and on a mouse move; /c shows that there is nothing to set; a bad
# argument is refused in a box with status 2.
source "$(dirname "$0")/wine_lib.sh"

# A white root: whatever the preview draws outside its window shows.
bumblorbs_start_xvfb 1280x720 -wr
close_file="$WORK/close-preview"
"$WINE64" "$HELPER" preview 200 150 480 360 "$(windows_path "$close_file")" >"$WORK/host" &
HELPER_PIDS+=($!)
wait_until 20 test -s "$WORK/host" || fail "the preview host did not start"
handle="$(head -n 1 "$WORK/host" | tr -d '\r')"
start_wine "$SAVER" /p "$handle"
# Wine shows nothing that one process draws in a window inside another
# process's window, so the preview's own pixels cannot be read here; the
# host sees the window it was given, at its size.
child_shown() { grep -q '^child Bumblorbs 480 360' "$WORK/host"; }
wait_until 20 child_shown || fail "no preview inside the host's window: $(tail -n +2 "$WORK/host")"
white_around() {
  [ "$(count_colour 0 0 1280 150 FFFFFF)" -eq $((1280 * 150)) ] &&
    [ "$(count_colour 0 510 1280 210 FFFFFF)" -eq $((1280 * 210)) ] &&
    [ "$(count_colour 0 150 200 360 FFFFFF)" -eq $((200 * 360)) ] &&
    [ "$(count_colour 680 150 600 360 FFFFFF)" -eq $((600 * 360)) ]
}
alive && white_around || fail "the preview drew outside its window"
touch "$close_file"
wait_exit 10
[ "$EXIT_STATUS" -eq 0 ] || fail "the preview ended with status $EXIT_STATUS when its window went"
pass "/p draws inside the given window at its size and nowhere else, and ends with 0 when it goes"

for ending in key move; do
  xdotool mousemove 640 360
  start_wine "$SAVER" /s
  wait_scene
  if [ "$ending" = key ]; then
    xdotool key space
  else
    # A move of a pixel or two is the desk's tremor; this one is not.
    xdotool mousemove_relative 2 0
    alive || fail "/s ended on a move of 2 pixels"
    xdotool mousemove_relative 40 40
  fi
  wait_exit 5
  [ "$EXIT_STATUS" -eq 0 ] || fail "/s ended with status $EXIT_STATUS on a $ending"
  pass "/s covers the screen and ends with 0 on a $ending"
done

# answer_box: waits for the program's message box and presses its button.
answer_box() {
  local box
  box="$(timeout 10 xdotool search --sync --onlyvisible --name '^Bumblorbs$' | head -n 1)" ||
    fail "no message box appeared"
  xdotool windowfocus --sync "$box" 2>/dev/null || true
  xdotool key Return
}
start_wine "$SAVER" /c
answer_box
wait_exit 5
[ "$EXIT_STATUS" -eq 0 ] || fail "/c ended with status $EXIT_STATUS"
pass "/c shows its box and ends with 0"

start_wine "$SAVER" /x
answer_box
wait_exit 5
[ "$EXIT_STATUS" -eq 2 ] || fail "a bad argument ended with status $EXIT_STATUS"
grep -q "^Bumblorbs: unknown argument '/x'" "$APP_LOG" || fail "no line on stderr for /x"
pass "a bad argument is refused in a box and on stderr, with status 2"
