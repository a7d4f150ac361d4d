# Shared by scripts/run and scripts/test: install what is missing, then build incrementally.
set -euo pipefail

BRISQUEL_ROOT=$(cd "$(dirname "${BASH_SOURCE[0]}")/../.." && pwd)
BRISQUEL_BUILD=${BRISQUEL_BUILD:-$BRISQUEL_ROOT/build}

# What each script needs, and nothing more; README.md says why each is there.
# Building: the compiler and build tools; Qt 6 with Multimedia (the reminder sound) and Svg
# (the desktop icons), whose CMake files ask for pkg-config and the OpenGL headers; Qt's
# translation tools (lupdate, lrelease) and their CMake files for the catalogues.
BRISQUEL_BUILD_PACKAGES=(
  cmake ninja-build g++ pkg-config
  qt6-base-dev qt6-multimedia-dev qt6-svg-dev libgl-dev
  qt6-tools-dev qt6-l10n-tools
)
# Running: the converter with its AMR encoder, and Qt's platform plugins.
BRISQUEL_RUN_PACKAGES=(
  ffmpeg libavcodec-extra qt6-qpa-plugins
)
# Testing: GoogleTest; the desktop entry's and the AppStream file's checkers; the package
# step, whose dpkg-shlibdeps needs dpkg-dev and file; Xvfb for the benchmarks that need a
# real X server; dbus-daemon for the private session bus (dbus-run-session) of the desktop
# bus tests.
BRISQUEL_TEST_PACKAGES=(
  libgtest-dev
  desktop-file-utils appstream
  dpkg-dev file
  xvfb xauth
  dbus-daemon
)
# Fuzzing only: clang and its libFuzzer runtime.
BRISQUEL_FUZZ_PACKAGES=(
  clang libclang-rt-14-dev
)

as_root() {
  if [ "$(id -u)" -eq 0 ]; then
    "$@"
  elif command -v sudo >/dev/null; then
    sudo "$@"
  else
    echo "Installing Debian packages needs root: run this as root, or install sudo." >&2
    exit 1
  fi
}

# Installs, with apt-get, the Debian packages that are not installed yet; a machine that has
# them all is not touched.
ensure_packages() {
  local missing=() pkg
  for pkg in "$@"; do
    if [ "$(dpkg-query -W -f='${Status}' "$pkg" 2>/dev/null)" != "install ok installed" ]; then
      missing+=("$pkg")
    fi
  done
  [ ${#missing[@]} -eq 0 ] && return 0
  echo "Installing missing packages: ${missing[*]}"
  as_root env DEBIAN_FRONTEND=noninteractive apt-get update -qq
  as_root env DEBIAN_FRONTEND=noninteractive apt-get install -y -qq --no-install-recommends "${missing[@]}"
}

# Configures once: again only when the build folder has no cache, or when an option given as
# -DNAME=VALUE differs from the cache's (scripts/test turns on the tests that scripts/run
# left out).
configure_brisquel() {
  local build=$1; shift
  local cache=$build/CMakeCache.txt option name
  if [ -f "$cache" ]; then
    for option in "$@"; do
      name=${option#-D}; name=${name%%=*}
      case $option in
        -D*=*) grep -qxF -- "$name:BOOL=${option#*=}" "$cache" || { cmake -S "$BRISQUEL_ROOT" -B "$build" "$@"; return; } ;;
      esac
    done
    return 0
  fi
  cmake -S "$BRISQUEL_ROOT" -B "$build" -G Ninja "$@"
}

# Configures once, then builds what changed.
build_brisquel() {
  configure_brisquel "$@"
  cmake --build "$1" --parallel "$(nproc)"
}
