# On a real display a new picture comes in step by step: with only the crossfade enabled the
# window passes through blends of the old and the new picture before it shows the new one.
source "$(dirname "$0")/lib.sh"

pictures="$E2E_HOME/pictures"
mkdir -p "$pictures"
/usr/bin/convert -size 200x150 xc:'rgb(255,0,0)' "$pictures/a.png"
/usr/bin/convert -size 200x150 xc:'rgb(0,0,255)' "$pictures/b.png"
{
    printf '[Transitions]\r\ntransitions=TRUE\r\noverlap=TRUE\r\n'
    for n in $(seq 14); do printf '%d=FALSE\r\n' "$n"; done
    printf '15=TRUE\r\n'
} >"$VIMBLE_HOME/vimble.ini"

start_vimble -noslide -nowrap "$pictures"
wait_for_window
middle() { pixel_of "$WINDOW_ID" 100 100; }
for _ in $(seq 50); do [ "$(middle)" = "255,0,0" ] && break; sleep 0.1; done
[ "$(middle)" = "255,0,0" ] || fail "the first picture is not shown ($(middle))"

xdotool windowfocus --sync "$WINDOW_ID"
xdotool key Next
blends=0
for _ in $(seq 200); do
    colour=$(middle)
    [ "$colour" = "0,0,255" ] && break
    [ "$colour" != "255,0,0" ] && blends=$((blends + 1))
done
[ "$colour" = "0,0,255" ] || fail "the second picture did not arrive ($colour)"
[ "$blends" -ge 2 ] || fail "the crossfade showed $blends blended frames"

xdotool key Escape
wait_for_exit
echo "transition_test passed"
