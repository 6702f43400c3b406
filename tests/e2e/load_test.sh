# Under load, end to end: with auto refresh on, a writer creates and deletes about a thousand
# pictures a second in the watched folder (some written in place, some written aside and renamed
# in, some moved out); then Page Down is held down, auto-repeating, over two hundred pictures.
# After each the program still runs, its memory settles back to within a tenth of what it held
# once the first pictures were shown, and its list holds exactly the pictures in the folder.
source "$(dirname "$0")/lib.sh"

# Shorter under the sanitizers, which slow every step several times. Their allocator keeps
# freed memory in quarantine, so there the memory is not expected back: LeakSanitizer checks
# for leaks at the end instead.
churn_seconds=20
hold_seconds=60
sanitized=false
if [ -n "${ASAN_OPTIONS:-}" ]; then
    churn_seconds=8
    hold_seconds=20
    sanitized=true
fi

pictures="$E2E_HOME/pictures"
mkdir -p "$pictures" "$E2E_HOME/moved-out" "$E2E_HOME/made"
sizes=(40x30 320x240 640x480 200x600 900x300 64x64 500x500 120x90)
for i in "${!sizes[@]}"; do
    /usr/bin/convert -size "${sizes[$i]}" "plasma:fractal" -seed "$i" "$E2E_HOME/made/$i.png"
done
for i in $(seq -w 0 199); do cp "$E2E_HOME/made/$((10#$i % ${#sizes[@]})).png" "$pictures/p-$i.png"; done

caption() { xdotool getwindowname "$WINDOW_ID"; }
rss_kib() { awk '/^VmRSS:/ { print $2 }' "/proc/$VIMBLE_PID/status"; }
alive() { kill -0 "$VIMBLE_PID" 2>/dev/null && [ "$(ps -o stat= -p "$VIMBLE_PID")" != Z ] ||
    fail "the program ended under load: $(tail -n 20 "$E2E_HOME/stderr")"; }
shows() { [ "$(caption)" = "$1 - Tarnex Vimble" ]; }
wait_for_caption() { wait_until "$2 (caption: $(caption))" shows "$1"; }

# The program's other visible window: a dialog it opened.
dialog() { xdotool search --all --onlyvisible --pid "$VIMBLE_PID" 2>/dev/null | grep -vx "$WINDOW_ID" | head -n 1 || true; }
no_dialog() { [ -z "$(dialog)" ]; }

# Asks for the picture with this number (Ctrl+G) and waits until the dialog is gone.
go_to() {
    xdotool key ctrl+g
    local id=""
    for _ in $(seq 50); do
        id=$(dialog)
        [ -n "$id" ] && break
        sleep 0.1
    done
    [ -n "$id" ] || fail "Ctrl+G asked for no number"
    xdotool windowfocus --sync "$id" key ctrl+a type "$1"
    xdotool key Return
    wait_until "the Go To dialog stayed open" no_dialog
    xdotool windowfocus --sync "$WINDOW_ID"
}

# The list holds exactly the pictures in the folder, in name order: Home shows the first, End
# the last, the number of pictures goes to the last and one more goes nowhere.
check_list() {
    local names
    mapfile -t names < <(cd "$pictures" && ls -1 -- *.png | LC_ALL=C sort | sed 's/\.png$//')
    local count=${#names[@]} first=${names[0]} last=${names[-1]}
    xdotool key Home
    wait_for_caption "$first" "$1: Home does not show the first picture in the folder, $first"
    xdotool key End
    wait_for_caption "$last" "$1: End does not show the last picture in the folder, $last"
    xdotool key Home
    wait_for_caption "$first" "$1: Home does not come back to $first"
    go_to "$count"
    wait_for_caption "$last" "$1: picture $count is not the last one in the folder, $last"
    xdotool key Home
    wait_for_caption "$first" "$1: Home does not come back to $first"
    go_to $((count + 1))
    sleep 0.5
    shows "$first" || fail "$1: the list holds more than the $count pictures in the folder (caption: $(caption))"
    echo "$1: the list holds the $count pictures in the folder"
}

# Waits up to 20 seconds for the memory to come back to within a tenth of the start.
check_memory() {
    local rss
    for _ in $(seq 40); do
        rss=$(rss_kib)
        $sanitized || [ "$rss" -le $((start_kib * 11 / 10)) ] && break
        sleep 0.5
    done
    echo "$1: memory $((start_kib / 1024)) MiB at the start, $((peak_kib / 1024)) MiB at the peak, $((rss / 1024)) MiB after"
    $sanitized || [ "$rss" -le $((start_kib * 11 / 10)) ] ||
        fail "$1: the program holds $rss KiB after the load, more than a tenth over the $start_kib KiB it started with"
}

# Samples the memory until the process in $1 ends; the program must live through it.
watch_memory_until_done() {
    while kill -0 "$1" 2>/dev/null; do
        alive
        rss=$(rss_kib)
        [ "$rss" -gt "$peak_kib" ] && peak_kib=$rss
        sleep 0.2
    done
    wait "$1" || fail "the load itself failed"
    alive
}

start_vimble -noslide -sortname -shortname -autorefresh "$pictures"
wait_for_window
wait_for_caption p-000 "the first picture is not shown"
xdotool windowfocus --sync "$WINDOW_ID"
for name in p-001 p-002 p-003; do
    xdotool key Next
    wait_for_caption "$name" "Page Down did not go on to $name"
done
xdotool key Home
wait_for_caption p-000 "Home did not go back to the first picture"
sleep 2
start_kib=$(rss_kib)
peak_kib=$start_kib

# About a thousand new pictures a second, as many deleted; one in a hundred stays for good.
python3 - "$pictures" "$E2E_HOME/moved-out" "$E2E_HOME/made" "$churn_seconds" <<'EOF' &
import os, sys, time
folder, outside, made, seconds = sys.argv[1], sys.argv[2], sys.argv[3], float(sys.argv[4])
pictures = [open(os.path.join(made, name), "rb").read() for name in sorted(os.listdir(made))]
live = []
number = 0
start = time.monotonic()
while time.monotonic() - start < seconds:
    # Catching up with a thousand a second, ten at a time.
    while number >= 1000 * (time.monotonic() - start):
        time.sleep(0.002)
    for _ in range(10):
        data = pictures[number % len(pictures)]
        name = os.path.join(folder, "c-%06d.png" % number)
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
        if number % 3:
            os.unlink(gone)
        else:
            os.rename(gone, os.path.join(outside, os.path.basename(gone)))
for name in live:
    os.unlink(name)
print("load_test: %d pictures written and %d kept in %.1f s" % (number, (number + 98) // 100, time.monotonic() - start))
EOF
watch_memory_until_done $!
sleep 3  # the watcher reports a burst's end within a second
check_list "after the writer"
# Pictures deleted before they were shown are logged; none that is still there may be.
while read -r logged; do
    [ ! -e "$logged" ] || fail "a sound picture was logged as one that cannot be shown: $logged"
done < <(cat "$E2E_HOME/errors.log" 2>/dev/null)
check_memory "after the writer"

# Page Down held: the key repeats until let go.
start_kib=$(rss_kib)
peak_kib=$start_kib
xdotool key Home
wait_for_caption c-000001 "Home did not go to the first picture"
xdotool keydown Next
seen=()
for _ in $(seq $((hold_seconds * 2))); do
    alive
    seen+=("$(caption)")
    rss=$(rss_kib)
    [ "$rss" -gt "$peak_kib" ] && peak_kib=$rss
    sleep 0.5
done
xdotool keyup Next
distinct=$(printf '%s\n' "${seen[@]}" | sort -u | wc -l)
[ "$distinct" -ge 10 ] || fail "holding Page Down went through only $distinct pictures: the key did not repeat"
echo "holding Page Down: $distinct different pictures seen in $hold_seconds seconds"
sleep 2
alive
check_list "after holding Page Down"
check_memory "after holding Page Down"

xdotool key Escape
wait_for_exit
[ "$VIMBLE_EXIT" -eq 0 ] || fail "exit code $VIMBLE_EXIT: $(tail -n 20 "$E2E_HOME/stderr")"
echo "load_test passed"
