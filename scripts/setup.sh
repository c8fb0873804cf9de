# SPDX-License-Identifier: MIT
# Shared by the scripts in scripts/ and bench/: installs missing Debian packages and builds.
# Sourced, not run.

SUMDROP_ROOT=$(cd "$(dirname "${BASH_SOURCE[0]}")/.." && pwd)
# Every apt the project runs waits its turn when another package manager holds the lock (an
# unattended upgrade on a new machine, a desktop's software centre), instead of failing at once.
export SUMDROP_APT_CONFIG=$SUMDROP_ROOT/scripts/apt-wait.conf

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
  # apt waits for the dpkg lock by itself, but not for the package lists' lock.
  local deadline=$((SECONDS + 600)) errors
  errors=$(mktemp)
  until "${sudo[@]}" env APT_CONFIG="$SUMDROP_APT_CONFIG" apt-get update -qq 2>"$errors"; do
    if ! grep -q 'Could not get lock' "$errors" || ((SECONDS >= deadline)); then
      cat "$errors" >&2
      rm -f "$errors"
      return 1
    fi
    sleep 1
  done
  cat "$errors" >&2
  rm -f "$errors"
  "${sudo[@]}" env APT_CONFIG="$SUMDROP_APT_CONFIG" DEBIAN_FRONTEND=noninteractive \
    apt-get install -y -qq --no-install-recommends "${missing[@]}"
}

# What building and running the game needs, on X11 and natively on Wayland (where it asks for
# window activation itself, through Qt's native interface and the protocol's client code).
GAME_PACKAGES=(cmake make g++ qt6-base-dev qt6-base-private-dev libwayland-dev wayland-protocols qt6-wayland
  fonts-ipafont-gothic)

# What building the page needs: Debian's emscripten, and the Japanese face the page ships, cut
# down with fontTools.
WEB_PACKAGES=(cmake make emscripten nodejs fonts-noto-cjk python3-fonttools python3-brotli)

# emscripten's tools run on Node and need Debian's Node modules, whichever node is first on the PATH;
# its tests run there too. Node 20 refuses the threads flag emscripten's CMake passes, and
# emscripten 3.1.6's code expects no built-in fetch.
web_environment() {
  export NODE_PATH=/usr/share/nodejs EMCC_CORES=1
  web_node=(node --no-experimental-fetch)
}

# build_site [BUILD_DIR]: the engine, its tests and the page for the browser, in BUILD_DIR
# (build/wasm by default); the site itself is gathered in build/web/.
build_site() {
  local dir=${1:-$SUMDROP_ROOT/build/wasm}
  web_environment
  emcmake cmake -S "$SUMDROP_ROOT" -B "$dir" -DCMAKE_BUILD_TYPE=MinSizeRel -DSUMDROP_WERROR=ON \
    -DSUMDROP_SITE_DIR="$SUMDROP_ROOT/build/web" "-DCMAKE_CROSSCOMPILING_EMULATOR=$(IFS=';'; echo "${web_node[*]}")" \
    >/dev/null
  cmake --build "$dir" --parallel "$(nproc)"
}

# configure_and_build BUILD_DIR [CMAKE_ARGS...]: configures with these arguments (CMake keeps the
# cache, so that is quick after the first time), then rebuilds what changed.
configure_and_build() {
  local dir=$1
  shift
  cmake -S "$SUMDROP_ROOT" -B "$dir" "$@" >/dev/null
  cmake --build "$dir" --parallel "$(nproc)"
}
