# Shared by run.sh and test.sh: install what is missing, then configure and build.
set -euo pipefail

STEPWICK_ROOT="$(cd "$(dirname "${BASH_SOURCE[0]}")/.." && pwd)"
BUILD_DIR="${STEPWICK_BUILD_DIR:-$STEPWICK_ROOT/build}"

install_missing_packages() {
  local wanted missing=()
  wanted=$(grep -v -E '^\s*(#|$)' "$STEPWICK_ROOT/scripts/packages.txt")
  for pkg in $wanted "$@"; do
    if ! dpkg-query -W -f='${Status}' "$pkg" 2>/dev/null | grep -q "install ok installed"; then
      missing+=("$pkg")
    fi
  done
  [ ${#missing[@]} -eq 0 ] && return 0
  echo "Installing: ${missing[*]}"
  local sudo=""
  [ "$(id -u)" -ne 0 ] && sudo="sudo"
  $sudo apt-get update -qq
  DEBIAN_FRONTEND=noninteractive $sudo apt-get install -y -qq --no-install-recommends "${missing[@]}"
}

configure_and_build() {
  local werror=OFF
  [ "${CI:-}" = "true" ] && werror=ON
  if [ ! -f "$BUILD_DIR/build.ninja" ]; then
    cmake -S "$STEPWICK_ROOT" -B "$BUILD_DIR" -G Ninja -DCMAKE_BUILD_TYPE=RelWithDebInfo -DSTEPWICK_WERROR=$werror
  else
    cmake "$BUILD_DIR" -DSTEPWICK_WERROR=$werror >/dev/null
  fi
  cmake --build "$BUILD_DIR" -j "$(nproc)"
}
