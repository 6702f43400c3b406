#include "platform/folder_watch.h"
#include "temp_dir.h"

#include <atomic>
#include <chrono>
#include <filesystem>
#include <gtest/gtest.h>
#include <thread>

namespace {
// Waits (a second at most) for the count to pass the given one.
bool reportedAfter(const std::atomic<int>& reports, int before, int waitMs = 1000) {
    for (int i = 0; i < waitMs / 10 && reports <= before; ++i)
        std::this_thread::sleep_for(std::chrono::milliseconds(10));
    return reports > before;
}
}  // namespace

TEST(FolderWatch, NamesComingGoingOrRenamedAreReportedOnceAndRewritesAreNot) {
    TempDir dir;
    writeFile(dir.file("a.jpg"), "a");
    std::filesystem::create_directories(dir.file("sub"));
    std::atomic<int> reports = 0;
    FolderWatch watch(dir.path(), true, [&reports] { ++reports; });
    for (int i = 0; i < 5; ++i) writeFile(dir.file("new" + std::to_string(i) + ".jpg"), "n");  // one burst
    ASSERT_TRUE(reportedAfter(reports, 0));
    std::this_thread::sleep_for(std::chrono::milliseconds(250));
    EXPECT_EQ(reports, 1);
    writeFile(dir.file("a.jpg"), "rewritten");
    std::this_thread::sleep_for(std::chrono::milliseconds(250));
    EXPECT_EQ(reports, 1);
    std::filesystem::rename(dir.file("a.jpg"), dir.file("b.jpg"));
    EXPECT_TRUE(reportedAfter(reports, 1));
    // A folder made after the watch began is watched too.
    std::filesystem::create_directories(dir.file("sub/later"));
    ASSERT_TRUE(reportedAfter(reports, 2));
    std::this_thread::sleep_for(std::chrono::milliseconds(150));
    const int now = reports;
    writeFile(dir.file("sub/later/deep.jpg"), "d");
    EXPECT_TRUE(reportedAfter(reports, now));
}

TEST(FolderWatch, WithoutTheSubtreeOnlyTheFolderItselfCounts) {
    TempDir dir;
    std::filesystem::create_directories(dir.file("sub"));
    std::atomic<int> reports = 0;
    {
        FolderWatch watch(dir.path(), false, [&reports] { ++reports; });
        writeFile(dir.file("sub/x.jpg"), "x");
        EXPECT_FALSE(reportedAfter(reports, 0, 300));
    }
    FolderWatch missing(dir.file("nowhere"), true, [&reports] { ++reports; });  // nothing to watch, no harm
}
