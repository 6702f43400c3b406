#!/usr/bin/env bash
# Builds Vimble when needed and runs the benchmarks; arguments go to Google Benchmark
# (for example --benchmark_filter=compose).
source "$(dirname "$0")/setup.sh"
vimble_install_missing libjpeg-turbo-progs >&2  # djpeg, the decoder's own speed for comparison
vimble_build >&2
exec "$VIMBLE_BUILD/bench/vimble_bench" "$@"
