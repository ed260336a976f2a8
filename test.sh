#!/usr/bin/env bash
# Installs what is missing, builds, and runs every test headless. Ends with CTest's summary.
source "$(dirname "$0")/scripts/common.sh"
install_missing_packages
configure_and_build
export QT_QPA_PLATFORM=offscreen
cd "$BUILD_DIR"
ctest --output-on-failure -j "$(nproc)" "$@"
