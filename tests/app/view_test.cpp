#include "app_fixture.h"

#include <QPainter>

namespace {
// Left half blue, right half red: where the picture shows which part is seen.
void saveHalves(const std::string& path, int w, int h) {
    QImage picture(w, h, QImage::Format_RGB32);
    picture.fill(Qt::red);
    QPainter(&picture).fillRect(0, 0, w / 2, h, Qt::blue);
    picture.save(QString::fromStdString(path));
}

int countBright(const QImage& image, const QRect& area) {
    int n = 0;
    for (int y = area.top(); y <= area.bottom(); ++y)
        for (int x = area.left(); x <= area.right(); ++x) n += qGray(image.pixel(x, y)) > 200;
    return n;
}

int countWhere(const QImage& image, const QRect& area, QRgb colour) {
    int n = 0;
    for (int y = area.top(); y <= area.bottom(); ++y)
        for (int x = area.left(); x <= area.right(); ++x) n += (image.pixel(x, y) & 0xffffff) == colour;
    return n;
}
}  // namespace

class View : public AppFixture {
protected:
    AppState& show(int w, int h) {
        AppState& app = startApp();
        saveHalves(home.file("a.png"), w, h);
        send(Msg::Command, Command::Refresh);
        app.catalog.setIndex(0);
        app.showCurrent(true);
        waitForShow(app);
        drainEvents();
        return app;
    }
    QRgb at(int x, int y) { return window->screenImage().pixel(x, y) & 0xffffff; }
};

TEST_F(View, ATransitionBringsTheWholePictureOnScreen) {
    AppState& app = startApp();
    app.settings.transitions = true;
    saveHalves(home.file("a.png"), 60, 40);
    app.settings.stretch = true;     // fills the 225-pixel window
    for (int effect : {6, 8, 14}) {  // lines in place, blocks from elsewhere, a blend
        app.settings.enabledTransitions = {effect};
        send(Msg::Command, Command::Refresh);
        settle();  // start.png, found again, comes in by the effect too
        app.catalog.setIndex(0);
        app.view.forgetPainted();  // a new picture
        showAndStartPlaying(app);
        ASSERT_TRUE(app.view.playing()) << effect;
        playOut();
        const Rect view = app.view.viewRect();
        EXPECT_EQ(at(2, view.height() / 2), 0x0000ffu) << effect;
        EXPECT_EQ(at(view.width() - 3, view.height() / 2), 0xff0000u) << effect;
    }
}

TEST_F(View, ArrowsAndTheWheelScrollAZoomedPictureAndStopAtItsEdges) {
    AppState& app = show(2000, 1000);
    send(Msg::Command, Command::ScrollRight);  // squeezed: nothing to scroll
    EXPECT_EQ(app.view.scrollX(), 0);
    app.settings.autoscroll = false;
    send(Msg::Command, Command::Zoom100);  // 100 %: the top left shows
    playAfterPaint();
    EXPECT_EQ(app.view.zoom(), 100);
    EXPECT_EQ(at(5, 5), 0x0000ffu);
    EXPECT_EQ(app.view.scrollX(), 0);
    for (int i = 0; i < 30; ++i) send(Msg::Command, Command::ScrollRight);  // far past the right edge
    playOut();  // the first glides there from the top left, the rest wait for it
    const int32_t cw = app.view.viewRect().width();
    EXPECT_EQ(app.view.scrollX(), 2000 - cw);
    EXPECT_EQ(at(cw - 5, 5), 0xff0000u);
    send(Msg::Command, Command::ScrollLeft);
    EXPECT_EQ(app.view.scrollX(), 2000 - cw - 100);

    send(Msg::LButtonDown);  // the wheel scrolls while a picture is dragged
    send(Msg::MouseWheel, -120);
    EXPECT_EQ(app.view.scrollY(), 12);
    send(Msg::LButtonUp);
    send(Msg::MouseWheel, -120);  // otherwise it steps to the next picture
    EXPECT_EQ(app.catalog.index(), 1u);
}

TEST_F(View, AHugeZoomScalesOnlyWhatTheViewShows) {
    AppState& app = show(2000, 1000);
    app.view.picture().interpolation = ZoomQuality::Best;
    app.settings.zoomstep = 30000;
    send(Msg::Command, Command::Zoom100);
    send(Msg::Command, Command::ZoomIn);  // 30100 %: a picture 602,000 pixels wide
    send(Msg::Command, Command::ZoomIn);
    EXPECT_EQ(app.view.zoom(), largestZoom);
    playAfterPaint();
    const Rect view = app.view.viewRect();
    EXPECT_LE(app.view.canvas().width(), view.width());
    EXPECT_LE(app.view.canvas().height(), view.height());
    EXPECT_EQ(app.view.scrollX(), app.view.scrollRangeX() / 2);
    app.view.scrollTo(0, app.view.scrollY());  // the left edge is blue, the right edge red
    EXPECT_EQ(at(view.width() - 1, 20), 0x0000ffu);
    app.view.scrollTo(app.view.scrollRangeX(), app.view.scrollY());
    EXPECT_EQ(at(0, 20), 0xff0000u);

    // A copy of the picture as shown keeps no more pixels than the picture has.
    const QImage copy = app.view.shownPicture();
    EXPECT_LE(int64_t(copy.width()) * copy.height(), int64_t(2000) * 1000);
    EXPECT_NEAR(copy.width(), 2 * copy.height(), 2);
}

TEST_F(View, SidewaysWheelScrollsAWidePictureAndTouchpadStepsAddUpToANotch) {
    AppState& app = show(2000, 1000);
    savePicture(home.file("b.png"), 3, 3);
    send(Msg::Command, Command::Refresh);
    app.catalog.setIndex(0);
    app.showCurrent(true);
    waitForShow(app);
    send(Msg::MouseHWheel, 120);  // fitted: nothing moves and no picture turns
    EXPECT_EQ(app.catalog.index(), 0u);
    app.settings.autoscroll = false;
    send(Msg::Command, Command::Zoom100);
    playAfterPaint();
    send(Msg::MouseHWheel, 120);
    playOut();
    EXPECT_EQ(app.view.scrollX(), 100);
    send(Msg::MouseHWheel, -60);
    EXPECT_EQ(app.view.scrollX(), 50);
    EXPECT_EQ(app.catalog.index(), 0u);

    send(Msg::MouseWheel, -40);
    send(Msg::MouseWheel, -40);
    EXPECT_EQ(app.catalog.index(), 0u);
    send(Msg::MouseWheel, 60);  // turning back starts afresh
    send(Msg::MouseWheel, -80);
    send(Msg::MouseWheel, -40);
    EXPECT_EQ(app.catalog.index(), 1u);
}

TEST_F(View, AutoscrollGlidesToTheCentre) {
    AppState& app = show(2000, 1000);
    send(Msg::Command, Command::Zoom100);
    playAfterPaint();
    EXPECT_EQ(app.view.scrollX(), app.view.scrollRangeX() / 2);
    EXPECT_EQ(app.view.scrollY(), app.view.scrollRangeY() / 2);
    EXPECT_TRUE(app.view.scrolled());
    const int32_t cw = app.view.viewRect().width();
    EXPECT_EQ(at(cw / 2 - 3, 20), 0x0000ffu);  // the two halves meet in the middle
    EXPECT_EQ(at(cw / 2 + 3, 20), 0xff0000u);
}

TEST_F(View, TheCollageAddsATilePerPaintAndStartsAfreshOnANewBackground) {
    AppState& app = show(1000, 500);
    app.settings.collagesize = 100;
    send(Msg::Command, Command::Collage);
    EXPECT_EQ(app.view.tileCanvas().width(), 100);
    EXPECT_EQ(app.view.tileCanvas().height(), 50);
    const QImage& collage = app.view.canvas().image();
    const int afterOne = countWhere(collage, collage.rect(), 0xff0000u);
    EXPECT_EQ(afterOne, 50 * 50);
    window->invalidate();
    window->flushAll();
    EXPECT_GT(countWhere(collage, collage.rect(), 0xff0000u) + countWhere(collage, collage.rect(), 0x0000ffu), 5000);
    send(Msg::Command, Command::WhiteBackground);  // white: the collage restarts with one tile on white
    EXPECT_EQ(countWhere(app.view.canvas().image(), app.view.canvas().image().rect(), 0xff0000u), 50 * 50);
    EXPECT_EQ(app.view.canvas().image().pixel(0, 0) & 0xffffff, 0xffffffu);
    EXPECT_FALSE(app.view.dialogBackgroundBrush());  // the old tiles stay under the new
}

TEST_F(View, TheNameOverAFullscreenCollageComesAndGoesWithoutANewTile) {
    AppState& app = show(1000, 500);
    send(Msg::Command, Command::LayerFullscreen);
    send(Msg::Command, Command::Collage);
    drainEvents();
    window->flushAll();
    const QImage collage = app.view.canvas().image().copy();
    for (int press = 0; press < 2; ++press) {
        send(Msg::Command, Command::FullscreenCaption);
        window->flushAll();
        drainEvents();
        EXPECT_EQ(app.view.canvas().image(), collage) << press;
    }
    EXPECT_TRUE(app.settings.fullscreenname);
    EXPECT_GT(countBright(window->screenImage(), QRect(3, 3, 200, 16)), 20);
}

TEST_F(View, TextsOverThePicture) {
    AppState& app = show(100, 80);
    app.settings.whitebg = true;
    send(Msg::EnterSizeMove);
    window->invalidate();
    window->flushAll();
    EXPECT_GT(countWhere(window->screenImage(), QRect(3, 3, 60, 12), 0x000000u), 20);  // "225 x ..."
    send(Msg::ExitSizeMove);

    app.settings.whitebg = false;
    send(Msg::Command, Command::LayerFullscreen);  // fullscreen shows the file name in white
    playAfterPaint();
    EXPECT_GT(countBright(window->screenImage(), QRect(3, 3, 200, 16)), 20);
}
