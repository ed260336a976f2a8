#!/bin/sh
# The task's clip with the real player on a real (virtual) display: the default content's clip
# from the video button to its end on the television panel, and a zero-byte and a text file
# named .avi, which must end the wait within a second. Prints the processor use of the program
# while the clip plays beside gst-launch-1.0 playing the same clip, for scale.
#
#     tests/e2e/clip_playback.sh [build] [shots folder]
#
# Needs xvfb-run, gst-launch-1.0 (gstreamer1.0-tools) and /usr/bin/time.
set -eu
build=${1:-build}
shots=${2:-}
clip="$build/share/stepwick/content/demo_planting_a_seed.avi"
export XDG_RUNTIME_DIR=${XDG_RUNTIME_DIR:-/tmp/runtime-$(id -u)}
mkdir -p "$XDG_RUNTIME_DIR" && chmod 700 "$XDG_RUNTIME_DIR"

echo "== the program (wall_s: from the video button to the end of the wait; cpu_percent: the whole process)"
STEPWICK_SHOTS_DIR="$shots" xvfb-run -a -s '-screen 0 1024x768x24' env QT_QPA_PLATFORM=xcb \
    "$build/bench/clip_playback" --benchmark_filter='Default|EndsTheWait' 2>/dev/null | grep '^BM'
echo "== the same, Qt without OpenGL (the picture drawn by the processor instead of llvmpipe)"
xvfb-run -a -s '-screen 0 1024x768x24' env QT_QPA_PLATFORM=xcb QT_XCB_GL_INTEGRATION=none \
    "$build/bench/clip_playback" --benchmark_filter='Default' 2>/dev/null | grep '^BM'

echo "== gst-launch-1.0 playbin, for scale"
for sink in "" "video-sink=ximagesink"; do
    xvfb-run -a -s '-screen 0 1024x768x24' /usr/bin/time -f "playbin ${sink:-(its own sinks)}: wall %e s, user %U s, system %S s" \
        gst-launch-1.0 -q playbin "uri=file://$(readlink -f "$clip")" $sink 2>&1 | grep 'playbin'
done
