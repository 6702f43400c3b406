# Shared steps of the end-to-end tests: the program runs on the X server in DISPLAY with its
# files in a fresh folder.
set -euo pipefail
: "${DISPLAY:?the end-to-end tests need an X server in DISPLAY}"
E2E_HOME=$(mktemp -d /tmp/vimble-e2e-XXXXXX)
export VIMBLE_HOME="$E2E_HOME"
# A runtime folder of our own: a take-over in a test never reaches a copy the user runs.
export XDG_RUNTIME_DIR="$E2E_HOME/run"
mkdir -m 700 "$XDG_RUNTIME_DIR"
VIMBLE_PID=""
WM_PID=""
# The window manager is waited for: the next test's one would find it still holding the display.
trap '[ -n "$VIMBLE_PID" ] && kill "$VIMBLE_PID" 2>/dev/null; [ -n "$WM_PID" ] && kill "$WM_PID" 2>/dev/null && { wait "$WM_PID" 2>/dev/null || true; }; rm -rf "$E2E_HOME"' EXIT

fail() { echo "FAIL: $*" >&2; exit 1; }

# Starts a window manager (openbox) on the display and waits until it has taken over.
start_window_manager() {
    local retries=3
    openbox --sm-disable >"$E2E_HOME/wm.log" 2>&1 &
    WM_PID=$!
    for _ in $(seq 100); do
        xprop -root _NET_SUPPORTING_WM_CHECK 2>/dev/null | grep -q 'window id' && return 0
        if ! kill -0 "$WM_PID" 2>/dev/null && grep -q 'Failed to open the display' "$E2E_HOME/wm.log" &&
            [ $((retries--)) -gt 0 ]; then
            sleep 0.3
            openbox --sm-disable >"$E2E_HOME/wm.log" 2>&1 &
            WM_PID=$!
        fi
        sleep 0.05
    done
    fail "the window manager did not start: $(cat "$E2E_HOME/wm.log")"
}

# Starts the program with the given arguments; VIMBLE_PID is its process.
start_vimble() {
    VIMBLE_ARGS=("$@")
    "$VIMBLE_BIN" "$@" >"$E2E_HOME/stdout" 2>"$E2E_HOME/stderr" &
    VIMBLE_PID=$!
}

# Xvfb turns away a few connections made right after others closed; such a start is retried.
turned_away() { grep -q 'could not connect to display' "$E2E_HOME/stderr"; }

# Waits until the program's window is mapped (10 seconds at most); WINDOW_ID is its id.
wait_for_window() {
    local id retries=3
    for _ in $(seq 100); do
        id=$(xdotool search --all --onlyvisible --pid "$VIMBLE_PID" --class '^Vimble$' 2>/dev/null | head -n 1) || true
        [ -n "$id" ] && { WINDOW_ID=$id; return 0; }
        if ! kill -0 "$VIMBLE_PID" 2>/dev/null; then
            if turned_away && [ $((retries--)) -gt 0 ]; then
                sleep 0.3
                start_vimble "${VIMBLE_ARGS[@]}"
                continue
            fi
            local code=0
            wait "$VIMBLE_PID" || code=$?
            VIMBLE_PID=""
            fail "the program ended (exit code $code) before its window appeared: $(cat "$E2E_HOME/stderr")"
        fi
        sleep 0.1
    done
    fail "no window of class Vimble within 10 seconds"
}

# Waits for the program to end (10 seconds, or the seconds given, at most); VIMBLE_EXIT is its
# exit code.
wait_for_exit() {
    for _ in $(seq $((${1:-10} * 10))); do
        if ! kill -0 "$VIMBLE_PID" 2>/dev/null || [ "$(ps -o stat= -p "$VIMBLE_PID")" = Z ]; then
            VIMBLE_EXIT=0
            wait "$VIMBLE_PID" || VIMBLE_EXIT=$?
            VIMBLE_PID=""
            return 0
        fi
        sleep 0.1
    done
    fail "the program did not end within ${1:-10} seconds"
}

# Waits for the program to end as wait_for_exit does, and fails unless its exit code is 0.
exits_cleanly() {
    wait_for_exit "${1:-10}"
    [ "$VIMBLE_EXIT" -eq 0 ] || fail "${2:-the program} ended with exit code $VIMBLE_EXIT: $(tail -n 5 "$E2E_HOME/stderr")"
}

# Waits until the command (with its arguments) succeeds, asked again each tenth of a second (10
# seconds at most); fails with the message when it never does.
wait_until() {
    for _ in $(seq 100); do
        "${@:2}" && return 0
        sleep 0.1
    done
    fail "$1"
}

# The colour of one pixel of a window as "r,g,b", each 0..255.
pixel_of() {
    /usr/bin/import -silent -window "$1" "$E2E_HOME/shot.png"
    /usr/bin/convert "$E2E_HOME/shot.png" -format \
        "%[fx:round(255*p{$2,$3}.r)],%[fx:round(255*p{$2,$3}.g)],%[fx:round(255*p{$2,$3}.b)]" info:
}

caption() { xdotool getwindowname "$WINDOW_ID"; }
client_size() { eval "$(xdotool getwindowgeometry --shell "$WINDOW_ID")"; echo "${WIDTH}x${HEIGHT}"; }
read -r SCREEN_W SCREEN_H < <(xdpyinfo | awk '/dimensions:/ { split($2, d, "x"); print d[1], d[2] }')
# A value the program saved in its settings file.
setting() { iconv -f UTF-16 -t UTF-8 "$VIMBLE_HOME/vimble.ini" | tr -d '\r' | sed -n "s/^$1=//p"; }
