# The show/hide hot key (Ctrl+Esc by default) hides and shows the window from anywhere, and a
# copy started with -single takes over: the first copy ends (saving its settings) and the new
# one holds the hot key.
source "$(dirname "$0")/lib.sh"

visible() { xdotool search --all --onlyvisible --pid "$1" --class '^Vimble$' 2>/dev/null | grep -q .; }
wait_visible() {  # pid, expected (0 shown, 1 hidden), what
    for _ in $(seq 50); do
        if visible "$1"; then [ "$2" -eq 0 ] && return 0; else [ "$2" -eq 1 ] && return 0; fi
        sleep 0.1
    done
    fail "$3"
}

start_vimble -noslide -t4321 "$VIMBLE_SOURCE/samples"
wait_for_window
first=$VIMBLE_PID
xdotool key ctrl+Escape
wait_visible "$first" 1 "the hot key did not hide the window"
xdotool key ctrl+Escape
wait_visible "$first" 0 "the hot key did not show the window again"

start_vimble -single -noslide "$VIMBLE_SOURCE/samples"
second=$VIMBLE_PID
VIMBLE_PID=$first
wait_for_exit
[ "$VIMBLE_EXIT" -eq 0 ] || fail "the first copy ended with code $VIMBLE_EXIT"
grep -q "timer=4321" <(iconv -f UTF-16 -t UTF-8 "$VIMBLE_HOME/vimble.ini") || fail "the first copy did not save"

VIMBLE_PID=$second
wait_for_window
sleep 0.5
xdotool key ctrl+Escape
wait_visible "$second" 1 "the new copy does not hold the hot key"
kill -TERM "$second"
wait_for_exit
echo "hotkey_test passed"
