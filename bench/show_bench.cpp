// From Next to the next picture on show in the running program (offscreen, fitted into its
// screen), for a 24-megapixel JPEG and a 4K PNG: decoded when Next comes, or ahead of it while
// the picture before is on show. Beside the JPEG's, djpeg decoding the same file at the scale the
// program decodes it at (the decoder's own limit): vsDjpeg is the ratio of the two times.
#include "app/app_state.h"
#include "bench_pictures.h"
#include "catalog/file_info.h"
#include "running_program.h"

#include <QCoreApplication>
#include <benchmark/benchmark.h>
#include <chrono>
#include <cmath>
#include <cstdlib>
#include <filesystem>

namespace {

using Clock = std::chrono::steady_clock;

// Milliseconds djpeg takes for the JPEG at path decoded at the scale the program asks for;
// 0 when djpeg is not installed.
double djpegMilliseconds(const AppState& app, const std::string& path, QSize own) {
    if (std::system("command -v djpeg >/dev/null") != 0) return 0;
    const Settings& s = app.settings;
    const QSize asked = largestFittedSize(own.width(), own.height(), app.screenRect.width(), app.screenRect.height(),
                                          s.zoom, s.fit(), s.rotation % 180 != 0);
    const int eighths = std::clamp(int(std::ceil(8.0 * asked.width() / own.width())), 1, 8);
    const std::string command = "djpeg -scale " + std::to_string(eighths) + "/8 -outfile /dev/null '" + path + "'";
    constexpr int runs = 5;
    const Clock::time_point start = Clock::now();
    for (int i = 0; i < runs; ++i)
        if (std::system(command.c_str()) != 0) return 0;
    return std::chrono::duration<double, std::milli>(Clock::now() - start).count() / runs;
}

// Two copies of the picture at source in the program's folder; the first is on show and Next
// brings the second. With ahead, the second is decoded ahead before Next; without, it is
// dropped from the cache first, so Next decodes it.
void showNext(benchmark::State& state, const std::string& source, QSize own, bool ahead, bool jpeg) {
    AppState& app = runningProgram();
    const std::string extension = std::filesystem::path(source).extension().string();
    const std::string first = std::filesystem::current_path().string() + "/show-a" + extension;
    const std::string second = std::filesystem::current_path().string() + "/show-b" + extension;
    for (const std::string& copy : {first, second})
        std::filesystem::copy_file(source, copy, std::filesystem::copy_options::overwrite_existing);
    double shownMilliseconds = 0;
    for (auto _ : state) {
        state.PauseTiming();
        app.catalog.setImages({entryFor(first), entryFor(second)});
        app.aheadCache.clear();
        app.showCurrent(true);
        waitForShow(app);
        while (app.aheadCache.size() == 0) QCoreApplication::processEvents(QEventLoop::WaitForMoreEvents);
        if (!ahead) app.aheadCache.clear();
        state.ResumeTiming();
        const Clock::time_point start = Clock::now();
        app.step(1, 0);
        waitForShow(app);
        shownMilliseconds += std::chrono::duration<double, std::milli>(Clock::now() - start).count();
        if (app.catalog.currentPath() != second) state.SkipWithError("the second picture is not on show");
    }
    if (!jpeg || state.iterations() == 0) return;
    if (const double djpeg = djpegMilliseconds(app, second, own); djpeg > 0)
        state.counters["vsDjpeg"] = shownMilliseconds / double(state.iterations()) / djpeg;
}

void showNextJpeg24Mp(benchmark::State& state) { showNext(state, jpeg24(), {6000, 4000}, false, true); }
BENCHMARK(showNextJpeg24Mp)->Unit(benchmark::kMillisecond)->UseRealTime();

void showNextJpeg24MpDecodedAhead(benchmark::State& state) { showNext(state, jpeg24(), {6000, 4000}, true, true); }
BENCHMARK(showNextJpeg24MpDecodedAhead)->Unit(benchmark::kMillisecond)->UseRealTime();

void showNextPng4k(benchmark::State& state) { showNext(state, png4k(), {3840, 2160}, false, false); }
BENCHMARK(showNextPng4k)->Unit(benchmark::kMillisecond)->UseRealTime();

void showNextPng4kDecodedAhead(benchmark::State& state) { showNext(state, png4k(), {3840, 2160}, true, false); }
BENCHMARK(showNextPng4kDecodedAhead)->Unit(benchmark::kMillisecond)->UseRealTime();

}  // namespace
