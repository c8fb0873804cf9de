# SPDX-License-Identifier: MIT
# Shared by scripts/play and scripts/check: installs missing Debian packages and builds.
# Sourced, not run.

SUMDROP_ROOT=$(cd "$(dirname "${BASH_SOURCE[0]}")/.." && pwd)

# Installs whichever of the named packages are missing; installs nothing when all are there.
ensure_packages() {
  local missing=()
  local package
  for package in "$@"; do
    if ! dpkg-query -W -f='${Status}' "$package" 2>/dev/null | grep -q 'ok installed'; then
      missing+=("$package")
    fi
  done
  if [ "${#missing[@]}" -eq 0 ]; then
    return 0
  fi
  echo "Installing: ${missing[*]}"
  local sudo=()
  if [ "$(id -u)" -ne 0 ]; then
    sudo=(sudo)
  fi
  "${sudo[@]}" apt-get update -qq
  DEBIAN_FRONTEND=noninteractive "${sudo[@]}" apt-get install -y -qq --no-install-recommends "${missing[@]}"
}

# What building and running the game needs, on X11 and natively on Wayland (where it asks for
# window activation itself, through Qt's native interface and the protocol's client code).
GAME_PACKAGES=(cmake make g++ qt6-base-dev qt6-base-private-dev libwayland-dev wayland-protocols qt6-wayland
  fonts-ipafont-gothic)

# configure_and_build BUILD_DIR [CMAKE_ARGS...]: configures once, then rebuilds what changed.
configure_and_build() {
  local dir=$1
  shift
  cmake -S "$SUMDROP_ROOT" -B "$dir" "$@" >/dev/null
  cmake --build "$dir" --parallel "$(nproc)"
}
