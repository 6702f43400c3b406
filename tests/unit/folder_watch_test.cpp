#include "platform/folder_watch.h"
#include "temp_dir.h"

#include <atomic>
#include <chrono>
#include <cstdio>
#include <filesystem>
#include <gtest/gtest.h>
#include <thread>

namespace {
using namespace std::chrono_literals;

// Waits (a second at most) for the count to pass the given one.
bool reportedAfter(const std::atomic<int>& reports, int before, int waitMs = 1000) {
    for (int i = 0; i < waitMs / 10 && reports <= before; ++i) std::this_thread::sleep_for(10ms);
    return reports > before;
}

bool isPicture(const std::string& path) { return path.ends_with(".jpg"); }
}  // namespace

TEST(FolderWatch, NamesComingGoingOrRenamedAreReportedOnceAFileIsComplete) {
    TempDir dir;
    writeFile(dir.file("a.jpg"), "a");
    std::filesystem::create_directories(dir.file("sub"));
    std::atomic<int> reports = 0;
    const auto count = [&reports] { ++reports; };
    FolderWatch watch(dir.path(), true, count, isPicture);
    for (int i = 0; i < 5; ++i) writeFile(dir.file("new" + std::to_string(i) + ".jpg"), "n");  // one burst
    ASSERT_TRUE(reportedAfter(reports, 0));
    std::this_thread::sleep_for(250ms);
    EXPECT_EQ(reports, 1);

    // A picture being written counts when it is closed, not when it appears.
    FILE* slow = std::fopen(dir.file("slow.jpg").c_str(), "w");
    std::fputs("half", slow);
    std::fflush(slow);
    EXPECT_FALSE(reportedAfter(reports, 1, 300));
    std::fclose(slow);
    ASSERT_TRUE(reportedAfter(reports, 1));
    std::this_thread::sleep_for(150ms);

    // Rewriting a picture counts; writing a log beside it does not.
    writeFile(dir.file("notes.log"), "line");
    EXPECT_FALSE(reportedAfter(reports, 2, 300));
    writeFile(dir.file("a.jpg"), "rewritten");
    ASSERT_TRUE(reportedAfter(reports, 2));
    std::this_thread::sleep_for(150ms);

    std::filesystem::rename(dir.file("a.jpg"), dir.file("b.jpg"));
    ASSERT_TRUE(reportedAfter(reports, 3));
    // A folder made after the watch began is watched too.
    std::filesystem::create_directories(dir.file("sub/later"));
    ASSERT_TRUE(reportedAfter(reports, 4));
    std::this_thread::sleep_for(150ms);
    const int now = reports;
    writeFile(dir.file("sub/later/deep.jpg"), "d");
    EXPECT_TRUE(reportedAfter(reports, now));
}

TEST(FolderWatch, WithoutTheSubtreeOnlyTheFolderCountsAndChangesThatGoOnAreReportedWhileTheyLast) {
    TempDir dir;
    std::filesystem::create_directories(dir.file("sub"));
    std::atomic<int> reports = 0;
    const auto count = [&reports] { ++reports; };
    FolderWatch watch(dir.path(), false, count, isPicture);
    writeFile(dir.file("sub/x.jpg"), "x");
    EXPECT_FALSE(reportedAfter(reports, 0, 300));
    // A camera writing a picture every 50 ms for two seconds: never 100 ms of quiet.
    for (int i = 0; i < 40; ++i) {
        writeFile(dir.file("shot" + std::to_string(i) + ".jpg"), "x");
        std::this_thread::sleep_for(50ms);
    }
    EXPECT_GE(reports, 1);
    FolderWatch missing(dir.file("nowhere"), true, count, isPicture);  // nothing to watch, no harm
}
