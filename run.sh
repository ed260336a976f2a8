#!/usr/bin/env bash
# Installs what is missing, builds, and starts Stepwick on its default content.
# Arguments go to the program, e.g. ./run.sh --app-folder ~/classroom
source "$(dirname "$0")/scripts/common.sh"
install_missing_packages
configure_and_build
exec "$BUILD_DIR/bin/stepwick" "$@"
