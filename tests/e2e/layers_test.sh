# Under a window manager: the window wraps the picture inside its frame, covers the screen in
# fullscreen and wraps again after, loses its frame and status bar when cropped, and a preset
# brings it back where it was saved.
source "$(dirname "$0")/lib.sh"
start_window_manager

pictures="$E2E_HOME/pictures"
mkdir -p "$pictures"
/usr/bin/convert -size 400x300 xc:maroon "$pictures/a.png"
read -r sw sh < <(xdpyinfo | awk '/dimensions:/ { split($2, d, "x"); print d[1], d[2] }')

# The client area's size as "WIDTHxHEIGHT", and the frame the window manager draws around it.
client_size() { eval "$(xdotool getwindowgeometry --shell "$WINDOW_ID")"; echo "${WIDTH}x${HEIGHT}"; }
frame_extents() { xprop -id "$WINDOW_ID" _NET_FRAME_EXTENTS | sed 's/.*= //'; }
wrapped() { local s; s=$(client_size); [ "${s%x*}" -eq 400 ] && bar=$((${s#*x} - 300)) && [ "$bar" -ge 12 ] && [ "$bar" -le 40 ]; }
covers_screen() { [ "$(client_size)" = "${sw}x${sh}" ]; }
cropped() { [ "$(client_size)" = 400x300 ] && [ "$(frame_extents)" = "0, 0, 0, 0" ]; }
framed() { [ "$(frame_extents)" != "0, 0, 0, 0" ]; }

start_vimble -noslide "$pictures"
wait_for_window
wait_until "the window does not wrap the 400 x 300 picture" wrapped
framed || fail "the window has no frame"
xdotool windowactivate --sync "$WINDOW_ID"

xdotool key F11
wait_until "fullscreen does not cover the ${sw}x${sh} screen" covers_screen
xdotool key F11
wait_until "leaving fullscreen does not wrap the picture again" wrapped

xdotool key c
wait_until "cropped, the window is not the picture alone without a frame" cropped
xdotool key c
wait_until "uncropped, the bar does not come back" wrapped
wait_until "uncropped, the frame does not come back" framed

eval "$(xdotool getwindowgeometry --shell "$WINDOW_ID")"
saved_x=$X saved_y=$Y
xdotool key alt+1
at_preset() { eval "$(xdotool getwindowgeometry --shell "$WINDOW_ID")"; [ "$X" -eq "$saved_x" ] && [ "$Y" -eq "$saved_y" ]; }
moved_away() { ! at_preset; }
xdotool windowmove "$WINDOW_ID" 20 20
wait_until "the window did not move" moved_away
xdotool key 1
wait_until "preset 1 did not bring the window back to $saved_x,$saved_y" at_preset

xdotool key Escape
wait_for_exit
[ "$VIMBLE_EXIT" -eq 0 ] || fail "exit code $VIMBLE_EXIT"
echo "layers_test passed"
