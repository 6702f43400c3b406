# Keys as the desktop sends them: Ctrl with the digit key 5 on layouts where the digit needs
# Shift, and the Menu key.
source "$(dirname "$0")/lib.sh"
ini="$E2E_HOME/vimble.ini"
setting() { iconv -f UTF-16 -t UTF-8 "$ini" | tr -d '\r' | sed -n "s/^$1=//p"; }
# The layout goes back to US however the test ends. A server with no client left resets its
# keyboard: the window manager stays connected while layouts change.
eval "$(trap -p EXIT | sed "s/^trap -- '/trap -- 'setxkbmap -layout us; /")"
start_window_manager

# What the key of the digit 5 gives without Shift on each layout.
declare -A five=([us]=5 [fr]=parenleft [de]=5)
for layout in us fr de; do
    setxkbmap -layout "$layout" || fail "setxkbmap $layout"
    start_vimble -noslide -centered "$VIMBLE_SOURCE/samples"
    wait_for_window
    xdotool windowfocus --sync "$WINDOW_ID"
    xdotool key "ctrl+${five[$layout]}" Escape  # Roaming, then Exit
    wait_for_exit
    [ "$(setting layout)" = 5 ] || fail "Ctrl+5 did not reach Roaming on the $layout layout"
done
setxkbmap -layout us

start_vimble -noslide -nowrap "$VIMBLE_SOURCE/samples"
wait_for_window
xdotool windowfocus --sync "$WINDOW_ID"
eval "$(xdotool getwindowgeometry --shell "$WINDOW_ID")"
xdotool mousemove --sync $((X + 40)) $((Y + 50))

# The Menu key opens the menu at the cursor, as F1 does.
menu_at() {
    local id
    for _ in $(seq 50); do
        for id in $(xdotool search --all --onlyvisible --pid "$VIMBLE_PID" 2>/dev/null); do
            [ "$id" = "$WINDOW_ID" ] && continue
            xdotool getwindowgeometry --shell "$id" | sed -n 's/^[XY]=//p' | paste -sd,
            return 0
        done
        sleep 0.1
    done
    echo none
}
xdotool key Menu
[ "$(menu_at)" = "$((X + 40)),$((Y + 50))" ] || fail "the Menu key opened the menu at $(menu_at), not at the cursor"
xdotool key Escape
sleep 0.3
[ "$(xdotool search --all --onlyvisible --pid "$VIMBLE_PID" | wc -l)" -eq 1 ] || fail "a second menu came up"
xdotool key Escape
wait_for_exit
[ "$VIMBLE_EXIT" -eq 0 ] || fail "exit code $VIMBLE_EXIT"
echo "input_test passed"
