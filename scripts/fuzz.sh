#!/usr/bin/env bash
# Builds a file-reader fuzz target with clang and runs it:
#   scripts/fuzz.sh [settings|shell_link] [SECONDS]    (default: settings, 120 seconds)
# Crashes are written to build-fuzz/crashes/.
source "$(dirname "$0")/setup.sh"
target=${1:-settings}
case "$target" in settings | shell_link) ;; *) echo "unknown fuzz target: $target" >&2; exit 2 ;; esac
vimble_install_missing "${vimble_packages[@]}" clang libclang-rt-14-dev
fuzz_build="$VIMBLE_ROOT/build-fuzz"
cmake -S "$VIMBLE_ROOT" -B "$fuzz_build" -DCMAKE_CXX_COMPILER=clang++ -DVIMBLE_FUZZ=ON -DVIMBLE_TESTS=OFF \
      -DVIMBLE_BENCH=OFF >/dev/null
cmake --build "$fuzz_build" --target "${target}_fuzz" -j "$(nproc)"
corpus="$fuzz_build/corpus/$target"
mkdir -p "$corpus" "$fuzz_build/crashes"
cp -n "$VIMBLE_ROOT/tests/fuzz/corpus/$target"/* "$corpus/" 2>/dev/null || true
"$fuzz_build/tests/fuzz/${target}_fuzz" -max_total_time="${2:-120}" -max_len=8192 \
    -artifact_prefix="$fuzz_build/crashes/" "$corpus"
