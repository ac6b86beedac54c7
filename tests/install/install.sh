#!/usr/bin/env bash
# cmake --install lays the program out like any desktop program, and the
# Debian package holds the same files and names its runtime dependencies.
#   tests/install/install.sh BUILD_DIR
set -euo pipefail
build="$(cd "$1" && pwd)"
work="$(mktemp -d)"
trap 'rm -rf "$work"' EXIT
fail() { echo "FAIL: $*" >&2; exit 1; }

prefix="$work/prefix"
cmake --install "$build" --prefix "$prefix" >/dev/null
expected=(
  bin/bumblorbs
  share/applications/bumblorbs.desktop
  share/metainfo/io.github.bumblorbs.Bumblorbs.metainfo.xml
  share/man/man6/bumblorbs.6
  share/icons/hicolor/16x16/apps/bumblorbs.xpm
  share/icons/hicolor/32x32/apps/bumblorbs.xpm
  share/icons/hicolor/48x48/apps/bumblorbs.xpm
)
for file in "${expected[@]}"; do
  [ -f "$prefix/$file" ] || fail "cmake --install did not install $file"
done
[ -x "$prefix/bin/bumblorbs" ] || fail "the program is not executable"
desktop-file-validate "$prefix/share/applications/bumblorbs.desktop" || fail "desktop entry"
appstreamcli validate --no-net --pedantic \
  "$prefix/share/metainfo/io.github.bumblorbs.Bumblorbs.metainfo.xml" >"$work/appstream.log" 2>&1 ||
  { cat "$work/appstream.log" >&2; fail "AppStream metainfo"; }
LC_ALL=C MANWIDTH=80 man -l "$prefix/share/man/man6/bumblorbs.6" 2>&1 >/dev/null | grep . && fail "man page warnings"
echo "ok: cmake --install"

(cd "$work" && cpack -G DEB --config "$build/CPackConfig.cmake" >"$work/cpack.log" 2>&1) ||
  { cat "$work/cpack.log" >&2; fail "cpack -G DEB"; }
deb="$(ls "$work"/*.deb)"
depends="$(dpkg-deb -f "$deb" Depends)"
for package in libsdl2-2.0-0 libsdl2-ttf-2.0-0 libfontconfig1 fonts-ipafont-gothic; do
  grep -q "$package" <<<"$depends" || fail "the package does not depend on $package: $depends"
done
dpkg-deb -x "$deb" "$work/root"
for file in "${expected[@]}"; do
  [ -f "$work/root/usr/$file" ] || fail "the package lacks /usr/$file"
done
echo "ok: $(basename "$deb") depends on $depends"
