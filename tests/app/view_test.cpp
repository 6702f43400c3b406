#include "app_fixture.h"

namespace {
int countOf(const QImage& image, QRgb colour) {
    int n = 0;
    for (int y = 0; y < image.height(); ++y)
        for (int x = 0; x < image.width(); ++x) n += (image.pixel(x, y) & 0xffffff) == colour;
    return n;
}
}  // namespace

class View : public AppFixture {
protected:
    // Shows a w x h picture, its left half blue and its right half red.
    AppState& show(int w, int h) {
        AppState& app = startApp();
        saveHalves(home.file("a.png"), w, h);
        command(Command::Refresh);
        showIndex(app, 0);
        drainEvents();
        return app;
    }
    QRgb at(int x, int y) { return window->screenImage().pixel(x, y) & 0xffffff; }
};

TEST_F(View, ArrowsAndWheelsScrollAZoomedPictureToItsEdgesAndTouchpadStepsAddUpToANotch) {
    AppState& app = show(2000, 1000);
    command(Command::ScrollRight);  // squeezed: nothing to scroll, and no picture turns
    send(Msg::MouseHWheel, 120);
    EXPECT_EQ(app.view.scrollX(), 0);
    EXPECT_EQ(app.catalog.index(), 0u);
    app.settings.autoscroll = false;
    command(Command::Zoom100);  // 100 %: the top left shows
    playAfterPaint();
    EXPECT_EQ(at(5, 5), 0x0000ffu);
    send(Msg::MouseHWheel, 120);  // a sideways wheel or swipe scrolls
    playOut();
    EXPECT_EQ(app.view.scrollX(), 100);
    send(Msg::MouseHWheel, -60);
    EXPECT_EQ(app.view.scrollX(), 50);
    for (int i = 0; i < 30; ++i) command(Command::ScrollRight);  // far past the right edge
    playOut();                                                   // the first glides there, the rest wait for it
    const int32_t cw = app.view.viewRect().width();
    EXPECT_EQ(app.view.scrollX(), 2000 - cw);
    EXPECT_EQ(at(cw - 5, 5), 0xff0000u);
    command(Command::ScrollLeft);
    EXPECT_EQ(app.view.scrollX(), 2000 - cw - 100);

    send(Msg::LButtonDown);  // the wheel scrolls while a picture is dragged
    send(Msg::MouseWheel, -120);
    EXPECT_EQ(app.view.scrollY(), 12);
    send(Msg::LButtonUp);
    for (int step : {-40, -40, 60, -80}) send(Msg::MouseWheel, step);  // turning back starts afresh
    EXPECT_EQ(app.catalog.index(), 0u);
    send(Msg::MouseWheel, -40);  // otherwise a whole notch steps to the next picture
    EXPECT_EQ(app.catalog.index(), 1u);
}

TEST_F(View, AHugeZoomGlidesToTheCentreAndScalesOnlyWhatTheViewShows) {
    AppState& app = show(2000, 1000);
    app.view.picture().interpolation = ZoomQuality::Best;
    app.settings.zoomstep = 30000;
    command(Command::Zoom100);
    command(Command::ZoomIn);  // 30100 %: a picture 602,000 pixels wide
    command(Command::ZoomIn);
    EXPECT_EQ(app.view.zoom(), largestZoom);
    playAfterPaint();
    const Rect view = app.view.viewRect();
    EXPECT_LE(app.view.canvas().width(), view.width());
    EXPECT_LE(app.view.canvas().height(), view.height());
    EXPECT_EQ(app.view.scrollX(), app.view.scrollRangeX() / 2);
    EXPECT_EQ(app.view.scrollY(), app.view.scrollRangeY() / 2);
    EXPECT_TRUE(app.view.scrolled());
    app.view.scrollTo(0, app.view.scrollY());  // the left edge is blue, the right edge red
    EXPECT_EQ(at(view.width() - 1, 20), 0x0000ffu);
    app.view.scrollTo(app.view.scrollRangeX(), app.view.scrollY());
    EXPECT_EQ(at(0, 20), 0xff0000u);

    // A copy of the picture as shown keeps no more pixels than the picture has.
    const QImage copy = app.view.shownPicture();
    EXPECT_LE(int64_t(copy.width()) * copy.height(), int64_t(2000) * 1000);
    EXPECT_NEAR(copy.width(), 2 * copy.height(), 2);
}

TEST_F(View, TheCollageAddsATilePerPaintAndStartsAfreshOnANewBackground) {
    AppState& app = show(1000, 500);
    app.settings.collagesize = 100;
    command(Command::Collage);
    EXPECT_EQ(app.view.tileCanvas().width(), 100);
    EXPECT_EQ(app.view.tileCanvas().height(), 50);
    const QImage& collage = app.view.canvas().image();
    EXPECT_EQ(countOf(collage, 0xff0000u), 50 * 50);
    window->invalidate();
    window->flushAll();
    EXPECT_GT(countOf(collage, 0xff0000u) + countOf(collage, 0x0000ffu), 5000);
    command(Command::WhiteBackground);  // white: the collage restarts with one tile on white
    EXPECT_EQ(countOf(app.view.canvas().image(), 0xff0000u), 50 * 50);
    EXPECT_EQ(app.view.canvas().image().pixel(0, 0) & 0xffffff, 0xffffffu);
    EXPECT_FALSE(app.view.dialogBackgroundBrush());  // the old tiles stay under the new
}
