#!/usr/bin/env bash
# Builds Vimble when needed and runs it: scripts/run.sh [FOLDER-OR-PICTURE] [SWITCHES...]
# With no argument it shows the project's samples/ folder.
source "$(dirname "$0")/setup.sh"
vimble_build >&2

if [ -z "${DISPLAY:-}" ]; then
    echo "Vimble needs an X display, and DISPLAY is not set." >&2
    echo "Run it from a desktop session, or start a virtual one: Xvfb :7 & DISPLAY=:7 $0" >&2
    exit 1
fi

if [ $# -eq 0 ]; then
    exec "$VIMBLE_BUILD/vimble" "$VIMBLE_ROOT/samples"
fi
exec "$VIMBLE_BUILD/vimble" "$@"
