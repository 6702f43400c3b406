#!/usr/bin/env bash
# Builds Vimble when needed and runs every test: unit, app (Qt offscreen) and end-to-end on a
# private Xvfb server. Exits non-zero on any failure.
#   scripts/test.sh --tsan   builds the unit tests with ThreadSanitizer in build-tsan/ and runs them
#   scripts/test.sh --asan   builds everything with AddressSanitizer and UndefinedBehaviorSanitizer in
#                            build-asan/ and runs every test there; any report, leaks included, fails
source "$(dirname "$0")/setup.sh"

if [ "${1:-}" = --tsan ]; then
    shift
    vimble_install_missing "${vimble_packages[@]}"
    cmake -S "$VIMBLE_ROOT" -B "$VIMBLE_ROOT/build-tsan" -DVIMBLE_TSAN=ON -DVIMBLE_BENCH=OFF >/dev/null
    cmake --build "$VIMBLE_ROOT/build-tsan" --target vimble_unit_tests -j "$(nproc)"
    cd "$VIMBLE_ROOT/build-tsan"
    TSAN_OPTIONS="halt_on_error=1 suppressions=$VIMBLE_ROOT/tests/tsan.supp" exec ctest -L unit --output-on-failure -j "$(nproc)" "$@"
fi

build="$VIMBLE_BUILD"
if [ "${1:-}" = --asan ]; then
    shift
    build="$VIMBLE_ROOT/build-asan"
    vimble_install_missing "${vimble_packages[@]}"
    cmake -S "$VIMBLE_ROOT" -B "$build" -DCMAKE_BUILD_TYPE=RelWithDebInfo -DVIMBLE_ASAN=ON -DVIMBLE_BENCH=OFF >/dev/null
    cmake --build "$build" -j "$(nproc)"
    export ASAN_OPTIONS="detect_leaks=1:abort_on_error=0:halt_on_error=1"
    export UBSAN_OPTIONS="print_stacktrace=1:halt_on_error=1"
    export LSAN_OPTIONS="suppressions=$VIMBLE_ROOT/tests/lsan.supp:print_suppressions=0"
else
    vimble_build
fi

# A free display number: no lock file and no socket. Another run may take the same number at
# the same moment, and a busy machine starts Xvfb slowly: the next number is tried when the
# server ends, and it is given 30 seconds.
display=99
xvfb_pid=""
trap '[ -n "$xvfb_pid" ] && kill "$xvfb_pid" 2>/dev/null; wait 2>/dev/null' EXIT
for _ in $(seq 10); do
    while [ -e "/tmp/.X$display-lock" ] || [ -e "/tmp/.X11-unix/X$display" ]; do display=$((display + 1)); done
    Xvfb ":$display" -screen 0 1280x1024x24 -nolisten tcp >/dev/null 2>&1 &
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

cd "$build"
DISPLAY=":$display" ctest --output-on-failure -j "$(nproc)" "$@"
