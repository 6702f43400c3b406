# Under a window manager: the window wraps the picture inside its frame, wraps it again after
# fullscreen, loses its frame and status bar when cropped, and a preset brings it back where it
# was saved; holding it by its title bar pauses the slideshow until the button is let go; sizing
# it by its frame, however quickly, makes it keep the user's size for the next picture.
source "$(dirname "$0")/lib.sh"
start_window_manager
pictures="$E2E_HOME/pictures"
mkdir -p "$pictures"
/usr/bin/convert -size 400x300 xc:orange "$pictures/a.png"
/usr/bin/convert -size 300x400 xc:navy "$pictures/b.png"
/usr/bin/convert -size 200x200 xc:maroon "$pictures/c.png"

frame_extents() { xprop -id "$WINDOW_ID" _NET_FRAME_EXTENTS | sed 's/.*= //'; }
framed() { [ "$(frame_extents)" != "0, 0, 0, 0" ]; }
wrapped() { local s; s=$(client_size); [ "${s%x*}" -eq 400 ] && bar=$((${s#*x} - 300)) && [ "$bar" -ge 12 ] && [ "$bar" -le 40 ]; }
covers_screen() { [ "$(client_size)" = "${SCREEN_W}x$SCREEN_H" ]; }
cropped() { [ "$(client_size)" = 400x300 ] && ! framed; }
at_preset() { eval "$(xdotool getwindowgeometry --shell "$WINDOW_ID")"; [ "$X" -eq "$saved_x" ] && [ "$Y" -eq "$saved_y" ]; }
moved_away() { ! at_preset; }
# The client area's top left corner on the screen: X, Y.
client_corner() { eval "$(xwininfo -id "$WINDOW_ID" | awk '/Absolute upper-left (X|Y)/ { print $3 "=" $4 }' | tr -d :)"; }
changed_from() { [ "$(caption)" != "$1" ]; }
sized_by_hand() { [ "$(client_size)" != "$before" ]; }

start_vimble -noslide "$pictures"
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
rm "$VIMBLE_HOME/vimble.ini"  # -noslide was saved: the next run starts with a slideshow

start_vimble -t1000 -notransitions "$pictures"
wait_for_window
sleep 0.5
client_corner
xdotool mousemove $((X + 100)) $((Y - 8)) sleep 0.2 mousedown 1
held=$(caption) held_size=$(client_size)
for _ in $(seq 12); do
    sleep 0.2
    [ "$(caption)" = "$held" ] || fail "the slideshow went on while the window was held by its title bar"
done
xdotool mousemove_relative 20 10 sleep 0.2 mouseup 1
wait_until "the slideshow did not go on after the window was let go" changed_from "$held"
sleep 0.3
[ "$(client_size)" != "$held_size" ] || fail "after the move the window no longer wraps the pictures"
"$XCLOSE_BIN" "$WINDOW_ID"
exits_cleanly

start_vimble -noslide -notransitions "$pictures"
wait_for_window
sleep 0.5  # wrapped around the first picture
client_corner
before=$(client_size)
# The grip at the bottom right of the frame, two quick moves.
xdotool mousemove $((X + ${before%x*} - 3)) $((Y + ${before#*x} + 2)) sleep 0.2 mousedown 1 \
    mousemove_relative 30 20 sleep 0.05 mousemove_relative 30 20 sleep 0.05 mouseup 1
wait_until "the window could not be sized by its frame" sized_by_hand
sized=$(client_size) first=$(caption)
xdotool key --window "$WINDOW_ID" Next
wait_until "Next does not show the next picture" changed_from "$first"
sleep 0.3
[ "$(client_size)" = "$sized" ] || fail "sized by hand to $sized, the window wraps the next picture ($(client_size))"
"$XCLOSE_BIN" "$WINDOW_ID"
exits_cleanly
echo "frame_test passed"
