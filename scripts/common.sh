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

# One build folder and one configuration for both scripts. It is configured once; later runs
# leave it as it is (CMake reconfigures itself when a CMakeLists.txt changes), so a folder a
# developer configured with their own options keeps them. Warnings are errors with CI=true
# through the compiler launcher, which changes no compile command (see compile-launcher.sh).
configure() {
  if [ ! -f "$BUILD_DIR/build.ninja" ]; then
    local launcher="$STEPWICK_ROOT/scripts/compile-launcher.sh"
    cmake -S "$STEPWICK_ROOT" -B "$BUILD_DIR" -G Ninja -DCMAKE_BUILD_TYPE=RelWithDebInfo -DSTEPWICK_WERROR=OFF \
      -DCMAKE_CXX_COMPILER_LAUNCHER="$launcher" -DCMAKE_C_COMPILER_LAUNCHER="$launcher"
  fi
}

# The program and its default content only: what run.sh needs.
build_program() {
  configure
  cmake --build "$BUILD_DIR" -j "$(nproc)" --target stepwick default_content
}

# Everything: the program, the tests and the benchmarks.
build_all() {
  configure
  cmake --build "$BUILD_DIR" -j "$(nproc)"
}
