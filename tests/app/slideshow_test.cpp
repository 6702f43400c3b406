#include "app_fixture.h"

class SlideshowRun : public AppFixture {
protected:
    // The slideshow timer firing, as many times as given.
    void tick(int times) {
        for (int i = 0; i < times; ++i) send(Msg::Timer, 1026);
    }
};

TEST_F(SlideshowRun, TheCountdownAdvancesAndTheEndOfTheListFollowsTheLoopSetting) {
    AppState& app = startApp();
    savePicture(home.file("b.png"), 3, 3);
    send(Msg::Command, Command::Refresh);  // Refresh: b.png, start.png
    ASSERT_EQ(app.catalog.images().size(), 2u);
    app.settings.timer = 2500;
    app.catalog.setIndex(0);
    app.showCurrent(true);
    waitForShow(app);
    EXPECT_EQ(app.slideshow.remaining(), 2500u);
    tick(2);
    EXPECT_EQ(app.catalog.index(), 0u);
    EXPECT_EQ(app.slideshow.remaining(), 500u);
    tick(1);
    EXPECT_EQ(app.catalog.index(), 1u);  // the last one now
    app.settings.loop = 1;               // pause at the end
    tick(3);
    EXPECT_EQ(app.catalog.index(), 1u);
    app.settings.loop = 0;
    app.slideshow.restart();
    tick(3);
    EXPECT_EQ(app.catalog.index(), 0u);  // wrapped
    app.settings.loop = 2;               // exit at the end
    app.catalog.setIndex(1);
    app.slideshow.restart();
    tick(3);
    EXPECT_EQ(appGlobals.app, nullptr);
}

TEST_F(SlideshowRun, KeysStepThroughTheListAndPauseTheShow) {
    AppState& app = startWithPictures({"a.png", "b.png", "c.png"});
    app.catalog.setIndex(0);
    const auto press = [this](int key, int32_t modifiers = 0, const char* text = "") {
        Message m{Msg::KeyDown, modifiers, 0, key};
        m.text = text;
        window->send(m);
    };
    press(Qt::Key_PageDown);
    EXPECT_EQ(app.catalog.index(), 1u);
    press(Qt::Key_Backspace);
    press(Qt::Key_Backspace);
    EXPECT_EQ(app.catalog.index(), 3u);  // from the first entry back to the last
    press(Qt::Key_Home);
    EXPECT_EQ(app.catalog.index(), 0u);
    press(Qt::Key_End);
    EXPECT_EQ(app.catalog.index(), 3u);
    EXPECT_TRUE(app.settings.slide);
    press(Qt::Key_Exclam, KeyShift, "!");
    EXPECT_FALSE(app.settings.slide);
    press(Qt::Key_Escape);  // Exit
    EXPECT_EQ(appGlobals.app, nullptr);
}

TEST_F(SlideshowRun, APictureStandsItsWholeIntervalAfterItsTransition) {
    AppState& app = startApp();
    savePicture(home.file("b.png"), 3, 3);
    send(Msg::Command, Command::Refresh);  // Refresh: b.png, start.png
    ASSERT_EQ(app.catalog.images().size(), 2u);
    ASSERT_EQ(app.view.lastPaintedIndex(), 1u);  // the refresh found start.png again
    app.settings.transitions = true;
    app.settings.enabledTransitions = {10};  // the quadrant slide: several hundred milliseconds
    app.settings.timer = 1000;
    app.catalog.setIndex(0);
    app.showCurrent(true);
    waitForShow(app);
    ASSERT_EQ(app.view.pendingEffect(), 10);
    QElapsedTimer clock;
    clock.start();
    send(Msg::AfterPaint);  // plays the transition
    ASSERT_GE(clock.elapsed(), 200);
    clock.start();
    ASSERT_TRUE(waitUntil([&] { return app.catalog.index() == 1; }, 3000));
    EXPECT_GE(clock.elapsed(), 900);
}
