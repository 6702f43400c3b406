#!/usr/bin/env bash
# Builds Vimble when needed and runs every test: unit, app (Qt offscreen) and end-to-end on a
# private Xvfb server. Exits non-zero on any failure.
source "$(dirname "$0")/setup.sh"
vimble_build

# A free display number: no lock file and no socket.
display=99
while [ -e "/tmp/.X$display-lock" ] || [ -e "/tmp/.X11-unix/X$display" ]; do display=$((display + 1)); done
Xvfb ":$display" -screen 0 1280x1024x24 -nolisten tcp >/dev/null 2>&1 &
xvfb_pid=$!
trap 'kill "$xvfb_pid" 2>/dev/null; wait "$xvfb_pid" 2>/dev/null' EXIT
for _ in $(seq 50); do
    DISPLAY=":$display" xdpyinfo >/dev/null 2>&1 && break
    sleep 0.1
done
DISPLAY=":$display" xdpyinfo >/dev/null 2>&1 || { echo "Xvfb did not start on :$display" >&2; exit 1; }

cd "$VIMBLE_BUILD"
DISPLAY=":$display" ctest --output-on-failure -j "$(nproc)" "$@"
