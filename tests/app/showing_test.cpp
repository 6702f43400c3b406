#include "app_fixture.h"
#include "catalog/file_info.h"

#include <sys/stat.h>

class Showing : public AppFixture {
protected:
    // Lists the home folder again, the first entry current.
    void rescan(AppState& app) {
        app.catalog.startScan(home.path(), app.settings.peek);
        app.catalog.setIndex(0);
    }
};

TEST_F(Showing, UnloadableEntriesAreLoggedOnceDroppedAndTheNextPictureIsShown) {
    AppState& app = startApp();
    for (const char* name : {"c-gone.png", "c-fi\nfo.png"}) writeFile(home.file(name), name);
    savePicture(home.file("d.png"), 40, 30, Qt::red);
    app.settings.peek = false;
    rescan(app);
    // Deleted, or replaced by a FIFO that nobody writes, between scan and show.
    std::filesystem::remove(home.file("c-gone.png"));
    std::filesystem::remove(home.file("c-fi\nfo.png"));
    ASSERT_EQ(mkfifo(home.file("c-fi\nfo.png").c_str(), 0600), 0);
    app.showCurrent(true);
    waitForShow(app);
    ASSERT_TRUE(app.view.picture().isLoaded());
    EXPECT_EQ(app.catalog.currentPath(), home.file("d.png"));
    EXPECT_EQ(app.catalog.images().size(), 2u);  // d.png and start.png remain
    // One line each, whatever the name holds.
    EXPECT_EQ(readFile(app.loadFailures.logPath()), home.file("c-fi\\nfo.png") + "\n" + home.file("c-gone.png") + "\n");

    app.settings.showErrors = true;
    writeFile(home.file("0-bad.png"), "x");
    rescan(app);
    answerMessages();
    app.showCurrent(true);
    waitForShow(app);
    ASSERT_FALSE(messages.empty());
    EXPECT_EQ(messages[0], home.file("0-bad.png"));
}

TEST_F(Showing, ThousandsOfUnloadableEntriesAreDroppedWhileTheWindowGoesOnAnswering) {
    AppState& app = startApp();
    writeFile(home.file("empty.jpg"), "");
    const size_t broken = 2 * AppState::failuresPerTurn + 500;
    ImageList entries(broken, ImageEntry{home.file("empty.jpg")});
    entries.push_back(ImageEntry{home.file("start.png")});
    app.catalog.setImages(std::move(entries));
    int turnsBetween = 0;
    QTimer answering;  // stands for the window's own events
    QObject::connect(&answering, &QTimer::timeout, [&] { turnsBetween += app.showing(); });
    answering.start(1);
    app.showCurrent(true);
    ASSERT_TRUE(waitUntil([&app, broken] { return app.catalog.images().size() != broken + 1; }));
    EXPECT_EQ(app.catalog.images().size(), broken + 1 - AppState::failuresPerTurn);  // a turn's worth gone at once
    ASSERT_TRUE(waitUntil([&app] { return !app.showing(); }));
    EXPECT_GE(turnsBetween, 1);
    EXPECT_EQ(app.catalog.images().size(), 1u);
    EXPECT_EQ(app.catalog.currentPath(), home.file("start.png"));
    const std::string log = readFile(app.loadFailures.logPath());
    EXPECT_EQ(size_t(std::count(log.begin(), log.end(), '\n')), broken);
}

TEST_F(Showing, TheOrientationFilterWalksToAPictureOfTheWantedShape) {
    AppState& app = startApp();
    savePicture(home.file("a-tall.png"), 10, 30);
    savePicture(home.file("b-wide.png"), 30, 10);
    rescan(app);
    app.settings.landscapeOnly = true;
    app.showCurrent(true);
    waitForShow(app);
    EXPECT_EQ(app.catalog.currentPath(), home.file("b-wide.png"));
    app.settings.landscapeOnly = false;
    app.settings.portraitOnly = true;
    app.showCurrent(false);  // backward from b: a
    waitForShow(app);
    EXPECT_EQ(app.catalog.currentPath(), home.file("a-tall.png"));

    // Nothing of the wanted shape: the entry the walk began at is the one on show.
    std::filesystem::remove(home.file("a-tall.png"));
    std::filesystem::remove(home.file("start.png"));
    savePicture(home.file("c-wider.png"), 40, 10);
    rescan(app);
    app.showCurrent(true);
    waitForShow(app);
    EXPECT_EQ(app.catalog.index(), 0u);
    EXPECT_EQ(app.catalog.currentPath(), home.file("b-wide.png"));
    EXPECT_EQ(app.view.picture().imageWidth(), 30);
}

TEST_F(Showing, AFittedPictureIsPaintedSoAndZoomStartsFromWhatIsShown) {
    AppState& app = startApp();
    savePicture(home.file("a.png"), 2000, 1000, Qt::red);
    rescan(app);
    app.showCurrent(true);
    waitForShow(app);
    window->flushAll();
    const QImage& screen = window->screenImage();
    EXPECT_EQ(screen.pixel(screen.width() / 2, screen.height() / 2) & 0xffffff, 0xff0000u);
    EXPECT_EQ(screen.pixel(screen.width() / 2, 2) & 0xffffff, 0x000000u);  // squeezed: bands above and below
    const int32_t fitted = app.view.zoom();
    EXPECT_EQ(fitted, 100 * app.view.picture().width / 2000);
    EXPECT_EQ(app.view.canvas().width(), app.view.picture().width);  // the canvas keeps the picture alone

    command(Command::ZoomIn);  // from the percentage shown
    EXPECT_EQ(app.view.zoom(), fitted + 10);
    EXPECT_TRUE(app.view.zoomLocked());
    command(Command::Zoom100);  // Zoom 100 %, twice: back to fitting, laid out at once
    command(Command::Zoom100);
    EXPECT_EQ(app.view.zoom(), fitted);
    EXPECT_FALSE(app.view.zoomLocked());
    command(Command::RotateLeft);
    command(Command::RotateLock);
    EXPECT_EQ(app.settings.rotation, 270);
    window->flushAll();
    command(Command::ZoomLock);  // the shown percentage for every picture, fit flags off
    EXPECT_EQ(app.settings.zoom, app.view.zoom());
    EXPECT_FALSE(app.settings.squeeze || app.settings.shrink || app.settings.stretch);
    command(Command::Squeeze);  // a fit flag returns to fitting
    EXPECT_EQ(app.settings.zoom, 0);
    EXPECT_FALSE(app.view.zoomLocked());
}

TEST_F(Showing, PicturesDecodedAheadAreShownAtOnceUnlessTheirFileOrTheSettingsChanged) {
    AppState& app = startApp();
    savePicture(home.file("a.png"), 40, 30);
    savePicture(home.file("b.png"), 30, 40);
    savePicture(home.file("c.png"), 50, 20);
    app.catalog.startScan(home.path(), app.settings.peek);  // a, b, c, start
    ASSERT_TRUE(waitUntil([&app] { return !app.catalog.scanRunning(); }));
    showIndex(app, 1);
    ASSERT_TRUE(waitUntil([&app] { return app.aheadCache.size() == 2; }));  // c, then a

    app.catalog.setIndex(2);
    app.showCurrent(true);
    EXPECT_FALSE(app.showing());  // shown at once
    EXPECT_EQ(app.catalog.currentPath(), home.file("c.png"));
    EXPECT_EQ(app.view.picture().imageWidth(), 50);
    ASSERT_TRUE(waitUntil([&app] { return app.aheadCache.size() == 2; }));  // start and b: a made room

    // Written again since it was decoded: decoded anew.
    savePicture(home.file("b.png"), 60, 10);
    app.catalog.setIndex(1);
    app.showCurrent(false);
    waitForShow(app);
    EXPECT_EQ(app.view.picture().imageWidth(), 60);

    // Another fit: every picture kept was decoded for the old one.
    ASSERT_TRUE(waitUntil([&app] { return app.aheadCache.size() >= 2; }));
    app.settings.stretch = !app.settings.stretch;
    app.catalog.setIndex(0);
    app.showCurrent(false);
    EXPECT_EQ(app.aheadCache.size(), 0u);
    waitForShow(app);
    EXPECT_EQ(app.catalog.currentPath(), home.file("a.png"));
}
