#!/usr/bin/env bash
# Builds one fuzz target with clang and libFuzzer in build-fuzz/ and runs it:
#   scripts/fuzz.sh settings|shell_link|picture|resample|switches [SECONDS]   (default 120 seconds)
# A crash, a hang (30 s for one input: the targets run slowly under their sanitizers) or an allocation above the picture memory limit stops the
# run; the input is written to build-fuzz/crashes/TARGET/. Keep it under tests/data/fuzz/TARGET/,
# where the unit tests run it.
source "$(dirname "$0")/setup.sh"
target=${1:-settings}
case "$target" in settings | shell_link | picture | resample | switches) ;;
*) echo "unknown fuzz target: $target" >&2; exit 2 ;;
esac
vimble_install_missing "${vimble_packages[@]}" clang libclang-rt-14-dev
fuzz_build="$VIMBLE_ROOT/build-fuzz"
cmake -S "$VIMBLE_ROOT" -B "$fuzz_build" -DCMAKE_C_COMPILER=clang -DCMAKE_CXX_COMPILER=clang++ -DVIMBLE_FUZZ=ON \
      -DVIMBLE_TESTS=OFF -DVIMBLE_BENCH=OFF >/dev/null
cmake --build "$fuzz_build" --target "${target}_fuzz" -j "$(nproc)"
corpus="$fuzz_build/corpus/$target"
mkdir -p "$corpus" "$fuzz_build/crashes/$target"
cp -n "$VIMBLE_ROOT/tests/fuzz/corpus/$target"/* "$VIMBLE_ROOT/tests/data/fuzz/$target"/* "$corpus/" 2>/dev/null || true

# Seeds made here rather than kept as binaries: small pictures of every format (behind the two
# bytes that choose the shown size and the turn), and a few command lines.
seed() { printf '\003\001' >"$corpus/seed-$1"; cat "$2" >>"$corpus/seed-$1"; }
if [ "$target" = picture ] && ! ls "$corpus"/seed-* >/dev/null 2>&1; then
    scratch=$(mktemp -d)
    for format in png gif bmp jpg; do
        /usr/bin/convert -size 37x23 gradient:navy-orange "$scratch/a.$format" && seed "$format" "$scratch/a.$format"
    done
    /usr/bin/convert -size 37x23 gradient:red-blue -interlace JPEG "$scratch/p.jpg" && seed progressive "$scratch/p.jpg"
    /usr/bin/convert -size 9x7 xc:red xc:blue -loop 0 "$scratch/anim.gif" && seed anim "$scratch/anim.gif"
    /usr/bin/convert -size 9x7 xc:red -define png:color-type=3 "$scratch/i.png" && seed indexed "$scratch/i.png"
    rm -rf "$scratch"
fi
if [ "$target" = switches ] && ! ls "$corpus"/seed-* >/dev/null 2>&1; then
    printf -- '-slide\0-z250\0-t5000\0-preset3\0-b128\0-r90' >"$corpus/seed-1"
    printf -- '-nowrap\0-zoomquality\0-z-5\0-t99999999999' >"$corpus/seed-2"
fi
[ "$target" = resample ] && [ -z "$(ls "$corpus")" ] && head -c 4096 /dev/urandom >"$corpus/seed-random"

# Qt's warnings about damaged pictures would fill the output.
QT_LOGGING_RULES="qt.gui.imageio*=false" "$fuzz_build/tests/fuzz/${target}_fuzz" -max_total_time="${2:-120}" -max_len=65536 -timeout=30 \
    -rss_limit_mb=3072 -malloc_limit_mb=1100 -artifact_prefix="$fuzz_build/crashes/$target/" "$corpus"
