// Composing a frame: the canvas keeps its buffer for a window that keeps its size.
#include "display/canvas.h"

#include <benchmark/benchmark.h>

static void composeFullHdFrame(benchmark::State& state) {
    Canvas canvas;
    for (auto _ : state) {
        canvas.resize(1920, 1080);
        canvas.image().fill(Qt::black);
        benchmark::DoNotOptimize(canvas.image().constBits());
    }
}
BENCHMARK(composeFullHdFrame);

static void composeAlternatingSizes(benchmark::State& state) {
    Canvas canvas;
    int i = 0;
    for (auto _ : state) {
        canvas.resize(1920 - (i++ & 1), 1080);
        canvas.image().fill(Qt::black);
        benchmark::DoNotOptimize(canvas.image().constBits());
    }
}
BENCHMARK(composeAlternatingSizes);
