# A key held down shows picture after picture, transitions and all, and once it is let go the
# show stops within one picture: the repeats that came in meanwhile do not pile up. Over pictures
# that are slow to decode it shows each one it passes.
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

# Pictures that take longer to decode than the key takes to repeat: the held key shows each one
# it passes, instead of passing over those still being decoded.
/usr/bin/convert -size 6000x4000 gradient:navy-orange -interlace JPEG "$pictures/big.jpg"
mkdir "$pictures/big"
for n in $(seq -w 0 59); do ln "$pictures/big.jpg" "$pictures/big/q$n.jpg"; done
start_vimble -noslide -notransitions -nowrap "$pictures/big"
wait_for_window
xprop -spy -id "$WINDOW_ID" WM_NAME >"$E2E_HOME/titles" &
spy=$!
xdotool windowfocus --sync "$WINDOW_ID"
xdotool keydown Next
sleep 3
xdotool keyup Next
sleep 2
kill "$spy"
seen=$(grep -o 'q[0-9][0-9]\.jpg' "$E2E_HOME/titles" | cut -c2-3 | sed 's/^0//' | uniq)
[ "$(echo "$seen" | wc -l)" -ge 3 ] || fail "holding Page Down over large pictures showed only: $seen"
previous=""
for n in $seen; do
    [ -z "$previous" ] || [ $(((n - previous + 60) % 60)) -le 2 ] ||
        fail "the held key passed over pictures unseen, from $previous to $n: $(echo $seen)"
    previous=$n
done
xdotool key Escape
wait_for_exit
echo "held_key_test passed"
