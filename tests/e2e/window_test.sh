# The program maps its window on the samples wrapped around the first picture and centred, and
# a close request from the window manager ends it with exit code 0.
source "$(dirname "$0")/lib.sh"

start_vimble "$VIMBLE_SOURCE/samples"
wait_for_window
[[ "$(xprop -id "$WINDOW_ID" WM_CLASS)" == *'"vimble", "Vimble"'* ]] || fail "WM_CLASS is $(xprop -id "$WINDOW_ID" WM_CLASS)"
eval "$(xdotool getwindowgeometry --shell "$WINDOW_ID")"
# The first sample (4000 x 3000) squeezed into the screen: the window as wide or as high as the
# screen, and as high as the picture at its width plus the status bar under it.
bar=$((HEIGHT - WIDTH * 3 / 4))
{ [ "$WIDTH" -eq "$SCREEN_W" ] || [ "$HEIGHT" -eq "$SCREEN_H" ]; } && [ "$bar" -ge 12 ] && [ "$bar" -le 40 ] ||
    fail "window is ${WIDTH}x${HEIGHT} on a ${SCREEN_W}x$SCREEN_H screen"
cx=$((X + WIDTH / 2 - SCREEN_W / 2)) cy=$((Y + HEIGHT / 2 - SCREEN_H / 2))
[ "${cx#-}" -le 2 ] && [ "${cy#-}" -le 2 ] || fail "window at $X,$Y is not centred"

# The picture fills the window to its corners once its transition has played: no background
# band around it.
not_background() { [ "$(pixel_of "$WINDOW_ID" "$1" "$2")" != "0,0,0" ]; }
wait_until "background at the top left: the window does not wrap the picture" not_background 2 2
wait_until "background at the bottom right: the window does not wrap the picture" \
    not_background $((WIDTH - 3)) $((HEIGHT - bar - 3))
"$XCLOSE_BIN" "$WINDOW_ID"
exits_cleanly 10 "after the close request the program"
echo "window_test passed"
