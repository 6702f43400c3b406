#!/usr/bin/env bash
# Builds Vimble when needed and runs the benchmarks, then Vimble beside feh on a private X server
# of 1920 x 1080 (bench/against_feh.py).
#   scripts/bench.sh ARGS...        only the benchmarks; the arguments go to Google Benchmark
#                                   (for example --benchmark_filter=showNext)
#   scripts/bench.sh --against-feh  only Vimble beside feh
source "$(dirname "$0")/setup.sh"
# djpeg: the decoder's own speed for comparison; feh: another viewer, the yardstick of the
# comparison; xset: the same key repeat for both.
vimble_install_missing libjpeg-turbo-progs feh x11-xserver-utils >&2
vimble_build >&2
if [ "${1:-}" != --against-feh ]; then
    "$VIMBLE_BUILD/bench/vimble_bench" "$@"
    [ $# -eq 0 ] || exit 0
fi
vimble_start_xvfb 1920x1080
DISPLAY="$VIMBLE_DISPLAY" python3 "$VIMBLE_ROOT/bench/against_feh.py" "$VIMBLE_BUILD/vimble"
