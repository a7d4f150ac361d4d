# Shared by scripts/run and scripts/test: install what is missing, then build incrementally.
set -euo pipefail

BRISQUEL_ROOT=$(cd "$(dirname "${BASH_SOURCE[0]}")/../.." && pwd)
BRISQUEL_BUILD=${BRISQUEL_BUILD:-$BRISQUEL_ROOT/build}

BRISQUEL_PACKAGES=(
  cmake ninja-build g++ pkg-config
  qt6-base-dev qt6-multimedia-dev qt6-svg-dev libgl-dev
  libgtest-dev
  ffmpeg libavcodec-extra
  xvfb xauth imagemagick dbus-daemon
  clang libclang-rt-14-dev
  appstream desktop-file-utils dpkg-dev
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

# Configures once: again only when the build folder has no cache.
configure_brisquel() {
  local build=$1; shift
  if [ ! -f "$build/CMakeCache.txt" ]; then
    cmake -S "$BRISQUEL_ROOT" -B "$build" -G Ninja "$@"
  fi
}

# Configures once, then builds what changed.
build_brisquel() {
  configure_brisquel "$@"
  cmake --build "$1" --parallel "$(nproc)"
}
