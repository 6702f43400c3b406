# A key held down shows picture after picture, transitions and all, and once it is let go the
# show stops within one picture: the repeats that came in meanwhile do not pile up. Over pictures
# that are slow to decode it shows each one it passes.
source "$(dirname "$0")/lib.sh"
start_window_manager

pictures="$E2E_HOME/pictures" big="$E2E_HOME/big"
mkdir -p "$pictures" "$big"
/usr/bin/convert -size 320x240 gradient:red-blue "$pictures/p00.png"
for n in $(seq -w 1 39); do cp "$pictures/p00.png" "$pictures/p$n.png"; done
/usr/bin/convert -size 6000x4000 gradient:navy-orange -interlace JPEG "$big/q00.jpg"
for n in $(seq -w 1 59); do ln "$big/q00.jpg" "$big/q$n.jpg"; done

# Holds Page Down for three seconds in a window showing the folder.
hold_page_down() {
    start_vimble -noslide -nowrap "$@"
    wait_for_window
    xprop -spy -id "$WINDOW_ID" WM_NAME >"$E2E_HOME/titles" &
    spy=$!
    wait_until "the first picture is not named in the caption" grep -q '[pq][0-9][0-9]\.' "$E2E_HOME/titles"
    xdotool windowfocus --sync "$WINDOW_ID" keydown Next sleep 3 keyup Next
}
# The numbers of the pictures the caption named, in turn.
named() { grep -o "$1"'[0-9][0-9]\.' "$E2E_HOME/titles" | cut -c2-3 | sed 's/^0//' | uniq; }

hold_page_down "$pictures"
released=$(named p | tail -n 1)
[ "$released" -ge 2 ] || fail "holding Page Down for 3 seconds showed only $released pictures"
sleep 3
after=$(named p | tail -n 1)
[ $(((after - released + 40) % 40)) -le 1 ] || fail "after the key was let go the show went on from $released to $after"
kill "$spy"
xdotool key Escape
exits_cleanly

# Pictures that take longer to decode than the key takes to repeat: the held key shows each one
# it passes, instead of passing over those still being decoded.
hold_page_down -notransitions "$big"
sleep 2
kill "$spy"
seen=$(named q)
[ "$(echo "$seen" | wc -l)" -ge 3 ] || fail "holding Page Down over large pictures showed only: $seen"
previous=""
for n in $seen; do
    [ -z "$previous" ] || [ $(((n - previous + 60) % 60)) -le 2 ] ||
        fail "the held key passed over pictures unseen, from $previous to $n: $(echo $seen)"
    previous=$n
done
xdotool key Escape
exits_cleanly
echo "held_key_test passed"
