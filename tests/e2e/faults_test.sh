# Hostile names and failing file systems, end to end, as a user who is not root: names with a
# line feed, a leading '-', shell metacharacters and invalid UTF-8, and a 4,000-byte path, are
# shown and never run anything; an unreadable picture is logged once as one line and passed
# over, an unreadable folder is skipped; a read-only program folder is reported once and nothing
# is written; a full disk loses neither the settings nor a log line's neighbours.
source "$(dirname "$0")/lib.sh"
chmod 755 "$E2E_HOME"
as_user() { setpriv --reuid=nobody --regid=nogroup --clear-groups "$@"; }
real_bin=$VIMBLE_BIN

# Runs the slideshow once through the folder (as nobody) and waits for its end.
run_slideshow() {
    VIMBLE_BIN=setpriv start_vimble --reuid=nobody --regid=nogroup --clear-groups "$real_bin" -slide -t1000 \
        -loopexit -notransitions -sortname "$@"
}

pictures="$E2E_HOME/pictures"
mkdir -p "$pictures/closed"
/usr/bin/convert -size 24x16 xc:navy "$pictures/plain.png"
long="$pictures"
while [ ${#long} -lt 3700 ]; do long="$long/$(printf 'd%.0s' $(seq 240))"; done
mkdir -p "$long"
names=($'line\nfeed.png' '-rf.png' '$(touch pwned).png' "a;b|c&d'e\"f\`g *.png" $'bad\xff\xfe.png'
       "${long#"$pictures"/}/$(printf 'n%.0s' $(seq $((3990 - ${#long}))))-long.png")
for name in "${names[@]}"; do cp "$pictures/plain.png" "$pictures/$name"; done
[ $((${#pictures} + 1 + ${#names[5]})) -ge 4000 ] || fail "the long path is short"
cp "$pictures/plain.png" "$pictures/locked.png"
cp "$pictures/plain.png" "$pictures/closed/x.png"
chmod -R a+rX "$pictures"
chmod 000 "$pictures/locked.png" "$pictures/closed"

# Names and unreadable files, with a program folder nobody can write to.
home="$E2E_HOME/home"
mkdir -m 755 "$home" && chown nobody:nogroup "$home"
export VIMBLE_HOME="$home"
cd "$pictures"
run_slideshow "$pictures"
exits_cleanly 60
[ ! -e "$pictures/pwned" ] && [ ! -e "$home/pwned" ] || fail "a file name was run as a command"
[ "$(cat "$home/errors.log")" = "$pictures/locked.png" ] ||
    fail "the unreadable picture was not logged alone on one line: $(od -c "$home/errors.log" | head)"
[ -s "$home/vimble.ini" ] || fail "the settings were not saved"

# A read-only program folder: said once, at start; nothing written, nothing lost.
readonly_home="$E2E_HOME/readonly"
mkdir -m 755 "$readonly_home"
export VIMBLE_HOME="$readonly_home"
run_slideshow "$pictures/plain.png"
notice=""
for _ in $(seq 200); do
    notice=$(xdotool search --all --onlyvisible --pid "$VIMBLE_PID" 2>/dev/null | head -n 1) || true
    [ -n "$notice" ] && break
    if turned_away; then
        wait "$VIMBLE_PID" || true
        run_slideshow "$pictures/plain.png"
    fi
    sleep 0.1
done
[ -n "$notice" ] || fail "no notice of the read-only folder: $(cat "$E2E_HOME/stderr")"
xdotool windowfocus --sync "$notice" key Return
exits_cleanly 60 "with a read-only folder, the program"
[ -z "$(ls -A "$readonly_home")" ] || fail "files appeared in the read-only folder: $(ls -A "$readonly_home")"

# A full disk under the program folder: the old settings stay whole, no temporary is left.
full="$E2E_HOME/full"
mkdir -p "$full"
if mount -t tmpfs -o size=64k tmpfs "$full" 2>/dev/null; then
    trap 'umount "$full" 2>/dev/null || true; [ -n "$VIMBLE_PID" ] && kill "$VIMBLE_PID" 2>/dev/null; rm -rf "$E2E_HOME"' EXIT
    chown nobody:nogroup "$full"
    export VIMBLE_HOME="$full"
    printf '\xff\xfe[\0S\0]\0\r\0\n\0' >"$full/vimble.ini"
    chown nobody:nogroup "$full/vimble.ini"
    before=$(od -An -tx1 "$full/vimble.ini")
    dd if=/dev/zero of="$full/filler" bs=4k 2>/dev/null || true
    cp "$pictures/plain.png" "$pictures/0-text.png" && echo text >"$pictures/0-text.png"
    run_slideshow "$pictures/plain.png"
    exits_cleanly 60 "on a full disk, the program"
    [ "$(od -An -tx1 "$full/vimble.ini")" = "$before" ] || fail "the settings file changed on a full disk"
    [ -z "$(ls "$full" | grep -v '^vimble.ini$\|^filler$\|^errors.log$')" ] || fail "left behind: $(ls "$full")"
    umount "$full"
else
    echo "faults_test: no tmpfs mount here, the full-disk part is skipped"
fi
echo "faults_test passed"
