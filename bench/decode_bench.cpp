// From file to a fitted picture in a 1920 x 1080 canvas: a 24-megapixel JPEG and a 4K PNG,
// beside libjpeg-turbo's djpeg decoding the same JPEG in full and at a quarter (the physical
// limit of the decoder). Run one benchmark per process (--benchmark_filter) to read its own
// peak memory in peakMiB.
#include "bench_pictures.h"
#include "display/picture.h"
#include "display/resample.h"

#include <QImage>
#include <QPainter>
#include <benchmark/benchmark.h>
#include <cstdlib>
#include <sys/resource.h>

namespace {

constexpr int screenWidth = 1920, screenHeight = 1080;

double peakMiB() {
    rusage usage{};
    getrusage(RUSAGE_SELF, &usage);
    return double(usage.ru_maxrss) / 1024.0;
}

// Loads and draws the picture as the program shows it: fitted into the screen.
void showFitted(benchmark::State& state, const std::string& path, bool scaledDecoding) {
    QImage canvas(screenWidth, screenHeight, QImage::Format_RGB32);
    const Rect frame{0, 0, screenWidth, screenHeight};
    for (auto _ : state) {
        Picture picture;
        if (scaledDecoding)
            picture.load(path, [](int32_t w, int32_t h) {
                return largestFittedSize(w, h, screenWidth, screenHeight, 0, {true, true, false}, false);
            });
        else picture.load(path);
        picture.placeAndDraw(frame, canvas, 0, {true, true, false}, Anchor::Centered);
        benchmark::DoNotOptimize(canvas.bits());
    }
    state.counters["peakMiB"] = peakMiB();
}

void jpeg24MpFittedScaledDecode(benchmark::State& state) { showFitted(state, jpeg24(), true); }
BENCHMARK(jpeg24MpFittedScaledDecode)->Unit(benchmark::kMillisecond)->UseRealTime();

void jpeg24MpFittedFullDecode(benchmark::State& state) { showFitted(state, jpeg24(), false); }
BENCHMARK(jpeg24MpFittedFullDecode)->Unit(benchmark::kMillisecond)->UseRealTime();

void png4kFitted(benchmark::State& state) { showFitted(state, png4k(), true); }
BENCHMARK(png4kFitted)->Unit(benchmark::kMillisecond)->UseRealTime();

// djpeg as a separate process: its time includes starting it (about a millisecond).
void djpeg(benchmark::State& state, const char* scale) {
    if (std::system("command -v djpeg >/dev/null") != 0) {
        state.SkipWithError("djpeg is not installed (Debian package libjpeg-turbo-progs)");
        return;
    }
    const std::string command = std::string("djpeg ") + scale + " -outfile /dev/null '" + jpeg24() + "'";
    for (auto _ : state)
        if (std::system(command.c_str()) != 0) state.SkipWithError("djpeg failed");
}

void djpegFull(benchmark::State& state) { djpeg(state, ""); }
BENCHMARK(djpegFull)->Unit(benchmark::kMillisecond)->UseRealTime();

void djpegQuarter(benchmark::State& state) { djpeg(state, "-scale 1/4"); }
BENCHMARK(djpegQuarter)->Unit(benchmark::kMillisecond)->UseRealTime();

}  // namespace

namespace {
// The "Best" quality: a 12-megapixel picture drawn at 1600 x 1200.
void bicubicTwelveMegapixelsTo1600(benchmark::State& state) {
    const QImage source = photo(4000, 3000);
    for (auto _ : state) benchmark::DoNotOptimize(resampleBicubic(source, 1600, 1200).bits());
}
BENCHMARK(bicubicTwelveMegapixelsTo1600)->Unit(benchmark::kMillisecond)->UseRealTime();
}  // namespace
