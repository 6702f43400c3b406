# A picture given on the command line is shown first, a refresh keeps it on show, and the keys
# move through the list in name order; the caption names the picture on show.
source "$(dirname "$0")/lib.sh"

caption() { xdotool getwindowname "$WINDOW_ID"; }

# Waits until the caption names the picture (5 seconds at most).
wait_for_caption() {
    for _ in $(seq 50); do
        [ "$(caption)" = "$1 - Tarnex Vimble" ] && return 0
        sleep 0.1
    done
    fail "$2 (caption: $(caption))"
}

pictures="$E2E_HOME/pictures"
mkdir -p "$pictures/sub"
for name in a b c; do /usr/bin/convert -size 40x30 xc:navy "$pictures/$name.png"; done
/usr/bin/convert -size 40x30 xc:teal "$pictures/sub/d.png"

start_vimble -noslide -shortname -sortname "$pictures/b.png"
wait_for_window
wait_for_caption b "the picture from the command line is not shown first"
xdotool windowfocus --sync "$WINDOW_ID"

/usr/bin/convert -size 40x30 xc:olive "$pictures/0-new.png"  # earlier in name order: b moves one place on
xdotool key ctrl+r
sleep 0.3
wait_for_caption b "a refresh lost the picture on show"
xdotool key Next
wait_for_caption c "Page Down did not go on to the next picture"
xdotool key Next
wait_for_caption d "the subfolder's picture does not follow in name order"
xdotool key Home
wait_for_caption 0-new "Home did not go to the first picture"
xdotool key End
wait_for_caption d "End did not go to the last picture"
xdotool key Escape
wait_for_exit
[ "$VIMBLE_EXIT" -eq 0 ] || fail "exit code $VIMBLE_EXIT"
echo "navigation_test passed"
