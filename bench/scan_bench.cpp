// The folder scan on a generated tree of 100,000 pictures in 1,000 folders, beside find(1)
// reading every file's time on the same tree (the physical limit of the scan), the time until
// a peek scan releases the window, the memory each entry takes, the ordering, and showing a
// list of pictures that all fail to load (the tree's files are empty).
#include "app/app_state.h"
#include "catalog/file_info.h"
#include "catalog/folder_scan.h"
#include "catalog/ordering.h"
#include "catalog/scan_job.h"
#include "running_program.h"

#include <benchmark/benchmark.h>
#include <cstdlib>
#include <filesystem>
#include <fstream>
#include <malloc.h>
#include <memory>

namespace {

constexpr int folders = 1000, picturesPerFolder = 100;

// Ten top folders of a hundred folders each; made once per run and removed at exit.
const std::string& tree() {
    static std::string root;
    if (root.empty()) {
        std::string pattern = (std::filesystem::temp_directory_path() / "vimble-bench-XXXXXX").string();
        root = mkdtemp(pattern.data());
        for (int folder = 0; folder < folders; ++folder) {
            const std::string path = root + "/f" + std::to_string(folder % 10) + "/g" + std::to_string(folder);
            std::filesystem::create_directories(path);
            for (int i = 0; i < picturesPerFolder; ++i)
                std::ofstream(path + "/IMG_" + std::to_string(i * 7919 % 10007) + ".jpg");
        }
        std::atexit([] { std::filesystem::remove_all(root); });
    }
    return root;
}

void scanHundredThousandPictures(benchmark::State& state) {
    const std::string& root = tree();
    size_t found = 0;
    for (auto _ : state) {
        ImageList list;
        scanFolders({root}, Settings(), list);
        found = list.size();
        benchmark::DoNotOptimize(list.data());
    }
    state.counters["pictures"] = double(found);
    state.counters["entriesPerSecond"] =
        benchmark::Counter(double(found), benchmark::Counter::kIsIterationInvariantRate);
}
BENCHMARK(scanHundredThousandPictures)->Unit(benchmark::kMillisecond)->UseRealTime();

// What find does with the same tree when it reads every file's modification time.
void findSameTree(benchmark::State& state) {
    const std::string command = "find '" + tree() + "' -type f -printf '%T@ %p\\n' >/dev/null";
    for (auto _ : state)
        if (std::system(command.c_str()) != 0) state.SkipWithError("find failed");
}
BENCHMARK(findSameTree)->Unit(benchmark::kMillisecond)->UseRealTime();

// From starting a peek scan to the first folder's pictures being in hand.
void peekRelease(benchmark::State& state) {
    const std::string& root = tree();
    for (auto _ : state) {
        auto job = std::make_unique<ScanJob>(std::vector<std::string>{root}, Settings(), [] {});
        job->waitForFirstBatch();
        state.PauseTiming();  // stopping the rest of the scan is not part of the release
        job.reset();
        state.ResumeTiming();
    }
}
BENCHMARK(peekRelease)->Unit(benchmark::kMillisecond)->UseRealTime();

// Heap bytes the scanned list holds per entry.
void memoryPerEntry(benchmark::State& state) {
    const std::string& root = tree();
    for (auto _ : state) {
        const size_t before = mallinfo2().uordblks;
        ImageList list;
        scanFolders({root}, Settings(), list);
        state.counters["bytesPerEntry"] = double(mallinfo2().uordblks - before) / double(list.size());
    }
}
BENCHMARK(memoryPerEntry)->Unit(benchmark::kMillisecond)->Iterations(1);

void orderHundredThousandByName(benchmark::State& state) {
    ImageList scanned;
    scanFolders({tree()}, Settings(), scanned);
    std::srand(1);
    shuffleList(scanned);
    for (auto _ : state) {
        ImageList list = scanned;
        uint32_t current = 0;
        orderList(list, current, "", SortOrder::Forward, SortKey::Name);
        benchmark::DoNotOptimize(list.data());
    }
}
BENCHMARK(orderHundredThousandByName)->Unit(benchmark::kMillisecond);

// From the first of n empty pictures to the one good picture after them: each empty one is
// tried, logged to errors.log and dropped, and the window answers its events between every
// thousand. The time per entry stays the same as n grows.
void showPastBrokenPictures(benchmark::State& state) {
    AppState& app = runningProgram();
    ImageList broken;
    scanFolders({tree()}, Settings(), broken);
    broken.resize(size_t(state.range(0)));
    for (auto _ : state) {
        state.PauseTiming();
        ImageList entries = broken;
        entries.push_back(entryFor(std::filesystem::current_path().string() + "/good.png"));
        app.catalog.setImages(std::move(entries));
        state.ResumeTiming();
        app.showCurrent(true);
        waitForShow(app);  // the pictures are decoded on the decoder's thread: the window answers meanwhile
        if (app.catalog.images().size() != 1) state.SkipWithError("the broken pictures stayed in the list");
    }
    state.SetComplexityN(state.range(0));
}
BENCHMARK(showPastBrokenPictures)
    ->Arg(10000)
    ->Arg(100000)
    ->Unit(benchmark::kMillisecond)
    ->Iterations(1)
    ->Complexity(benchmark::oN);

}  // namespace
