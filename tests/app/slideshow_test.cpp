#include "app_fixture.h"

#include <QTest>

class SlideshowRun : public AppFixture {
protected:
    // The countdown's timer firing, as many times as given.
    void tick(int times) {
        for (int i = 0; i < times && appGlobals.app; ++i) {
            window->handle([] { appGlobals.app->slideshow.tick(); });
            if (appGlobals.app && appGlobals.app->showing()) waitForShow(*appGlobals.app);
        }
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
    app.settings.loop = LoopEnd::Pause;  // pause at the end
    tick(3);
    EXPECT_EQ(app.catalog.index(), 1u);
    app.settings.loop = LoopEnd::Loop;
    app.slideshow.restart();
    tick(3);
    EXPECT_EQ(app.catalog.index(), 0u);  // wrapped
    app.settings.loop = LoopEnd::Exit;   // exit at the end
    app.catalog.setIndex(1);
    app.slideshow.restart();
    tick(3);
    EXPECT_EQ(appGlobals.app, nullptr);
}

TEST_F(SlideshowRun, KeysStepThroughTheListAndPauseTheShow) {
    AppState& app = startWithPictures({"a.png", "b.png", "c.png"});
    app.catalog.setIndex(0);
    const auto press = [this](int key, int32_t modifiers = 0, const char* text = "") {
        Message m{Msg::KeyDown, 0, 0, key};
        m.modifiers = modifiers;
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
    // The modifiers come with the key event, whatever the keyboard holds by the time it is handled.
    QTest::keyClick(window->widget(), Qt::Key_PageDown, Qt::ShiftModifier);
    EXPECT_EQ(app.catalog.index(), 0u);  // five on from the last of four
    QTest::keyClick(window->widget(), Qt::Key_PageUp, Qt::ControlModifier);
    EXPECT_EQ(app.catalog.index(), 2u);  // ten back
    press(Qt::Key_End);
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
    playAfterPaint();
    ASSERT_GE(clock.elapsed(), 200);
    clock.start();
    ASSERT_TRUE(waitUntil([&] { return app.catalog.index() == 1; }, 3000));
    EXPECT_GE(clock.elapsed(), 900);
}

TEST_F(SlideshowRun, KeysWaitForATransitionWithoutPilingUpAndLeavingEndsIt) {
    AppState& app = startWithPictures({"a.png", "b.png", "c.png", "d.png"});
    app.settings.transitions = true;
    app.settings.enabledTransitions = {10};  // the quadrant slide: several hundred milliseconds
    app.catalog.setIndex(0);
    const auto key = [this](int code, bool repeat) {
        Message m{Msg::KeyDown, 0, 0, code};
        m.repeat = repeat;
        window->send(m);
    };
    showAndStartPlaying(app);
    ASSERT_TRUE(app.view.playing());
    key(Qt::Key_PageDown, false);
    for (int i = 0; i < 8; ++i) key(Qt::Key_PageDown, true);  // held down through the effect
    EXPECT_EQ(app.catalog.index(), 0u);                       // nothing moves under the effect
    playOut();
    EXPECT_EQ(app.catalog.index(), 1u);  // the press; its repeats add nothing while it waits
    // Held from before the effect and let go during it: the show stops with the key.
    app.view.forgetPainted();
    showAndStartPlaying(app);
    ASSERT_TRUE(app.view.playing());
    key(Qt::Key_PageDown, true);
    send(Msg::KeyUp, Qt::Key_PageDown);
    playOut();
    EXPECT_EQ(app.catalog.index(), 1u);

    // Minimising ends the effect at once, the whole picture in place.
    app.view.forgetPainted();
    showAndStartPlaying(app);
    ASSERT_TRUE(app.view.playing());
    send(Msg::Minimize);
    EXPECT_FALSE(app.view.playing());
    const Rect view = app.view.viewRect();
    const QRect area(0, 0, view.width(), view.height());
    EXPECT_EQ(window->screenImage().copy(area), app.view.canvas().image().copy(area));

    // Esc leaves at once, mid-effect.
    app.view.forgetPainted();
    showAndStartPlaying(app);
    ASSERT_TRUE(app.view.playing());
    key(Qt::Key_Escape, false);
    EXPECT_EQ(appGlobals.app, nullptr);
}
