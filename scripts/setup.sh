#!/usr/bin/env bash
# Installs the Debian packages Vimble needs when they are missing, then configures and builds
# into build/. Sourced by run.sh and test.sh; safe to run again (the build is incremental).
set -euo pipefail

VIMBLE_ROOT=$(cd "$(dirname "${BASH_SOURCE[0]}")/.." && pwd)
VIMBLE_BUILD="$VIMBLE_ROOT/build"

vimble_packages=(
    cmake g++ pkg-config make clang-format
    qt6-base-dev qt6-image-formats-plugins qt6-svg-dev libavif-dev libheif-dev libjxl-dev
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
