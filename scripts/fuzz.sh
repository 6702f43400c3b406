#!/usr/bin/env bash
# Builds the settings-reader fuzz target with clang and runs it: scripts/fuzz.sh [SECONDS]
# (default 120). Crashes are written to build-fuzz/crashes/.
source "$(dirname "$0")/setup.sh"
vimble_install_missing "${vimble_packages[@]}" clang libclang-rt-14-dev
fuzz_build="$VIMBLE_ROOT/build-fuzz"
cmake -S "$VIMBLE_ROOT" -B "$fuzz_build" -DCMAKE_CXX_COMPILER=clang++ -DVIMBLE_FUZZ=ON -DVIMBLE_TESTS=OFF \
      -DVIMBLE_BENCH=OFF >/dev/null
cmake --build "$fuzz_build" --target settings_fuzz -j "$(nproc)"
mkdir -p "$fuzz_build/corpus" "$fuzz_build/crashes"
cp -n "$VIMBLE_ROOT"/tests/fuzz/corpus/* "$fuzz_build/corpus/" 2>/dev/null || true
"$fuzz_build/tests/fuzz/settings_fuzz" -max_total_time="${1:-120}" -max_len=8192 \
    -artifact_prefix="$fuzz_build/crashes/" "$fuzz_build/corpus"
