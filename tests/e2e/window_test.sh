# The program maps its window on the samples wrapped around the first picture and centred, and
# a close request from the window manager ends it with exit code 0.
source "$(dirname "$0")/lib.sh"

start_vimble "$VIMBLE_SOURCE/samples"
wait_for_window
id=$WINDOW_ID

class=$(xprop -id "$id" WM_CLASS)
[[ "$class" == *'"vimble", "Vimble"'* ]] || fail "WM_CLASS is $class"

eval "$(xdotool getwindowgeometry --shell "$id")"
read -r sw sh < <(xdpyinfo | awk '/dimensions:/ { split($2, d, "x"); print d[1], d[2] }')
# The first sample (4000 x 3000) squeezed into the screen: the window as wide or as high as the
# screen, and as high as the picture at its width plus the status bar under it.
bar=$((HEIGHT - WIDTH * 3 / 4))
{ [ "$WIDTH" -eq "$sw" ] || [ "$HEIGHT" -eq "$sh" ]; } && [ "$bar" -ge 12 ] && [ "$bar" -le 40 ] ||
    fail "window is ${WIDTH}x${HEIGHT} on a ${sw}x${sh} screen"
cx=$((X + WIDTH / 2 - sw / 2)); cy=$((Y + HEIGHT / 2 - sh / 2))
[ "${cx#-}" -le 2 ] && [ "${cy#-}" -le 2 ] || fail "window at $X,$Y is not centred on ${sw}x${sh}"

# The picture fills the window to its corners once its transition has played: no background
# band around it.
for at in "2 2" "$((WIDTH - 3)) $((HEIGHT - bar - 3))"; do
    for _ in $(seq 50); do
        colour=$(pixel_of "$id" $at)
        [ "$colour" != "0,0,0" ] && break
        sleep 0.1
    done
    [ "$colour" != "0,0,0" ] || fail "background at $at: the window does not wrap the picture"
done

"$XCLOSE_BIN" "$id"
wait_for_exit
[ "$VIMBLE_EXIT" -eq 0 ] || fail "exit code $VIMBLE_EXIT after the close request"
echo "window_test passed"
