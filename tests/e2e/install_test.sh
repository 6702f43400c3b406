# cmake --install gives a program that the desktop's menu and file manager offer, and that keeps
# its files in the user's XDG folders.
source "$(dirname "$0")/lib.sh"
prefix="$E2E_HOME/prefix"
build=$(dirname "$VIMBLE_BIN")
cmake --install "$build" --prefix "$prefix" >/dev/null || fail "cmake --install failed"

for file in bin/vimble share/vimble/Vimble.txt share/man/man1/vimble.1 share/applications/vimble.desktop \
            share/metainfo/vimble.metainfo.xml share/icons/hicolor/scalable/apps/vimble.svg; do
    [ -f "$prefix/$file" ] || fail "$file was not installed"
done
for size in 16 22 24 32 48 64 128 256 512; do
    [ "$(identify -format '%wx%h' "$prefix/share/icons/hicolor/${size}x$size/apps/vimble.png")" = "${size}x$size" ] ||
        fail "no $size px icon"
done
desktop-file-validate "$prefix/share/applications/vimble.desktop" || fail "the desktop file does not validate"
appstreamcli validate --no-net "$prefix/share/metainfo/vimble.metainfo.xml" >/dev/null ||
    fail "the metainfo does not validate: $(appstreamcli validate --no-net "$prefix/share/metainfo/vimble.metainfo.xml")"
types=$(sed -n 's/^MimeType=//p' "$prefix/share/applications/vimble.desktop")
for type in image/jpeg image/png image/gif image/webp image/avif image/heic image/jxl image/svg+xml; do
    grep -q "\(^\|;\)$type;" <<<"$types" || fail "the desktop file does not offer $type"
done
man -l "$prefix/share/man/man1/vimble.1" 2>/dev/null | grep -q -- '-noslide' || fail "the manual lists no switches"
man -l "$prefix/share/man/man1/vimble.1" 2>/dev/null | grep -q 'Slideshow > Timer' || fail "the manual lists no keys"

# Installed, it keeps its settings in XDG_CONFIG_HOME and its state in XDG_STATE_HOME, although
# root could write the prefix.
unset VIMBLE_HOME
export XDG_CONFIG_HOME="$E2E_HOME/config" XDG_STATE_HOME="$E2E_HOME/state"
VIMBLE_BIN="$prefix/bin/vimble"
start_window_manager
start_vimble -noslide "$VIMBLE_SOURCE/samples"
wait_for_window
"$XCLOSE_BIN" "$WINDOW_ID"
exits_cleanly
[ -f "$XDG_CONFIG_HOME/vimble/vimble.ini" ] || fail "no settings in XDG_CONFIG_HOME"
[ -d "$XDG_STATE_HOME/vimble" ] || fail "no state folder in XDG_STATE_HOME"
[ ! -e "$prefix/bin/vimble.ini" ] || fail "the installed program wrote its settings into the prefix"
echo "install_test passed"
