#!/usr/bin/env bash
# Runs tests/e2e/options_window.py on a screen of its own (Xvfb 1024 x 768) with its own
# accessibility bus.  Usage: tests/e2e/options_window.sh [BUILD_DIR] [SHOTS_DIR]
set -euo pipefail
here="$(cd "$(dirname "$0")" && pwd)"
root="$(cd "$here/../.." && pwd)"
build="$(cd "${1:-$root/build}" && pwd)"
shots="${2:-${TMPDIR:-/tmp}/stepwick-shots/options}"
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

# The accessibility bus must be there before the program starts, or it does not register.
DISPLAY="$display" dbus-run-session -- bash -c '
  /usr/bin/python3 -c "import pyatspi; pyatspi.Registry.getDesktop(0).childCount" >/dev/null 2>&1
  exec /usr/bin/python3 "$0" "$1" "$2"' "$here/options_window.py" "$build" "$shots" 2> >(grep -v -e dbus-daemon -e SpiRegistry -e 'Cannot open default display' -e '^$' >&2)
