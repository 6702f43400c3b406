# The program maps its window on the samples, centred and showing the first picture, and a close request from the
# window manager ends it with exit code 0.
source "$(dirname "$0")/lib.sh"

start_vimble "$VIMBLE_SOURCE/samples"
wait_for_window
id=$WINDOW_ID

class=$(xprop -id "$id" WM_CLASS)
[[ "$class" == *'"vimble", "Vimble"'* ]] || fail "WM_CLASS is $class"

eval "$(xdotool getwindowgeometry --shell "$id")"
read -r sw sh < <(xdpyinfo | awk '/dimensions:/ { split($2, d, "x"); print d[1], d[2] }')
[ "$WIDTH" -eq 225 ] && [ "$HEIGHT" -eq 325 ] || fail "window is ${WIDTH}x${HEIGHT}"
cx=$((X + WIDTH / 2 - sw / 2)); cy=$((Y + HEIGHT / 2 - sh / 2))
[ "${cx#-}" -le 2 ] && [ "${cy#-}" -le 2 ] || fail "window at $X,$Y is not centred on ${sw}x${sh}"

# The first sample (4000 x 3000) squeezed into the window: the picture in the middle, the black
# background above it.
colour=$(pixel_of "$id" 2 2)
[ "$colour" = "0,0,0" ] || fail "the background above the picture is $colour"
colour=$(pixel_of "$id" 112 162)
[ "$colour" != "0,0,0" ] || fail "no picture in the middle of the window"

"$XCLOSE_BIN" "$id"
wait_for_exit
[ "$VIMBLE_EXIT" -eq 0 ] || fail "exit code $VIMBLE_EXIT after the close request"
echo "window_test passed"
