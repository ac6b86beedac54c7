#!/usr/bin/env bash
# cmake --install lays the program out like a Debian game, the uninstall
# target takes it all away again, and the Debian package holds the same
# files, names each runtime dependency once and is lintian-clean.
#   tests/install/install.sh BUILD_DIR
set -euo pipefail
build="$(cd "$1" && pwd)"
source_dir="$(cd "$(dirname "$0")/../.." && pwd)"
work="$(mktemp -d)"
trap 'rm -rf "$work"' EXIT
fail() { echo "FAIL: $*" >&2; exit 1; }

expected=(
  games/bumblorbs
  share/applications/bumblorbs.desktop
  share/metainfo/io.github.bumblorbs.bumblorbs.metainfo.xml
  share/man/man6/bumblorbs.6.gz
  share/doc/bumblorbs/changelog.gz
  share/doc/bumblorbs/copyright
  share/icons/hicolor/scalable/apps/bumblorbs.svg
  share/xscreensaver/config/bumblorbs.xml
)
# XScreenSaver runs its hacks from here: a link to the one program.
saver_link=libexec/xscreensaver/bumblorbs
sizes=(16 24 32 48 64 128 256)
for size in "${sizes[@]}"; do
  expected+=("share/icons/hicolor/${size}x${size}/apps/bumblorbs.png")
done

prefix="$work/prefix"
cmake --install "$build" --prefix "$prefix" >/dev/null
for file in "${expected[@]}"; do
  [ -f "$prefix/$file" ] || fail "cmake --install did not install $file"
done
[ -x "$prefix/games/bumblorbs" ] || fail "the program is not executable"
[ -L "$prefix/$saver_link" ] && [ "$(readlink -f "$prefix/$saver_link")" = "$prefix/games/bumblorbs" ] ||
  fail "$saver_link is not a link to games/bumblorbs"
python3 - "$prefix/share/xscreensaver/config/bumblorbs.xml" <<'PY' || fail "the XScreenSaver configuration"
import sys, xml.etree.ElementTree as tree
saver = tree.parse(sys.argv[1]).getroot()
assert saver.tag == "screensaver" and saver.get("name") == "bumblorbs", saver.attrib
assert saver.get("_label") == "Bumblorbs", saver.attrib
assert [c.get("arg") for c in saver.iter("command")] == ["--root"]
assert saver.findtext("_description").strip()
PY
for size in "${sizes[@]}"; do
  file -b "$prefix/share/icons/hicolor/${size}x${size}/apps/bumblorbs.png" |
    grep -q "^PNG image data, $size x $size, 8-bit/color RGBA" || fail "the ${size}px icon"
done
file -b "$prefix/share/icons/hicolor/scalable/apps/bumblorbs.svg" | grep -q '^SVG' || fail "the SVG icon"
desktop-file-validate "$prefix/share/applications/bumblorbs.desktop" || fail "desktop entry"
appstreamcli validate --no-net --pedantic \
  "$prefix/share/metainfo/io.github.bumblorbs.bumblorbs.metainfo.xml" >"$work/appstream.log" 2>&1 ||
  { cat "$work/appstream.log" >&2; fail "AppStream metainfo"; }
LC_ALL=C MANWIDTH=80 man -l "$prefix/share/man/man6/bumblorbs.6.gz" 2>&1 >/dev/null | grep . &&
  fail "man page warnings"
echo "ok: cmake --install"

# The uninstall script reads the manifest that this install just wrote.
(cd "$build" && cmake -P "$source_dir/cmake/uninstall.cmake" >/dev/null)
[ -z "$(find "$prefix" ! -type d)" ] || fail "uninstall left $(find "$prefix" ! -type d | head -n 3)"
echo "ok: the uninstall target removes every installed file"

(cd "$work" && cpack -G DEB --config "$build/CPackConfig.cmake" >"$work/cpack.log" 2>&1) ||
  { cat "$work/cpack.log" >&2; fail "cpack -G DEB"; }
deb="$(ls "$work"/*.deb)"
depends="$(dpkg-deb -f "$deb" Depends)"
for package in libsdl2-2.0-0 libsdl2-ttf-2.0-0 libfontconfig1 fonts-ipafont-gothic; do
  [ "$(tr ',' '\n' <<<"$depends" | grep -c "^ *$package\b")" -eq 1 ] ||
    fail "the package does not depend on $package exactly once: $depends"
done
[ "$(dpkg-deb -f "$deb" Suggests)" = xscreensaver ] || fail "the package does not suggest xscreensaver"
dpkg-deb -x "$deb" "$work/root"
for file in "${expected[@]}"; do
  [ -f "$work/root/usr/$file" ] || fail "the package lacks /usr/$file"
done
[ "$(readlink "$work/root/usr/$saver_link")" = ../../games/bumblorbs ] ||
  fail "the package lacks the link /usr/$saver_link"
lintian --tag-display-limit 0 "$deb" >"$work/lintian.log" 2>&1 || true
if grep -E '^[EW]: ' "$work/lintian.log"; then
  fail "lintian finds errors or warnings"
fi
echo "ok: $(basename "$deb") is lintian-clean and depends on $depends"
