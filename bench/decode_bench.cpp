// From file to a fitted picture in a 1920 x 1080 canvas: a 24-megapixel JPEG and a 4K PNG,
// beside libjpeg-turbo's djpeg decoding the same JPEG in full and at a quarter (the physical
// limit of the decoder). Run one benchmark per process (--benchmark_filter) to read its own
// peak memory in peakMiB.
#include "display/picture.h"
#include "display/resample.h"

#include <QImage>
#include <QPainter>
#include <benchmark/benchmark.h>
#include <cstdlib>
#include <filesystem>
#include <map>
#include <random>
#include <sys/resource.h>

namespace {

constexpr int screenWidth = 1920, screenHeight = 1080;

// A photo-like picture: smooth gradients with fine noise, which JPEG cannot squeeze away.
QImage photo(int w, int h) {
    QImage image(w, h, QImage::Format_RGB32);
    std::mt19937 noise(7);
    for (int y = 0; y < h; ++y) {
        auto* line = reinterpret_cast<QRgb*>(image.scanLine(y));
        for (int x = 0; x < w; ++x) {
            const int n = int(noise() % 24);
            line[x] = qRgb((x * 255 / w + n) & 255, (y * 255 / h + n) & 255, ((x + y) * 255 / (w + h) + n) & 255);
        }
    }
    return image;
}

const std::string& file(const char* name, int w, int h, const char* format) {
    static std::map<std::string, std::string> made;
    std::string& path = made[name];
    if (path.empty()) {
        path = (std::filesystem::temp_directory_path() / name).string();
        if (!std::filesystem::exists(path)) photo(w, h).save(QString::fromStdString(path), format, 90);
    }
    return path;
}

const std::string& jpeg24() { return file("vimble-bench-6000x4000.jpg", 6000, 4000, "JPEG"); }
const std::string& png4k() { return file("vimble-bench-3840x2160.png", 3840, 2160, "PNG"); }

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
