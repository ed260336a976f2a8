#!/usr/bin/env bash
# Installs what is missing, builds, runs every test headless and checks that every C++ file is
# formatted. Ends with CTest's summary and the format check; fails if either fails.
source "$(dirname "$0")/scripts/common.sh"
install_missing_packages
build_all
export QT_QPA_PLATFORM=offscreen
status=0
(cd "$BUILD_DIR" && ctest --output-on-failure -j "$(nproc)" "$@") || status=$?
"$STEPWICK_ROOT/scripts/format.sh" --check || status=1
exit $status
