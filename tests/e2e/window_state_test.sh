# Under a window manager: a start in the fullscreen layer covers the screen and fits the picture
# to it, as F11 does from a window of another size; stay-on-top and the hidden taskbar entry of
# a start with the tray icon hold from the start and through hiding and showing by the hot key.
source "$(dirname "$0")/lib.sh"
start_window_manager

pictures="$E2E_HOME/pictures"
mkdir -p "$pictures"
/usr/bin/convert -size 2560x1440 xc:orange "$pictures/a.png"
/usr/bin/convert -size 30x40 xc:navy "$pictures/b.png"

covers_screen() { [ "$(client_size)" = "${SCREEN_W}x$SCREEN_H" ]; }
windowed() { ! covers_screen; }
# The wide picture fitted to the screen's width: orange from the left edge to the right one.
fills_width() {
    [ "$(pixel_of "$WINDOW_ID" 1 $((SCREEN_H / 2)))" = 255,165,0 ] &&
        [ "$(pixel_of "$WINDOW_ID" $((SCREEN_W - 2)) $((SCREEN_H / 2)))" = 255,165,0 ]
}
has_state() { xprop -id "$WINDOW_ID" _NET_WM_STATE | grep -q "_NET_WM_STATE_$1"; }
visible() { xdotool search --all --onlyvisible --pid "$VIMBLE_PID" --class '^Vimble$' 2>/dev/null | grep -q .; }
hidden() { ! visible; }

start_vimble -fullscreen -noslide -notransitions "$pictures"
wait_for_window
wait_until "started fullscreen, the window does not cover the screen (it is $(client_size))" covers_screen
wait_until "started fullscreen, the picture does not fill the screen's width" fills_width
xdotool windowactivate --sync "$WINDOW_ID" key F11
wait_until "the first F11 after a fullscreen start does not leave fullscreen" windowed
xdotool key F11
wait_until "F11 does not cover the screen" covers_screen
wait_until "after F11 the picture keeps the window's zoom" fills_width
xdotool key Escape
exits_cleanly

start_vimble -ontop -trayicon -noslide -notransitions "$pictures/b.png"
wait_for_window
wait_until "started with the tray icon, the window keeps its taskbar entry" has_state SKIP_TASKBAR
wait_until "started on top, the window is not kept above" has_state ABOVE
for _ in 1 2; do
    xdotool key ctrl+Escape
    wait_until "the hot key does not hide the window" hidden
    xdotool key ctrl+Escape
    wait_until "the hot key does not show the window" visible
    WINDOW_ID=$(xdotool search --all --onlyvisible --pid "$VIMBLE_PID" --class '^Vimble$' | head -n 1)
    wait_until "hidden and shown again, the window is no longer kept above" has_state ABOVE
    wait_until "hidden and shown again, the window has a taskbar entry" has_state SKIP_TASKBAR
done
xdotool key Escape
exits_cleanly
echo "window_state_test passed"
