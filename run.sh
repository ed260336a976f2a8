#!/usr/bin/env bash
# Installs what is missing, builds the program and its default content (not the tests), and
# starts Stepwick.
# Arguments go to the program, e.g. ./run.sh --app-folder ~/classroom
source "$(dirname "$0")/scripts/common.sh"
install_missing_packages
build_program
exec "$BUILD_DIR/bin/stepwick" "$@"
