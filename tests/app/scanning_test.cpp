#include "app_fixture.h"
#include "catalog/folder_scan.h"
#include "catalog/ordering.h"

#include <algorithm>

using Scanning = AppFixture;

namespace {
std::vector<std::string> sortedPaths(const ImageList& list) {
    std::vector<std::string> paths;
    for (const ImageEntry& e : list) paths.push_back(e.path);
    std::sort(paths.begin(), paths.end());
    return paths;
}
}  // namespace

TEST_F(Scanning, StartUpListsThePicturesOfTheFolderItStartsIn) {
    AppState& app = startApp();
    ASSERT_EQ(app.catalog.images().size(), 1u);
    EXPECT_EQ(app.catalog.images()[0].path, home.file("start.png"));
}

TEST_F(Scanning, APeekScanReturnsAfterTheFirstFolderAndHandsOverTheRestInOrder) {
    AppState& app = startApp();
    const std::string root = home.file("tree");
    for (int level = 0; level < 30; ++level) {
        std::string folder = root;
        for (int i = 0; i < level; ++i) folder += "/d" + std::to_string(i);
        for (int i = 0; i < 20; ++i) savePicture(folder + "/p" + std::to_string(i) + ".png", 2, 2);
    }
    ASSERT_TRUE(app.catalog.startScan(root, true));
    EXPECT_GE(app.catalog.images().size(), 20u);
    EXPECT_TRUE(std::is_sorted(app.catalog.images().begin(), app.catalog.images().end(), comesBeforeByName));
    EXPECT_TRUE(waitUntil([&] { return !app.catalog.scanRunning(); }));
    ImageList expected;
    scanFolders({root}, app.settings, expected);
    EXPECT_EQ(sortedPaths(app.catalog.images()), sortedPaths(expected));
    EXPECT_EQ(app.catalog.images().size(), 600u);
    EXPECT_TRUE(std::is_sorted(app.catalog.images().begin(), app.catalog.images().end(), comesBeforeByName));
}

TEST_F(Scanning, AFolderWithoutPicturesSaysSoAndLeavesTheListEmpty) {
    AppState& app = startApp();
    std::filesystem::create_directory(home.file("empty"));
    answerMessages();
    for (bool peek : {false, true}) {
        messageText.clear();
        EXPECT_FALSE(app.catalog.startScan(home.file("empty"), peek));
        EXPECT_EQ(messageText, "No images in " + home.file("empty"));
        EXPECT_TRUE(app.catalog.images().empty());
        EXPECT_FALSE(app.catalog.scanRunning());
    }
}

TEST_F(Scanning, RefreshAndTheSortCommandsKeepThePictureOnShow) {
    AppState& app = startApp();
    for (const char* name : {"b.png", "A.png", "c.png", "sub/d.png"}) savePicture(home.file(name), 2, 2);
    send(Msg::Command, Command::Refresh);
    ASSERT_EQ(app.catalog.images().size(), 5u);
    EXPECT_EQ(app.catalog.images()[0].path, home.file("A.png"));
    app.catalog.setCurrentPath(home.file("c.png"));
    for (Command command : {Command::SortReverse, Command::SortRandom, Command::SortRandom, Command::SortForward,
                            Command::SortByModified}) {
        send(Msg::Command, command);
        EXPECT_EQ(app.catalog.images()[app.catalog.index()].path, home.file("c.png")) << int(command);
    }
    send(Msg::Command, Command::Subfolders);  // no subfolders
    EXPECT_EQ(app.catalog.images().size(), 4u);
    answerMessages();
    send(Msg::Command, Command::FormatPng);  // no PNG: nothing left
    EXPECT_TRUE(app.catalog.images().empty());
    EXPECT_EQ(messageText, "No images in " + home.path());
}

TEST_F(Scanning, RemovingTheLastEntryWrapsToTheFirst) {
    AppState& app = startApp();
    savePicture(home.file("z.png"), 2, 2);
    send(Msg::Command, Command::Refresh);
    ASSERT_EQ(app.catalog.images().size(), 2u);
    app.catalog.setIndex(1);
    app.catalog.removeCurrent();
    EXPECT_EQ(app.catalog.index(), 0u);
    app.catalog.removeCurrent();
    EXPECT_TRUE(app.catalog.images().empty());
    EXPECT_EQ(app.catalog.index(), 0u);
}
