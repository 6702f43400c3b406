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
    void key(int code, bool repeat = false, int32_t modifiers = 0, const char* text = "") {
        Message m{Msg::KeyDown, 0, 0, code};
        m.repeat = repeat;
        m.modifiers = modifiers;
        m.text = text;
        window->send(m);
    }
    // Shows the current entry anew with the quadrant slide, which takes several hundred
    // milliseconds.
    void startSliding(AppState& app) {
        app.settings.transitions = true;
        app.settings.enabledTransitions = {10};
        app.view.forgetPainted();
        showAndStartPlaying(app);
        ASSERT_TRUE(app.view.playing());
    }
};

TEST_F(SlideshowRun, TheCountdownAdvancesAndTheEndOfTheListFollowsTheLoopSetting) {
    AppState& app = startWithPictures({"b.png"});  // b.png, start.png
    app.settings.timer = 2500;
    showIndex(app, 0);
    EXPECT_EQ(app.slideshow.remaining(), 2500u);
    tick(2);
    EXPECT_EQ(app.catalog.index(), 0u);
    EXPECT_EQ(app.slideshow.remaining(), 500u);
    tick(1);
    EXPECT_EQ(app.catalog.index(), 1u);  // the last one now
    app.settings.loop = LoopEnd::Pause;
    tick(3);
    EXPECT_EQ(app.catalog.index(), 1u);
    app.settings.loop = LoopEnd::Loop;
    app.slideshow.restart();
    tick(3);
    EXPECT_EQ(app.catalog.index(), 0u);
    app.settings.loop = LoopEnd::Exit;
    app.catalog.setIndex(1);
    app.slideshow.restart();
    tick(3);
    EXPECT_EQ(appGlobals.app, nullptr);
}

TEST_F(SlideshowRun, KeysStepThroughTheListAndPauseTheShow) {
    AppState& app = startWithPictures({"a.png", "b.png", "c.png"});
    app.catalog.setIndex(0);
    key(Qt::Key_PageDown);
    EXPECT_EQ(app.catalog.index(), 1u);
    key(Qt::Key_Backspace);
    key(Qt::Key_Backspace);
    EXPECT_EQ(app.catalog.index(), 3u);  // from the first entry back to the last
    key(Qt::Key_Home);
    EXPECT_EQ(app.catalog.index(), 0u);
    key(Qt::Key_End);
    EXPECT_EQ(app.catalog.index(), 3u);
    // The modifiers come with the key event, whatever the keyboard holds by the time it is handled.
    QTest::keyClick(window->widget(), Qt::Key_PageDown, Qt::ShiftModifier);
    EXPECT_EQ(app.catalog.index(), 0u);  // five on from the last of four
    QTest::keyClick(window->widget(), Qt::Key_PageUp, Qt::ControlModifier);
    EXPECT_EQ(app.catalog.index(), 2u);  // ten back
    EXPECT_TRUE(app.settings.slide);
    key(Qt::Key_Exclam, false, KeyShift, "!");
    EXPECT_FALSE(app.settings.slide);
    key(Qt::Key_Escape);  // Exit
    EXPECT_EQ(appGlobals.app, nullptr);
}

TEST_F(SlideshowRun, MinimisingOrLeavingEndsATransitionAtOnce) {
    AppState& app = startWithPictures({"a.png", "b.png", "c.png", "d.png"});
    app.catalog.setIndex(0);
    // Minimising ends the effect at once, the whole picture in place.
    startSliding(app);
    send(Msg::Minimize);
    EXPECT_FALSE(app.view.playing());
    const Rect view = app.view.viewRect();
    const QRect area(0, 0, view.width(), view.height());
    EXPECT_EQ(window->screenImage().copy(area), app.view.canvas().image().copy(area));

    // Esc leaves at once, mid-effect.
    startSliding(app);
    key(Qt::Key_Escape);
    EXPECT_EQ(appGlobals.app, nullptr);
}
