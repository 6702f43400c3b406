#include "catalog/scan_job.h"
#include "catalog/folder_scan.h"
#include "temp_dir.h"

#include <atomic>
#include <filesystem>
#include <gtest/gtest.h>

namespace {
void makeTree(const std::string& root, int levels, int perFolder) {
    std::string folder = root;
    for (int level = 0; level < levels; ++level, folder += "/d" + std::to_string(level)) {
        std::filesystem::create_directories(folder);
        for (int i = 0; i < perFolder; ++i) writeFile(folder + "/p" + std::to_string(i) + ".jpg", "x");
    }
}
}  // namespace

TEST(ScanJob, AnEmptyTreeEndsTheWaitAndStoppingMidwayIsClean) {
    TempDir dir;
    std::filesystem::create_directory(dir.file("empty"));
    {
        ScanJob job({dir.file("empty")}, Settings(), [] {});
        job.waitForFirstBatch();
        ImageList list;
        while (!job.takeBatch(list)) {
        }
        EXPECT_TRUE(list.empty());
    }
    makeTree(dir.file("big"), 200, 5);
    ScanJob stopped({dir.file("big")}, Settings(), [] {});
    stopped.waitForFirstBatch();
    // Destroying the job stops the thread at the next folder and joins it.
}
