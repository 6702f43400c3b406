# Switches given at start are saved on exit in the stored format; a hand-edited settings file
# changes the next start.
source "$(dirname "$0")/lib.sh"
ini="$E2E_HOME/vimble.ini"
text_of() { iconv -f UTF-16 -t UTF-8 "$ini" | tr -d '\r'; }

run_and_close() {
    start_vimble "$@"
    wait_for_window
    "$XCLOSE_BIN" "$WINDOW_ID"
    wait_for_exit
    [ "$VIMBLE_EXIT" -eq 0 ] || fail "exit code $VIMBLE_EXIT"
}

run_and_close -noslide -t2500 -sortreverse -z150 "$VIMBLE_SOURCE/samples"
[ "$(head -c 2 "$ini" | od -An -tx1 | tr -d ' ')" = fffe ] || fail "no UTF-16 byte-order mark"
grep -q $'\r' "$ini" || fail "no CR LF line ends"
text=$(text_of)
for line in "slide=FALSE" "timer=2500" "sort=1" "zoom=150" "squeeze=FALSE" "shrink=FALSE" "stretch=FALSE" \
            "version=1.97" "folder=$VIMBLE_SOURCE/samples" "sortby=0" "wrap=TRUE" "hidekey=27"; do
    grep -qxF "$line" <<<"$text" || fail "the saved file lacks $line"
done

# A hand edit: a new interval, written back in the stored format.
text_of | sed 's/^timer=2500$/timer=7000/' | sed 's/$/\r/' | iconv -f UTF-8 -t UTF-16LE >"$ini.new"
{ printf '\xff\xfe'; cat "$ini.new"; } >"$ini"
run_and_close
text=$(text_of)
grep -qxF "timer=7000" <<<"$text" || fail "the edited interval did not survive a run"
grep -qxF "slide=FALSE" <<<"$text" || fail "the saved slideshow state was lost"
# Ending the program from outside (logout sends SIGTERM) saves the settings as an exit does.
start_vimble -t4321
wait_for_window
kill -TERM "$VIMBLE_PID"
wait_for_exit
[ "$VIMBLE_EXIT" -eq 0 ] || fail "exit code $VIMBLE_EXIT after SIGTERM"
grep -qxF "timer=4321" <<<"$(text_of)" || fail "SIGTERM did not save the settings"
echo "settings_test passed"
