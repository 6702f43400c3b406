# What a new user meets on the command line: -h, no display, a path that is not there.
source "$(dirname "$0")/lib.sh"

out=$("$VIMBLE_BIN" -h) || fail "-h ended with $?"
[ "$out" = "$("$VIMBLE_BIN" --help)" ] || fail "-h and --help differ"
grep -q '^Usage: vimble' <<<"$out" || fail "-h printed no usage"

# Without a display, and with a display number nobody serves: exit code 1 and why.
for display in "" :1999; do
    code=0
    err=$(env $([ -n "$display" ] && echo "DISPLAY=$display" || echo -u DISPLAY) QT_QPA_PLATFORM= "$VIMBLE_BIN" 2>&1 >/dev/null) || code=$?
    said="vimble: could not connect to display $display"
    [ -n "$display" ] || said="vimble: no X display (DISPLAY is not set)"
    [ "$code" -eq 1 ] && [ "$err" = "$said" ] || fail "with DISPLAY=$display: exit code $code, said: $err"
done

# The program goes on to say that the folder holds no pictures; the terminal hears why.
start_vimble -nosave "$E2E_HOME/no such folder"
wait_until "a missing path was not named on the terminal" \
    grep -qxF "vimble: $E2E_HOME/no such folder: No such file or directory" "$E2E_HOME/stderr"
echo "first_contact_test passed"
