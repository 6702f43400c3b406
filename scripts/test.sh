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

vimble_start_xvfb 1280x1024

cd "$build"
DISPLAY="$VIMBLE_DISPLAY" ctest --output-on-failure -j "$(nproc)" "$@"
