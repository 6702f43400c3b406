# A quit that arrives while a dialog, a message box or the menu is open (a signal at logout,
# another copy taking over at its start or by "...now") closes what is open, saves the settings
# and ends the program with exit code 0; a copy that took over holds the hot key. A copy with no
# display is not taken over meanwhile.
source "$(dirname "$0")/lib.sh"
start_window_manager

pictures="$E2E_HOME/pictures"
empty="$E2E_HOME/empty"
mkdir -p "$pictures" "$empty"
/usr/bin/convert -size 40x30 xc:teal "$pictures/a.png"
/usr/bin/convert -size 30x40 xc:navy "$pictures/b.png"
other=""  # the copy that takes over
mkdir "$E2E_HOME/headless"
QT_QPA_PLATFORM=offscreen VIMBLE_HOME="$E2E_HOME/headless" "$VIMBLE_BIN" -noslide "$pictures" >/dev/null 2>&1 &
headless=$!
# The copy without a display saves as it ends: it is waited for before its folder goes.
trap "kill \"\$headless\" 2>/dev/null; wait \"\$headless\" 2>/dev/null || true; [ -n \"\$other\" ] && kill \"\$other\" 2>/dev/null; $(trap -p EXIT | sed "s/^trap -- '//; s/' EXIT\$//")" EXIT

titled() { xdotool search --all --onlyvisible --pid "$1" --name "^$2\$" >/dev/null 2>&1; }
shown() { xdotool search --all --onlyvisible --pid "$1" --class '^Vimble$' 2>/dev/null | awk 'NR == 1 { print } END { exit NR == 0 }'; }
hidden() { ! shown "$1" >/dev/null; }
menu_open() { [ "$(xdotool search --all --onlyvisible --pid "$1" 2>/dev/null | wc -l)" -ge 2 ]; }

# Opens the named piece of modal UI in the copy that runs (none: the start's own message box).
open_ui() {
    case $1 in
    timer) xdotool windowactivate --sync "$WINDOW_ID" key ctrl+t && wait_until "no timer dialog" titled "$VIMBLE_PID" "Slideshow Timer" ;;
    hotkey)
        # Window is the menu's 22nd item; the dialog is third from its end.
        xdotool windowactivate --sync "$WINDOW_ID" key F1
        wait_until "no menu" menu_open "$VIMBLE_PID"
        xdotool key $(printf 'Down %.0s' $(seq 22)) Right Up Up Up Return
        wait_until "no hot-key dialog" titled "$VIMBLE_PID" "Hide/Show HotKey" ;;
    menu) xdotool windowactivate --sync "$WINDOW_ID" key F1 && wait_until "no menu" menu_open "$VIMBLE_PID" ;;
    box) wait_until "no \"No images in\" box" titled "$VIMBLE_PID" "Tarnex Vimble" ;;
    esac
}

# Ends the copy in VIMBLE_PID while the UI is open, by the entry; checks it saved and ended well.
quit_by() {
    local ui=$1 entry=$2 timer=$3 first=$VIMBLE_PID
    case $entry in
    TERM | HUP) kill -"$entry" "$first" ;;
    single | now)
        # The other copy, on the same display, which the first must leave to.
        if [ "$entry" = single ]; then "$VIMBLE_BIN" -single -noslide "$pictures" >"$E2E_HOME/other.log" 2>&1 &
        else "$VIMBLE_BIN" -noslide "$pictures" >"$E2E_HOME/other.log" 2>&1 &
        fi
        other=$!
        [ "$entry" = single ] || {
            wait_until "the other copy shows no window" shown "$other" >/dev/null
            xdotool windowactivate --sync "$(shown "$other")" key asciitilde
        } ;;
    esac
    wait_for_exit
    [ "$VIMBLE_EXIT" -eq 0 ] || fail "$entry with the $ui open: exit code $VIMBLE_EXIT: $(cat "$E2E_HOME/stderr")"
    iconv -f UTF-16 -t UTF-8 "$E2E_HOME/vimble.ini" | grep -q "^timer=$timer" ||
        fail "$entry with the $ui open: the settings were not saved"
    rm "$E2E_HOME/vimble.ini"
    if [ "$entry$ui" = singletimer ]; then
        wait_until "the copy that took over shows no window" shown "$other" >/dev/null
        sleep 0.5
        xdotool key ctrl+Escape
        wait_until "the copy that took over does not hold the hot key" hidden "$other"
    fi
    if [ -n "${other:-}" ]; then
        kill "$other"
        wait "$other" || true
        other=""
    fi
}

listening() { ls "$XDG_RUNTIME_DIR" | grep -q -- "-$headless\$"; }
wait_until "the copy without a display does not listen" listening

timer=1000
for ui in timer hotkey menu box; do
    for entry in TERM single now; do
        [ "$ui" = box ] && [ "$entry" = TERM ] && entry=HUP
        timer=$((timer + 1))
        if [ "$ui" = box ]; then
            start_vimble -noslide "-t$timer" "$empty"
        else
            start_vimble -noslide "-t$timer" "$pictures"
            wait_for_window
        fi
        open_ui "$ui"
        quit_by "$ui" "$entry" "$timer"
    done
done
kill -0 "$headless" 2>/dev/null || fail "the take-overs on this display closed the copy without one"
echo "quit_test passed"
