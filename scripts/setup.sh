#!/usr/bin/env bash
# Installs the Debian packages Vimble needs when they are missing, then configures and builds
# into build/. Sourced by run.sh and test.sh; safe to run again (the build is incremental).
set -euo pipefail

VIMBLE_ROOT=$(cd "$(dirname "${BASH_SOURCE[0]}")/.." && pwd)
VIMBLE_BUILD="$VIMBLE_ROOT/build"

vimble_packages=(
    cmake g++ pkg-config make clang-format
    qt6-base-dev qt6-image-formats-plugins qt6-svg-dev libjpeg-dev libavif-dev libheif-dev libjxl-dev
    libxcb1-dev libxcb-keysyms1-dev libxcb-screensaver0-dev libx11-dev libx11-xcb-dev
    libgtest-dev libgmock-dev libbenchmark-dev
    xvfb xdotool x11-utils imagemagick openbox python3 gdk-pixbuf-tests desktop-file-utils appstream
    libavif-bin libheif-examples libjxl-tools gnome-backgrounds
    libglib2.0-bin gsettings-desktop-schemas dbus-daemon xfconf
)

vimble_install_missing() {
    local missing=()
    for p in "$@"; do
        dpkg-query -W -f='${Status}' "$p" 2>/dev/null | grep -q 'install ok installed' || missing+=("$p")
    done
    [ ${#missing[@]} -eq 0 ] && return 0
    echo "Installing missing packages: ${missing[*]}"
    local sudo=""
    [ "$(id -u)" -ne 0 ] && sudo="sudo"
    $sudo apt-get update -qq
    DEBIAN_FRONTEND=noninteractive $sudo apt-get install -y -qq --no-install-recommends "${missing[@]}"
}

vimble_build() {
    vimble_install_missing "${vimble_packages[@]}"
    if [ ! -f "$VIMBLE_BUILD/CMakeCache.txt" ]; then
        cmake -S "$VIMBLE_ROOT" -B "$VIMBLE_BUILD" -DCMAKE_BUILD_TYPE=RelWithDebInfo
    fi
    cmake --build "$VIMBLE_BUILD" -j "$(nproc)"
}

# Starts a private Xvfb server with a screen of the given size (WIDTHxHEIGHT) on a free display
# number (no lock file and no socket), ended when the script ends; VIMBLE_DISPLAY names it.
# Another run may take the same number at the same moment, and a busy machine starts Xvfb
# slowly: the next number is tried when the server ends, and it is given 30 seconds.
vimble_start_xvfb() {
    local display=99
    xvfb_pid=""
    trap '[ -n "$xvfb_pid" ] && kill "$xvfb_pid" 2>/dev/null; wait 2>/dev/null' EXIT
    for _ in $(seq 10); do
        while [ -e "/tmp/.X$display-lock" ] || [ -e "/tmp/.X11-unix/X$display" ]; do display=$((display + 1)); done
        Xvfb ":$display" -screen 0 "$1x24" -nolisten tcp >/dev/null 2>&1 &
        xvfb_pid=$!
        for _ in $(seq 300); do
            DISPLAY=":$display" xdpyinfo >/dev/null 2>&1 && break 2
            kill -0 "$xvfb_pid" 2>/dev/null || break
            sleep 0.1
        done
        kill "$xvfb_pid" 2>/dev/null
        display=$((display + 1))
    done
    DISPLAY=":$display" xdpyinfo >/dev/null 2>&1 || { echo "Xvfb did not start" >&2; exit 1; }
    VIMBLE_DISPLAY=":$display"
}
