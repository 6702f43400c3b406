#include "app_fixture.h"

#include "platform/screen.h"
#include "platform/status_bar.h"
#include "platform/tray_icon.h"

#include <QWidget>

class Window : public AppFixture {
protected:
    // Wrapping on, showing a w x h picture.
    AppState& showPicture(int w, int h) {
        AppState& app = startApp();
        savePicture(home.file("a.png"), w, h);
        app.settings.wrap = true;
        send(Msg::Command, Command::Refresh);  // a.png, start.png
        app.catalog.setIndex(0);
        app.showCurrent(true);
        waitForShow(app);
        return app;
    }
    bool cursorBlank() const { return window->widget()->cursor().shape() == Qt::BlankCursor; }
};

TEST_F(Window, WrappingSizesTheWindowToThePictureAndCentresIt) {
    AppState& app = showPicture(300, 200);
    ASSERT_TRUE(app.arranger.statusBar());
    EXPECT_EQ(window->clientWidth(), 300);
    EXPECT_EQ(window->clientHeight(), 200 + app.arranger.statusBarHeight());
    const Rect area = workArea(), frame = window->frameRect();
    EXPECT_LE(std::abs((frame.left + frame.right) - (area.left + area.right)), 1);
    EXPECT_EQ(app.settings.windowRect, frame);

    // Too large for the work area: squeezed into it.
    savePicture(home.file("a.png"), 6000, 300);
    app.showCurrent(true);
    waitForShow(app);
    EXPECT_EQ(window->frameRect().width(), area.width());

    // Cropped: no frame, no bar, the window cut to the picture.
    savePicture(home.file("a.png"), 300, 200);
    app.showCurrent(true);
    waitForShow(app);
    send(Msg::Command, Command::Crop);
    EXPECT_FALSE(app.arranger.statusBar());
    EXPECT_TRUE(window->widget()->windowFlags() & Qt::FramelessWindowHint);
    EXPECT_EQ(window->clientHeight(), 200);
    EXPECT_EQ(window->widget()->mask().boundingRect(), QRect(0, 0, 300, 200));
    send(Msg::Command, Command::Crop);
    EXPECT_TRUE(app.arranger.statusBar());
    EXPECT_TRUE(window->widget()->mask().isEmpty());
}

TEST_F(Window, TinyPicturesAndDamagedRectanglesStillGiveAUsableWindowOnTheScreen) {
    AppState& app = showPicture(1, 1);
    EXPECT_GE(window->frameRect().width(), 160);
    EXPECT_GE(window->frameRect().height(), 100);
    app.settings.wrap = false;
    app.settings.windowRect = {-5000, 90000, -5010, 89000};  // off every screen, inverted
    app.start();
    const Rect r = window->frameRect();
    EXPECT_GE(r.width(), 160);
    EXPECT_GE(r.height(), 100);
    EXPECT_TRUE(app.screenRect.contains({r.left + 10, r.top + 10}));
}

TEST_F(Window, SizingTheWindowByHandStopsWrapping) {
    AppState& app = showPicture(300, 200);
    const Rect r = window->frameRect();
    window->setFrameRect({r.left, r.top, r.right + 40, r.bottom});  // a program move: still wrapping
    EXPECT_TRUE(app.settings.wrap);
    send(Msg::EnterSizeMove);
    window->setFrameRect({r.left, r.top, r.right + 80, r.bottom + 30});
    send(Msg::ExitSizeMove);
    EXPECT_FALSE(app.settings.wrap);
    EXPECT_EQ(app.settings.windowRect, window->frameRect());
}

TEST_F(Window, APresetKeepsTheWindowWhereItWasAndStopsWrapping) {
    AppState& app = showPicture(300, 200);
    send(Msg::Command, Command::SavePreset3);
    EXPECT_FALSE(app.settings.wrap);
    const Rect saved = app.settings.presets[2];
    EXPECT_EQ(saved, window->frameRect());
    window->setFrameRect(saved.moved(50, 40));
    app.settings.wrap = true;
    send(Msg::Command, Command::RestorePreset3);
    EXPECT_EQ(window->frameRect(), saved);
    EXPECT_FALSE(app.settings.wrap);
}

TEST_F(Window, FullscreenAndBackRestoresBarAnchorAndCursor) {
    AppState& app = showPicture(300, 200);
    app.settings.fullscreencursor = false;
    app.settings.fullscreenlayout = Anchor::Roaming;
    app.settings.layout = Anchor::BottomLeft;
    send(Msg::Command, Command::LayerFullscreen);
    EXPECT_EQ(app.settings.layer, Layer::Fullscreen);
    EXPECT_FALSE(app.arranger.statusBar());
    EXPECT_EQ(app.settings.layout, Anchor::Roaming);
    EXPECT_TRUE(cursorBlank());
    EXPECT_TRUE(waitUntil([this] { return window->frameRect() == primaryScreenRect(); }, 2000));
    send(Msg::Command, Command::FullscreenCursor);  // the cursor follows the setting while fullscreen
    EXPECT_FALSE(cursorBlank());
    send(Msg::Command, Command::FullscreenCursor);
    EXPECT_TRUE(cursorBlank());

    send(Msg::Command, Command::LayerFullscreen);  // the same command leaves
    EXPECT_EQ(app.settings.layer, Layer::Normal);
    EXPECT_TRUE(app.arranger.statusBar());
    EXPECT_EQ(app.settings.layout, Anchor::BottomLeft);
    EXPECT_FALSE(cursorBlank());
    EXPECT_EQ(window->clientWidth(), 300);  // wrapped again
}

TEST_F(Window, TheWallpaperLayerLeavesTheWindowReachable) {
    AppState& app = showPicture(300, 200);
    send(Msg::Command, Command::LayerWallpaper);
    EXPECT_EQ(app.settings.layer, Layer::Wallpaper);
    EXPECT_TRUE(app.arranger.trayIconShown());
    // Behind the tray icon where the desktop shows one, else minimised in the task list.
    const bool tray = TrayIcon::available();
    EXPECT_EQ(window->isVisible(), !tray);
    EXPECT_EQ(window->isMinimized(), !tray);
    send(Msg::Command, Command::LayerWallpaper);  // again: still reachable
    EXPECT_TRUE(app.arranger.trayIconShown());
    send(Msg::TrayNotify, TrayLeftClick);  // no show and hide in this layer
    EXPECT_EQ(window->isVisible(), !tray);
    if (tray) send(Msg::Command, Command::LayerNormal);
    else send(Msg::Restore);
    EXPECT_EQ(app.settings.layer, Layer::Normal);
    EXPECT_TRUE(window->isVisible());
    EXPECT_FALSE(app.arranger.trayIconShown());

    app.catalog.setImages({});
    send(Msg::Command, Command::LayerFullscreen);  // nothing to show fullscreen
    EXPECT_EQ(app.settings.layer, Layer::Normal);
}
