# Under a window manager: the window wraps the picture inside its frame, wraps it again after
# fullscreen, loses its frame and status bar when cropped, and a preset brings it back where it
# was saved.
source "$(dirname "$0")/lib.sh"
start_window_manager

mkdir -p "$E2E_HOME/pictures"
/usr/bin/convert -size 400x300 xc:maroon "$E2E_HOME/pictures/a.png"

frame_extents() { xprop -id "$WINDOW_ID" _NET_FRAME_EXTENTS | sed 's/.*= //'; }
framed() { [ "$(frame_extents)" != "0, 0, 0, 0" ]; }
wrapped() { local s; s=$(client_size); [ "${s%x*}" -eq 400 ] && bar=$((${s#*x} - 300)) && [ "$bar" -ge 12 ] && [ "$bar" -le 40 ]; }
covers_screen() { [ "$(client_size)" = "${SCREEN_W}x$SCREEN_H" ]; }
cropped() { [ "$(client_size)" = 400x300 ] && ! framed; }
at_preset() { eval "$(xdotool getwindowgeometry --shell "$WINDOW_ID")"; [ "$X" -eq "$saved_x" ] && [ "$Y" -eq "$saved_y" ]; }
moved_away() { ! at_preset; }

start_vimble -noslide "$E2E_HOME/pictures"
wait_for_window
wait_until "the window does not wrap the 400 x 300 picture" wrapped
framed || fail "the window has no frame"
xdotool windowactivate --sync "$WINDOW_ID" key F11
wait_until "fullscreen does not cover the screen" covers_screen
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
xdotool windowmove "$WINDOW_ID" 20 20
wait_until "the window did not move" moved_away
xdotool key 1
wait_until "preset 1 did not bring the window back to $saved_x,$saved_y" at_preset
xdotool key Escape
exits_cleanly
echo "layers_test passed"
