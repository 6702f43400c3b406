# F1 opens the popup menu; a pinned sub-menu comes back after each command and goes away on
# Esc; Esc then ends the program, which saves what the menu changed.
source "$(dirname "$0")/lib.sh"
ini="$E2E_HOME/vimble.ini"

# How many of the program's windows are on the screen: the main window, plus one per open menu.
shown_windows() { xdotool search --all --onlyvisible --pid "$VIMBLE_PID" 2>/dev/null | wc -l; }

# Waits until the program shows this many windows (5 seconds at most).
wait_for_windows() {
    for _ in $(seq 50); do
        [ "$(shown_windows)" -eq "$1" ] && return 0
        sleep 0.1
    done
    fail "$2 (windows shown: $(shown_windows), expected $1)"
}

# The height of the open menu's window; 0 when no menu is open.
menu_height() {
    local id
    for id in $(xdotool search --all --onlyvisible --pid "$VIMBLE_PID" 2>/dev/null); do
        [ "$id" = "$WINDOW_ID" ] && continue
        eval "$(xdotool getwindowgeometry --shell "$id")"
        echo "$HEIGHT"
        return 0
    done
    echo 0
}

start_vimble -slide "$VIMBLE_SOURCE/samples"
wait_for_window
xdotool windowfocus --sync "$WINDOW_ID"
xdotool key F1
wait_for_windows 2 "F1 did not open the menu"
whole=$(menu_height)

# Main Menu > Slideshow > Pin: the Slideshow sub-menu re-opens alone.
xdotool key Down Down Right
sleep 0.3
xdotool key Return
for _ in $(seq 50); do
    height=$(menu_height)
    [ "$height" -gt 0 ] && [ "$height" -lt $((whole / 4)) ] && break
    sleep 0.1
done
[ "$height" -gt 0 ] && [ "$height" -lt $((whole / 4)) ] ||
    fail "the pinned Slideshow sub-menu did not come back alone (menu height $height, whole menu $whole)"
# Its second item, "Slideshow", turns the show off; the pinned menu comes back once more.
xdotool key Down Down Return
sleep 0.5
wait_for_windows 2 "the pinned sub-menu did not come back after a command"

xdotool key Escape
wait_for_windows 1 "Esc did not close the pinned menu"
sleep 0.5
[ "$(shown_windows)" -eq 1 ] || fail "the menu came back after Esc"

xdotool key Escape
wait_for_exit
[ "$VIMBLE_EXIT" -eq 0 ] || fail "exit code $VIMBLE_EXIT"
iconv -f UTF-16 -t UTF-8 "$ini" | tr -d '\r' | grep -qxF "slide=FALSE" || fail "the command from the menu was not saved"
echo "menu_test passed"
