# A picture that takes many seconds to decode does not hold the window: Esc and the close
# request end the program at once while it is being decoded, with exit code 0.
source "$(dirname "$0")/lib.sh"
start_window_manager

pictures="$E2E_HOME/pictures"
mkdir -p "$pictures"
# A progressive JPEG whose first scan (the DC of every block of 64 megapixels) comes 90 times
# more: each one is a pass over the whole picture, which takes many seconds in all even when it is
# decoded at an eighth of its size.
/usr/bin/convert -size 8192x8192 gradient:red-blue -sampling-factor 1x1 -interlace JPEG "$E2E_HOME/progressive.jpg"
python3 - "$E2E_HOME/progressive.jpg" "$pictures/slow.jpg" <<'EOF'
import struct, sys
jpeg = open(sys.argv[1], "rb").read()
at, table, first = 2, None, None
while first is None:
    marker, length = jpeg[at + 1], struct.unpack(">H", jpeg[at + 2:at + 4])[0]
    end = at + 2 + length
    if marker == 0xDA:
        while not (jpeg[end] == 0xFF and jpeg[end + 1] != 0 and not 0xD0 <= jpeg[end + 1] <= 0xD7):
            end += 1
        first = jpeg[table if table is not None else at:end]
    table = at if marker == 0xC4 else None
    at = end
open(sys.argv[2], "wb").write(jpeg[:-2] + first * 90 + b"\xff\xd9")
EOF

# Asks the program to end by the entry while the picture is being decoded; it must be gone
# within a few seconds, long before the decode could end.
end_while_decoding() {
    start_vimble -noslide -notransitions "$pictures/slow.jpg"
    wait_for_window
    sleep 0.5  # the decode has begun: the window is mapped before the first picture is asked for
    case $1 in
    Esc) xdotool windowactivate --sync "$WINDOW_ID" key Escape ;;
    close) "$XCLOSE_BIN" "$WINDOW_ID" ;;
    esac
    exits_cleanly 3 "$1 while decoding, the program"
}

end_while_decoding Esc
end_while_decoding close
echo "slow_picture_test passed"
