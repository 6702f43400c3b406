# Under load, end to end: with auto refresh on, a writer creates and deletes about a thousand
# pictures a second in the watched folder (some written in place in two parts, some written aside
# and renamed in, some moved out); then Page Down is held down over the pictures. After each the
# program still runs, its memory settles back to within a tenth of what it held before, and its
# list holds exactly the pictures in the folder.
source "$(dirname "$0")/lib.sh"

# Shorter under the sanitizers, whose allocator keeps freed memory in quarantine: there
# LeakSanitizer checks the memory instead.
churn_seconds=20 hold_seconds=60 sanitized=false
[ -n "${ASAN_OPTIONS:-}" ] && churn_seconds=8 hold_seconds=20 sanitized=true

pictures="$E2E_HOME/pictures"
mkdir -p "$pictures" "$E2E_HOME/moved-out" "$E2E_HOME/made"
sizes=(40x30 320x240 640x480 200x600 900x300 64x64 500x500 120x90)
for i in "${!sizes[@]}"; do /usr/bin/convert -size "${sizes[$i]}" "plasma:fractal" -seed "$i" "$E2E_HOME/made/$i.png"; done
for i in $(seq -w 0 199); do cp "$E2E_HOME/made/$((10#$i % ${#sizes[@]})).png" "$pictures/p-$i.png"; done

rss_kib() { awk '/^VmRSS:/ { print $2 }' "/proc/$VIMBLE_PID/status"; }
alive() { kill -0 "$VIMBLE_PID" 2>/dev/null && [ "$(ps -o stat= -p "$VIMBLE_PID")" != Z ] ||
    fail "the program ended under load: $(tail -n 20 "$E2E_HOME/stderr")"; }
shows() { [ "$(caption)" = "$1 - Tarnex Vimble" ]; }
press_and_see() { xdotool key "$1"; wait_until "$1 did not show $2 (caption: $(caption))" shows "$2"; }
dialog() { xdotool search --all --onlyvisible --pid "$VIMBLE_PID" 2>/dev/null | grep -vx "$WINDOW_ID" | head -n 1 || true; }
no_dialog() { [ -z "$(dialog)" ]; }
has_dialog() { ! no_dialog; }
running() { kill -0 "$1" 2>/dev/null; }
before() { [ "$SECONDS" -lt "$1" ]; }

# Asks for the picture with this number (Ctrl+G) and waits until the dialog is gone.
go_to() {
    xdotool key ctrl+g
    wait_until "Ctrl+G asked for no number" has_dialog
    xdotool windowfocus --sync "$(dialog)" key ctrl+a type "$1"
    xdotool key Return
    wait_until "the Go To dialog stayed open" no_dialog
    xdotool windowfocus --sync "$WINDOW_ID"
}

# The list holds exactly the pictures in the folder, in name order: Home shows the first, End
# the last, the number of pictures goes to the last and one more goes nowhere.
check_list() {
    local names
    mapfile -t names < <(cd "$pictures" && ls -1 -- *.png | LC_ALL=C sort | sed 's/\.png$//')
    press_and_see Home "${names[0]}"
    press_and_see End "${names[-1]}"
    press_and_see Home "${names[0]}"
    go_to "${#names[@]}"
    wait_until "$1: picture ${#names[@]} is not the last one in the folder" shows "${names[-1]}"
    press_and_see Home "${names[0]}"
    go_to $((${#names[@]} + 1))
    sleep 0.5
    shows "${names[0]}" || fail "$1: the list holds more than the ${#names[@]} pictures in the folder"
}

# Samples the memory and the caption while the command succeeds; the program must live.
watch_while() {
    peak_kib=$(rss_kib)
    while "$@"; do
        alive
        caption >>"$E2E_HOME/seen"
        rss=$(rss_kib)
        [ "$rss" -gt "$peak_kib" ] && peak_kib=$rss
        sleep 0.2
    done
    alive
}

# Waits up to 20 seconds for the memory to come back to within a tenth of the start.
check_memory() {
    for _ in $(seq 40); do
        rss=$(rss_kib)
        $sanitized || [ "$rss" -le $((start_kib * 11 / 10)) ] && break
        sleep 0.5
    done
    echo "$1: memory $((start_kib / 1024)) MiB at the start, $((peak_kib / 1024)) MiB at the peak, $((rss / 1024)) MiB after"
    $sanitized || [ "$rss" -le $((start_kib * 11 / 10)) ] || fail "$1: $rss KiB held, more than a tenth over $start_kib KiB"
}

start_vimble -noslide -sortname -shortname -autorefresh "$pictures"
wait_for_window
wait_until "the first picture is not shown" shows p-000
xdotool windowfocus --sync "$WINDOW_ID"
for name in p-001 p-002 p-003; do press_and_see Next "$name"; done
press_and_see Home p-000
sleep 2
start_kib=$(rss_kib)

# About a thousand new pictures a second, as many deleted; one in a hundred stays for good.
python3 - "$pictures" "$E2E_HOME/moved-out" "$E2E_HOME/made" "$churn_seconds" <<'EOF' &
import os, sys, time
folder, outside, made, seconds = sys.argv[1], sys.argv[2], sys.argv[3], float(sys.argv[4])
pictures = [open(os.path.join(made, name), "rb").read() for name in sorted(os.listdir(made))]
live, number, start = [], 0, time.monotonic()
while time.monotonic() - start < seconds:
    while number >= 1000 * (time.monotonic() - start):  # catching up, ten at a time
        time.sleep(0.002)
    for _ in range(10):
        data, name = pictures[number % len(pictures)], os.path.join(folder, "c-%06d.png" % number)
        if number % 2:  # written in place, in two parts; the ones that stay slowly
            with open(name, "wb") as file:
                file.write(data[: len(data) // 2])
                file.flush()
                if number % 100 == 1:
                    time.sleep(0.02)
                file.write(data[len(data) // 2 :])
        else:  # written aside, then renamed in
            aside = os.path.join(folder, ".c-%06d.png.part" % number)
            with open(aside, "wb") as file:
                file.write(data)
            os.rename(aside, name)
        if number % 100 != 1:
            live.append(name)
        number += 1
    while len(live) > 50:
        gone = live.pop(0)
        os.unlink(gone) if number % 3 else os.rename(gone, os.path.join(outside, os.path.basename(gone)))
for name in live:
    os.unlink(name)
EOF
writer=$!
watch_while running "$writer"
wait "$writer" || fail "the load itself failed"
sleep 3  # the watcher reports a burst's end within a second
check_list "after the writer"
# Pictures deleted before they were shown may be logged; none that is still there may be.
while read -r logged; do
    [ ! -e "$logged" ] || fail "a sound picture was logged as one that cannot be shown: $logged"
done < <(cat "$E2E_HOME/errors.log" 2>/dev/null)
check_memory "after the writer"

# Page Down held: the key repeats until let go.
start_kib=$(rss_kib)
press_and_see Home c-000001
rm -f "$E2E_HOME/seen"
xdotool keydown Next
end=$((SECONDS + hold_seconds))
watch_while before "$end"
xdotool keyup Next
distinct=$(sort -u "$E2E_HOME/seen" | wc -l)
[ "$distinct" -ge 10 ] || fail "holding Page Down went through only $distinct pictures: the key did not repeat"
sleep 2
alive
check_list "after holding Page Down"
check_memory "after holding Page Down"
xdotool key Escape
exits_cleanly
echo "load_test passed"
