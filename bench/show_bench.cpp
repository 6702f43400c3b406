// From Next to the next picture on show in the running program (offscreen, fitted into its
// screen), for a 24-megapixel JPEG and a 4K PNG: decoded when Next comes, or ahead of it while
// the picture before is on show. Beside the JPEG's, djpeg decoding the same file at the scale the
// program decodes it at (the decoder's own limit): vsDjpeg is the ratio of the two times.
#include "app/app_state.h"
#include "bench_pictures.h"
#include "catalog/file_info.h"
#include "platform/window_host.h"
#include "running_program.h"

#include <QCoreApplication>
#include <QTimer>
#include <algorithm>
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

// The window's answer while a picture that takes seconds is decoded: from a key posted to the
// window until it has been handled. worstMs is the longest of them.
void answerWhileDecoding(benchmark::State& state) {
    AppState& app = runningProgram();
    app.catalog.setImages({entryFor(slowJpeg())});
    app.showCurrent(true);
    double worst = 0;
    for (auto _ : state) {
        if (!app.showing()) state.SkipWithError("the slow picture was decoded before the measure ended");
        bool handled = false;
        const Clock::time_point start = Clock::now();
        app.mainWindow.post(Message{Msg::KeyDown, 0, 0, Qt::Key_Shift});
        QMetaObject::invokeMethod(
            qApp, [&handled] { handled = true; }, Qt::QueuedConnection);
        while (!handled) QCoreApplication::processEvents(QEventLoop::WaitForMoreEvents);
        worst = std::max(worst, std::chrono::duration<double, std::milli>(Clock::now() - start).count());
        state.PauseTiming();  // the next key comes later in the decode
        QTimer pause;
        pause.start(10);
        QCoreApplication::processEvents(QEventLoop::WaitForMoreEvents);
        state.ResumeTiming();
    }
    state.counters["worstMs"] = worst;
    // The slow picture is given up for a quick one.
    app.catalog.setImages({entryFor(std::filesystem::current_path().string() + "/good.png")});
    app.showCurrent(true);
    waitForShow(app);
}
BENCHMARK(answerWhileDecoding)->Iterations(200)->Unit(benchmark::kMillisecond)->UseRealTime();

void showNextJpeg24Mp(benchmark::State& state) { showNext(state, jpeg24(), {6000, 4000}, false, true); }
BENCHMARK(showNextJpeg24Mp)->Unit(benchmark::kMillisecond)->UseRealTime();

void showNextJpeg24MpDecodedAhead(benchmark::State& state) { showNext(state, jpeg24(), {6000, 4000}, true, true); }
BENCHMARK(showNextJpeg24MpDecodedAhead)->Unit(benchmark::kMillisecond)->UseRealTime();

void showNextPng4k(benchmark::State& state) { showNext(state, png4k(), {3840, 2160}, false, false); }
BENCHMARK(showNextPng4k)->Unit(benchmark::kMillisecond)->UseRealTime();

void showNextPng4kDecodedAhead(benchmark::State& state) { showNext(state, png4k(), {3840, 2160}, true, false); }
BENCHMARK(showNextPng4kDecodedAhead)->Unit(benchmark::kMillisecond)->UseRealTime();

}  // namespace
