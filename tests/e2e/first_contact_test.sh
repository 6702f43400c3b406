# What a new user meets on the command line: -h, no display, a path that is not there.
source "$(dirname "$0")/lib.sh"

out=$("$VIMBLE_BIN" -h) || fail "-h ended with $?"
[ "$out" = "$("$VIMBLE_BIN" --help)" ] || fail "-h and --help differ"
grep -q '^Usage: vimble' <<<"$out" || fail "-h printed no usage"

code=0
err=$(env -u DISPLAY QT_QPA_PLATFORM= "$VIMBLE_BIN" 2>&1 >/dev/null) || code=$?
[ "$code" -eq 1 ] || fail "without DISPLAY the exit code was $code"
[ "$err" = "vimble: no X display (DISPLAY is not set)" ] || fail "without DISPLAY it said: $err"

# A display number nobody serves.
code=0
err=$(DISPLAY=:1999 "$VIMBLE_BIN" 2>&1 >/dev/null) || code=$?
[ "$code" -eq 1 ] || fail "with a display nobody serves the exit code was $code"
[ "$err" = "vimble: could not connect to display :1999" ] || fail "with a display nobody serves it said: $err"

# The program goes on to say that the folder holds no pictures; the terminal hears why.
start_vimble -nosave "$E2E_HOME/no such folder"
line="vimble: $E2E_HOME/no such folder: No such file or directory"
for _ in $(seq 100); do
    grep -qxF "$line" "$E2E_HOME/stderr" && break
    sleep 0.1
done
grep -qxF "$line" "$E2E_HOME/stderr" || fail "a missing path was not named: $(cat "$E2E_HOME/stderr")"
echo "first_contact_test passed"
