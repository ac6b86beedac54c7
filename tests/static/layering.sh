#!/usr/bin/env bash
# Dependencies point one way: host -> behaviour -> scene, and within the host
# app -> loop and the window systems: sdl -> x11, and wayland; loop and
# every window system -> window -> paint -> text -> core, with x11 and ttf ->
# sdl_core -> paint for SDL's own pictures and glyphs, and audio beside them;
# on Windows, win32 -> loop. Every quoted include of the project's sources
# must stay within what its folder may see, the folders that run without a
# display include no platform header, and each window system's headers are
# included in its own room only.
#   tests/static/layering.sh SOURCE_DIR
set -euo pipefail
cd "$1"

# folder: the folders its includes may name
declare -A may_see=(
  [src/scene]="scene"
  [src/behaviour]="scene behaviour"
  [src/host/core]="scene behaviour host/core"
  [src/host/text]="scene host/core host/text"
  [src/host/paint]="scene host/core host/text host/paint"
  [src/host/sdl_core]="scene host/core host/paint host/sdl_core"
  [src/host/ttf]="scene host/core host/text host/sdl_core host/ttf"
  [src/host/audio]="host/core host/audio"
  [src/host/window]="scene host/core host/text host/paint host/window"
  [src/host/loop]="scene behaviour host/core host/text host/paint host/window host/loop"
  [src/host/x11]="scene host/core host/sdl_core host/text host/paint host/window host/x11"
  [src/host/wayland]="scene host/core host/text host/paint host/window host/wayland"
  [src/host/sdl]="scene host/core host/sdl_core host/text host/paint host/window host/x11 host/sdl"
  [src/host/app]="scene behaviour host/core host/sdl host/text host/ttf host/paint host/window host/loop host/wayland host/x11 host/audio host/app"
  [src/host/win32]="scene host/core host/paint host/text host/window host/loop host/win32"
  [src]="host/app host/core host/win32"
  [tools]="scene behaviour host/core tools"
)
# The painter and the text core build for any window system, so they include
# no SDL, SDL_ttf or fontconfig either.
platform_free="src/scene src/behaviour src/host/core src/host/text src/host/paint tools"
# folder: the window system whose headers it may include (the Wayland
# protocols' code is generated at build time, for that room)
xlib_headers='X11/'
wayland_headers='(wayland-|[a-z-]*-client-protocol\.h)'
windows_headers='(windows|winver|mmsystem|timeapi|shellapi|shellscalingapi)\.h'
declare -A window_system=(
  [src/host/x11]="$xlib_headers"
  [src/host/wayland]="$wayland_headers"
  [src/host/win32]="$windows_headers"
)

problems=0
while IFS= read -r file; do
  folder="$(dirname "$file")"
  allowed="${may_see[$folder]:-}"
  if [ -z "$allowed" ]; then
    echo "$file: its folder has no place in the layering; add it to tests/static/layering.sh"
    problems=$((problems + 1))
    continue
  fi
  while IFS= read -r included; do
    seen=0
    for prefix in $allowed; do
      [[ "$included" == "$prefix"/* ]] && seen=1
    done
    # The icon is data, included where it is used.
    [[ "$included" == window_icon_pixels.h ]] && seen=1
    if [ "$seen" -eq 0 ]; then
      echo "$file includes \"$included\", which $folder may not see"
      problems=$((problems + 1))
    fi
  done < <(sed -n 's/^#include "\([^"]*\)".*/\1/p' "$file")
  if [[ " $platform_free " == *" $folder "* ]] &&
     grep -n -E '^#include <(SDL|X11/|fontconfig/)' "$file"; then
    echo "$file: $folder must build without SDL, Xlib or fontconfig"
    problems=$((problems + 1))
  fi
  for headers in "$xlib_headers" "$wayland_headers" "$windows_headers"; do
    if [[ "${window_system[$folder]:-}" != "$headers" ]] &&
       grep -n -E "^#include <$headers" "$file"; then
      echo "$file: only the room of its window system may include its headers"
      problems=$((problems + 1))
    fi
  done
done < <(find src tools -name '*.h' -o -name '*.cpp' | sort)

[ "$problems" -eq 0 ] || { echo "$problems layering problem(s)"; exit 1; }
echo "ok: every include points down the layers"
