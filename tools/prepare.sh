# Shared set-up of run.sh and test.sh: installs the Debian packages that are
# missing, then configures and builds incrementally. Sourced, not run.

BUMBLORBS_RUNTIME_PACKAGES=(
  cmake g++ make pkg-config
  libsdl2-dev libsdl2-ttf-dev libfontconfig-dev libx11-dev libxext-dev libxrandr-dev libwayland-dev
  libwayland-bin wayland-protocols
  fonts-ipafont-gothic
)
BUMBLORBS_TEST_PACKAGES=(
  libgtest-dev libbenchmark-dev
  xvfb xdotool x11-apps x11-utils x11-xserver-utils openbox xfwm4 xfce4-panel dbus-daemon
  fonts-dejavu-core man-db xscreensaver
  weston xwayland libegl-mesa0 libgl1-mesa-dri kwin-wayland sway
  desktop-file-utils appstream dpkg-dev file lintian python3 pulseaudio pulseaudio-utils
  iproute2 procps
  cppcheck clang-tidy
  g++-mingw-w64-x86-64-posix wine wine64 nsis googletest unzip locales
)

bumblorbs_install_missing() {
  local missing=()
  local package
  for package in "$@"; do
    if ! dpkg-query -W -f='${Status}' "$package" 2>/dev/null | grep -q "install ok installed"; then
      missing+=("$package")
    fi
  done
  if [ "${#missing[@]}" -eq 0 ]; then
    return 0
  fi
  echo "Installing Debian packages: ${missing[*]}"
  local sudo=()
  if [ "$(id -u)" -ne 0 ]; then
    if ! command -v sudo >/dev/null; then
      echo "These packages are missing and neither root nor sudo is available: ${missing[*]}" >&2
      return 1
    fi
    sudo=(sudo)
  fi
  "${sudo[@]}" apt-get update -q
  "${sudo[@]}" env DEBIAN_FRONTEND=noninteractive \
    apt-get install -y -q --no-install-recommends "${missing[@]}"
}

# bumblorbs_make_locale NAME: generates a glibc locale such as de_DE where it
# is missing and this shell may (root or sudo); else says so and goes on.
# The Windows tests give it to Wine, which takes its user locale from it.
bumblorbs_make_locale() {
  local name="$1"
  if locale -a | grep -qx "$name.utf8"; then
    return 0
  fi
  local sudo=()
  if [ "$(id -u)" -ne 0 ]; then
    command -v sudo >/dev/null || { echo "cannot generate the locale $name.UTF-8" >&2; return 0; }
    sudo=(sudo)
  fi
  "${sudo[@]}" localedef -i "$name" -f UTF-8 "$name.UTF-8" ||
    echo "cannot generate the locale $name.UTF-8" >&2
}

# bumblorbs_configure PRESET [cmake options...]: configures the preset's
# build folder (CMakePresets.json). Configuring again is cheap and picks up
# test libraries installed since the last time. Under CI any compiler
# warning fails the build.
bumblorbs_configure() {
  local preset="$1"
  shift
  local strict=OFF
  [ -n "${CI:-}" ] && strict=ON
  local log
  log="$(mktemp)"
  cmake --preset "$preset" -DBUMBLORBS_WARNINGS_AS_ERRORS="$strict" "$@" >"$log" 2>&1 || {
    cat "$log" >&2
    rm -f "$log"
    return 1
  }
  rm -f "$log"
}

# bumblorbs_compile PRESET [cmake --build options...]
bumblorbs_compile() {
  local preset="$1"
  shift
  cmake --build --preset "$preset" -j "$(nproc)" "$@"
}
