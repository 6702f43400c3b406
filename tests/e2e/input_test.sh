# Keys as the desktop sends them: Ctrl with the digit key 5 on layouts where the digit needs
# Shift, and the Menu key.
source "$(dirname "$0")/lib.sh"
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
    xdotool windowfocus --sync "$WINDOW_ID" key "ctrl+${five[$layout]}" Escape  # Roaming, then Exit
    exits_cleanly
    [ "$(setting layout)" = 5 ] || fail "Ctrl+5 did not reach Roaming on the $layout layout"
done
setxkbmap -layout us

# The Menu key opens the menu at the cursor, as F1 does.
menu_at() {
    local id
    for id in $(xdotool search --all --onlyvisible --pid "$VIMBLE_PID" 2>/dev/null); do
        [ "$id" = "$WINDOW_ID" ] && continue
        xdotool getwindowgeometry --shell "$id" | sed -n 's/^[XY]=//p' | paste -sd,
        return 0
    done
    return 1
}
start_vimble -noslide -nowrap "$VIMBLE_SOURCE/samples"
wait_for_window
xdotool windowfocus --sync "$WINDOW_ID"
eval "$(xdotool getwindowgeometry --shell "$WINDOW_ID")"
xdotool mousemove --sync $((X + 40)) $((Y + 50)) key Menu
wait_until "the Menu key opened no menu" menu_at >/dev/null
[ "$(menu_at)" = "$((X + 40)),$((Y + 50))" ] || fail "the Menu key opened the menu at $(menu_at), not at the cursor"
xdotool key Escape
sleep 0.3
! menu_at >/dev/null || fail "a second menu came up"
xdotool key Escape
exits_cleanly
echo "input_test passed"
