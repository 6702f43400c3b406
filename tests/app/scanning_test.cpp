#include "app_fixture.h"
#include "catalog/folder_scan.h"
#include "catalog/ordering.h"

using Scanning = AppFixture;

TEST_F(Scanning, APeekScanReturnsAfterTheFirstFolderAndHandsOverTheRestInOrder) {
    AppState& app = startApp();
    const std::string root = home.file("tree");
    std::string folder = root;
    for (int level = 0; level < 30; folder += "/d" + std::to_string(level++))
        for (int i = 0; i < 20; ++i) savePicture(folder + "/p" + std::to_string(i) + ".png", 2, 2);
    ASSERT_TRUE(app.catalog.startScan(root, true));
    EXPECT_GE(app.catalog.images().size(), 20u);
    EXPECT_TRUE(std::is_sorted(app.catalog.images().begin(), app.catalog.images().end(), comesBeforeByName));
    EXPECT_TRUE(waitUntil([&] { return !app.catalog.scanRunning(); }));
    ImageList expected;
    scanFolders({root}, app.settings, expected);
    std::sort(expected.begin(), expected.end(), comesBeforeByName);
    ASSERT_EQ(app.catalog.images().size(), 600u);
    EXPECT_TRUE(std::equal(expected.begin(), expected.end(), app.catalog.images().begin(),
                           [](const ImageEntry& a, const ImageEntry& b) { return a.path == b.path; }));
}

TEST_F(Scanning, RefreshAndTheSortCommandsKeepThePictureOnShow) {
    AppState& app = startApp();
    for (const char* name : {"b.png", "A.png", "c.png", "sub/d.png"}) savePicture(home.file(name), 2, 2);
    command(Command::Refresh);
    ASSERT_EQ(app.catalog.images().size(), 5u);
    EXPECT_EQ(app.catalog.images()[0].path, home.file("A.png"));
    app.catalog.setCurrentPath(home.file("c.png"));
    for (Command id : {Command::SortReverse, Command::SortRandom, Command::SortRandom, Command::SortForward,
                       Command::SortByModified}) {
        command(id);
        EXPECT_EQ(app.catalog.images()[app.catalog.index()].path, home.file("c.png")) << int(id);
    }
}
