# Ctrl+W makes the picture on show the desktop background: the program's bitmap is written,
# the desktop values point at it with the user's own background kept as the backup (a copy of
# the root window's picture, whatever the values last said), and the X root window gets the
# background pixmap that root-window setters leave.
source "$(dirname "$0")/lib.sh"
store="$VIMBLE_HOME/wallpaper.ini"
text_of() { iconv -f UTF-16 -t UTF-8 "$1" | tr -d '\r'; }

start_window_manager  # a desktop session's client: the server keeps the root background
"$XROOTBG_BIN" 3366cc || fail "cannot set the user's root background"
users=$(xprop -root _XROOTPMAP_ID)
printf '[Desktop]\r\nWallpaper=/home/someone/beach.jpg\r\nTileWallpaper=1\r\n' >"$store"
start_vimble -noslide -notransitions "$VIMBLE_SOURCE/samples"
wait_for_window
for _ in $(seq 50); do xdotool getwindowname "$WINDOW_ID" | grep -q aurora && break; sleep 0.1; done  # on show
xdotool windowfocus --sync "$WINDOW_ID"
xdotool key ctrl+w
for _ in $(seq 50); do [ "$(xprop -root _XROOTPMAP_ID)" != "$users" ] && break; sleep 0.1; done
[ "$(xprop -root _XROOTPMAP_ID)" != "$users" ] || fail "the root window did not get the program's background"
[ "$(head -c 2 "$VIMBLE_HOME/vimpaper.bmp")" = BM ] || fail "vimpaper.bmp is not a bitmap"
values=$(text_of "$store")
grep -qxF "Wallpaper=$VIMBLE_HOME/vimpaper.bmp" <<<"$values" || fail "the wallpaper is not the program's: $values"
grep -qxF "PrevWallpaper=$VIMBLE_HOME/desktop.bmp" <<<"$values" || fail "the user's wallpaper was not kept: $values"
[ "$(convert "$VIMBLE_HOME/desktop.bmp" -format '%[hex:p{5,5}]' info:)" = 3366CC ] ||
    fail "desktop.bmp is not the user's background"
grep -qxF "TileWallpaper=0" <<<"$values" || fail "centring did not stop tiling: $values"

xdotool key Escape
wait_for_exit
[ "$VIMBLE_EXIT" -eq 0 ] || fail "exit code $VIMBLE_EXIT"
echo "wallpaper_test passed"
