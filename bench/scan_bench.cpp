// The folder scan and the ordering on a generated tree of 20,000 pictures in 200 folders.
#include "catalog/folder_scan.h"
#include "catalog/ordering.h"

#include <benchmark/benchmark.h>
#include <cstdlib>
#include <filesystem>
#include <fstream>

namespace {

const std::string& tree() {
    static const std::string root = [] {
        std::string pattern = (std::filesystem::temp_directory_path() / "vimble-bench-XXXXXX").string();
        const std::string made = mkdtemp(pattern.data());
        for (int folder = 0; folder < 200; ++folder) {
            const std::string path = made + "/f" + std::to_string(folder % 20) + "/g" + std::to_string(folder);
            std::filesystem::create_directories(path);
            for (int i = 0; i < 100; ++i) std::ofstream(path + "/IMG_" + std::to_string(i * 7919 % 10007) + ".jpg");
        }
        std::atexit([] { std::filesystem::remove_all(root); });
        return made;
    }();
    return root;
}

void scanTwentyThousandPictures(benchmark::State& state) {
    const std::string& root = tree();
    for (auto _ : state) {
        ImageList list;
        scanFolders({root}, Settings(), list);
        benchmark::DoNotOptimize(list.data());
        state.counters["pictures"] = double(list.size());
    }
}
BENCHMARK(scanTwentyThousandPictures)->Unit(benchmark::kMillisecond);

void orderTwentyThousandByName(benchmark::State& state) {
    ImageList scanned;
    scanFolders({tree()}, Settings(), scanned);
    std::srand(1);
    shuffleList(scanned);
    for (auto _ : state) {
        ImageList list = scanned;
        uint32_t current = 0;
        orderList(list, current, "", 0, 0);
        benchmark::DoNotOptimize(list.data());
    }
}
BENCHMARK(orderTwentyThousandByName)->Unit(benchmark::kMillisecond);

}  // namespace
