# A key held down shows picture after picture, transitions and all, and once it is let go the
# show stops within one picture: the repeats that came in meanwhile do not pile up.
source "$(dirname "$0")/lib.sh"

pictures="$E2E_HOME/pictures"
mkdir -p "$pictures"
/usr/bin/convert -size 320x240 gradient:red-blue "$pictures/p00.png"
for n in $(seq -w 1 39); do cp "$pictures/p00.png" "$pictures/p$n.png"; done

start_window_manager
start_vimble -noslide -nowrap "$pictures"
wait_for_window
shown() { xdotool getwindowname "$WINDOW_ID" | grep -o 'p[0-9][0-9]\.png' | tail -n 1 | cut -c2-3 | sed 's/^0//'; }
wait_until "the first picture is not named in the caption" test -n "$(shown)"

xdotool windowfocus --sync "$WINDOW_ID"
xdotool keydown Next
sleep 3
xdotool keyup Next
released=$(shown)
[ "$released" -ge 2 ] || fail "holding Page Down for 3 seconds showed only $released pictures"
sleep 3
after=$(shown)
[ $(((after - released + 40) % 40)) -le 1 ] || fail "after the key was let go the show went on from $released to $after"

xdotool key Escape
wait_for_exit
echo "held_key_test passed"
