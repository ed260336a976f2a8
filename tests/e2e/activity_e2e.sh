#!/usr/bin/env bash
# Runs tests/e2e/activity_e2e.py on a screen of its own (Xvfb 1024 x 768).
# Usage: tests/e2e/activity_e2e.sh [BUILD_DIR] [SHOTS_DIR]
set -euo pipefail
here="$(cd "$(dirname "$0")" && pwd)"
root="$(cd "$here/../.." && pwd)"
build="$(cd "${1:-$root/build}" && pwd)"
shots="${2:-${TMPDIR:-/tmp}/stepwick-shots/access}"
mkdir -p "$shots"
shots="$(cd "$shots" && pwd)"

display=":$((60 + RANDOM % 200))"
Xvfb "$display" -screen 0 1024x768x24 -nolisten tcp >/dev/null 2>&1 &
xvfb=$!
trap 'kill "$xvfb" 2>/dev/null || true' EXIT
for _ in $(seq 50); do
  xdpyinfo -display "$display" >/dev/null 2>&1 && break
  sleep 0.1
done
DISPLAY="$display" /usr/bin/python3 "$here/activity_e2e.py" "$build" "$shots"
