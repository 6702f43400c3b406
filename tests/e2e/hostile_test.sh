# A slideshow through hostile pictures (cut, empty, mislabelled, oversized, bombs, thousands of
# frames or scans, broken EXIF, and the damaged pictures of Debian's gdk-pixbuf-tests where they
# are installed): the program never crashes, logs each picture it cannot show once and passes
# over it, refuses the oversized ones before decoding them with their size in the log line, and
# never holds more memory than one picture may take.
source "$(dirname "$0")/lib.sh"

pictures="$E2E_HOME/pictures"
python3 "$(dirname "$0")/hostile_pictures.py" "$pictures"
gdk_images=/usr/libexec/installed-tests/gdk-pixbuf/test-images
for folder in fail randomly-modified; do
    [ -d "$gdk_images/$folder" ] || continue
    for file in "$gdk_images/$folder"/*; do cp "$file" "$pictures/gdk-$folder-$(basename "$file")"; done
done
limit_kib=$((1024 * 1024))  # the memory one decoded picture may take

start_vimble -slide -t1000 -loopexit -notransitions -tif -sortname "$pictures"
# The peak memory (VmHWM) as last read before the end.
peak_kib=0
for _ in $(seq 1800); do
    kill -0 "$VIMBLE_PID" 2>/dev/null && [ "$(ps -o stat= -p "$VIMBLE_PID")" != Z ] || break
    hwm=$(awk '/^VmHWM:/ { print $2 }' "/proc/$VIMBLE_PID/status" 2>/dev/null) || true
    [ -n "$hwm" ] && peak_kib=$hwm
    sleep 0.1
done
exits_cleanly
[ "$peak_kib" -gt 0 ] || fail "the program's memory was never read"
[ "$peak_kib" -le "$limit_kib" ] || fail "the program held $peak_kib KiB, more than one picture may take"

log="$E2E_HOME/errors.log"
[ -s "$log" ] || fail "nothing was logged"
duplicates=$(cut -f 1 "$log" | sort | uniq -d)
[ -z "$duplicates" ] || fail "logged more than once: $duplicates"
for name in empty.jpg empty.png text.jpg text.png cut-1-photo.jpg cut-8-flat.png cut-30-plain.bmp cut-8-anim.gif; do
    grep -qxF "$pictures/$name" "$log" || fail "$name was not logged as a picture that cannot be shown"
done
for file in "$pictures"/over-*; do
    grep -qF "$file"$'\t' "$log" || fail "$(basename "$file") was not refused for its size"
done
grep -qxF "$pictures/over-100000x100000.png"$'\t'"100000 x 100000 pixels need 38146 MiB, more than the limit of 1024 MiB" \
    "$log" || fail "the refusal does not give the size: $(grep over-100000 "$log")"
grep -qF "$pictures/photo.jpg" "$log" && fail "a sound picture was logged"
echo "hostile_test passed ($(wc -l <"$log") pictures logged, peak $((peak_kib / 1024)) MiB)"
