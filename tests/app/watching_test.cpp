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
    EXPECT_TRUE(waitUntil([&app] { return !app.catalog.scanRunning(); }));
    EXPECT_EQ(app.catalog.images().size(), 3u);
    EXPECT_EQ(app.catalog.currentPath(), home.file("far/b.png"));

    Message several{Msg::DropFiles};
    several.files = {home.file("far/c.png"), home.file("notes.txt"), home.file("more"), home.file("far/a.png")};
    window->send(several);
    ASSERT_EQ(app.catalog.images().size(), 3u);  // c, a and the folder's x; the text file is no picture
    EXPECT_EQ(app.catalog.currentPath(), home.file("far/c.png"));  // the first dropped picture
    EXPECT_EQ(app.catalog.images()[0].path, home.file("far/a.png"));
    EXPECT_EQ(app.settings.folder, home.file("far"));  // the root stays
}

TEST_F(Watching, AutoRefreshFollowsTheFolderToItsNewestPicture) {
    AppState& app = startApp();
    command(Command::AutoRefresh);
    ASSERT_TRUE(app.catalog.watching());
    savePicture(home.file("zz-new.png"), 3, 3);
    ASSERT_TRUE(waitUntil([&app] { return app.catalog.images().size() == 2; }, 3000));
    EXPECT_EQ(app.catalog.currentPath(), home.file("zz-new.png"));  // the newest, though last by name
    command(Command::AutoRefreshToLastCreated);  // the same option again: stay where the list puts us
    EXPECT_EQ(app.settings.autofindlast, FindLast::Nothing);
    command(Command::AutoRefresh);
    EXPECT_FALSE(app.catalog.watching());
}

TEST_F(Watching, AShiftDropOfOnePictureAddsItsFolderAndShowsItWithOrWithoutPeek) {
    AppState& app = startApp();
    TempDir far;
    for (const char* name : {"a.png", "b.png", "c.png"}) savePicture(far.file(name), 3, 3);
    // Folders below keep a peek scan going after its first batch.
    for (int i = 0; i < 200; ++i) std::filesystem::create_directories(far.file("deeper/" + std::to_string(i)));
    for (bool peek : {true, false}) {
        app.settings.peek = peek;
        command(Command::Refresh);  // back to the root's one picture
        Message drop{Msg::DropFiles};
        drop.files = {far.file("b.png")};
        drop.modifiers = KeyShift;
        window->send(drop);
        ASSERT_TRUE(waitUntil([&app] { return !app.catalog.scanRunning(); }));
        EXPECT_EQ(app.catalog.images().size(), 4u) << "peek " << peek;
        EXPECT_EQ(app.catalog.currentPath(), far.file("b.png")) << "peek " << peek;
        EXPECT_EQ(app.catalog.images()[app.catalog.index()].path, app.catalog.currentPath()) << "peek " << peek;
        EXPECT_EQ(app.settings.folder, home.path());
    }
}

TEST_F(Watching, AnEmptiedFolderSaysSoOnceAndTheNextChangeWaitsForTheMessageToClose) {
    AppState& app = startApp();
    command(Command::AutoRefresh);
    size_t listedWhileOpen = 99;
    DialogUser user([&](QWidget* dialog) {
        auto* box = qobject_cast<QMessageBox*>(dialog);
        messages.push_back(box->text().toStdString());
        if (messages.size() > 1) return box->accept();
        savePicture(home.file("back.png"), 3, 3);  // a change while the message is open
        QTimer::singleShot(600, box, [&app, &listedWhileOpen, box] {
            listedWhileOpen = app.catalog.images().size();
            box->accept();
        });
    });
    std::filesystem::remove(home.file("start.png"));
    ASSERT_TRUE(waitUntil([&app, this] { return app.catalog.currentPath() == home.file("back.png"); }, 5000));
    EXPECT_EQ(messages, std::vector<std::string>{"No images in " + home.path()});
    EXPECT_EQ(listedWhileOpen, 0u);
    EXPECT_TRUE(app.view.picture().isLoaded());
}
