// Composing a frame: the canvas keeps its buffer for a window that keeps its size.
#include "display/canvas.h"
#include "display/picture.h"

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

// One scrolled frame of a 5120 x 2880 picture shown at 800 % (40,960 x 23,040) in a Full HD
// view, by interpolation (the argument is the quality's number): only the view's part is scaled.
static void zoomedViewFrame(benchmark::State& state) {
    QImage source(5120, 2880, QImage::Format_RGB32);
    for (int y = 0; y < source.height(); ++y)
        for (int x = 0; x < source.width(); ++x) source.setPixel(x, y, qRgb(x & 255, y & 255, (x ^ y) & 255));
    Picture picture;
    picture.loadBitmap(source);
    picture.interpolation = ZoomQuality(state.range(0));
    Canvas canvas;
    canvas.resize(1920, 1080);
    int32_t step = 0;
    for (auto _ : state) {
        picture.drawScaled(canvas.image(), 40960, 23040, -(19520 + (step++ % 50) * 7), -10980);
        benchmark::DoNotOptimize(canvas.image().constBits());
    }
}
BENCHMARK(zoomedViewFrame)
    ->Arg(int64_t(ZoomQuality::Bilinear))
    ->Arg(int64_t(ZoomQuality::Smooth))
    ->Arg(int64_t(ZoomQuality::Best))
    ->Unit(benchmark::kMillisecond)
    ->UseRealTime();
