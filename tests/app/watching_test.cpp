#include "app_fixture.h"

using Watching = AppFixture;

TEST_F(Watching, ADroppedPictureBringsItsFolderAndSeveralItemsBringExactlyThemselves) {
    AppState& app = startApp();
    for (const char* name : {"b.png", "a.png", "c.png"}) savePicture(home.file("far/" + std::string(name)), 3, 3);
    savePicture(home.file("more/x.png"), 3, 3);
    writeFile(home.file("notes.txt"), "not a picture");

    send(Msg::DropFiles);  // nothing dropped: nothing happens
    Message one{Msg::DropFiles};
    one.files = {home.file("far/b.png")};
    window->send(one);
    EXPECT_EQ(app.settings.folder, home.file("far"));
    EXPECT_TRUE(waitUntil([&app] { return !app.scanRunning(); }));
    EXPECT_EQ(app.images.size(), 3u);
    EXPECT_EQ(app.currentPath, home.file("far/b.png"));

    Message several{Msg::DropFiles};
    several.files = {home.file("far/c.png"), home.file("notes.txt"), home.file("more"), home.file("far/a.png")};
    window->send(several);
    ASSERT_EQ(app.images.size(), 3u);  // c, a and the folder's x; the text file is no picture
    EXPECT_EQ(app.currentPath, home.file("far/c.png"));  // the first dropped picture
    EXPECT_EQ(app.images[0].path, home.file("far/a.png"));
    EXPECT_EQ(app.settings.folder, home.file("far"));  // the root stays
}

TEST_F(Watching, AutoRefreshFollowsTheFolderToItsNewestPicture) {
    AppState& app = startApp();
    send(Msg::Command, 1124);
    ASSERT_TRUE(app.watcher);
    savePicture(home.file("zz-new.png"), 3, 3);
    ASSERT_TRUE(waitUntil([&app] { return app.images.size() == 2; }, 3000));
    EXPECT_EQ(app.currentPath, home.file("zz-new.png"));  // the newest, though last by name
    send(Msg::Command, 1125);  // the same option again: stay where the list puts us
    EXPECT_EQ(app.settings.autofindlast, 0);
    send(Msg::Command, 1124);
    EXPECT_FALSE(app.watcher);
}
