#!/usr/bin/env bash
# Builds Vimble when needed and runs it: scripts/run.sh [FOLDER-OR-PICTURE] [SWITCHES...]
# Without a folder or picture (no argument, or switches only) it shows the project's samples/.
source "$(dirname "$0")/setup.sh"
vimble_build >&2

if [ -z "${DISPLAY:-}" ]; then
    echo "Vimble needs an X display, and DISPLAY is not set." >&2
    echo "Run it from a desktop session, or start a virtual one: Xvfb :7 & DISPLAY=:7 $0" >&2
    exit 1
fi

for argument in "$@"; do
    [[ "$argument" == -* ]] || exec "$VIMBLE_BUILD/vimble" "$@"
done
exec "$VIMBLE_BUILD/vimble" "$VIMBLE_ROOT/samples" "$@"
