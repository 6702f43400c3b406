#include "app_fixture.h"

#include "platform/tray_icon.h"

#include <QLabel>
#include <QWidget>

class Window : public AppFixture {
protected:
    // Wrapping on, showing a w x h picture.
    AppState& showPicture(int w, int h) {
        AppState& app = startApp();
        savePicture(home.file("a.png"), w, h);
        app.settings.wrap = true;
        command(Command::Refresh);  // a.png, start.png
        showIndex(app, 0);
        return app;
    }
    bool cursorBlank() const { return window->widget()->cursor().shape() == Qt::BlankCursor; }
    std::vector<int> statusPartWidths() const {
        std::vector<int> widths;
        for (const QLabel* part : window->widget()->findChildren<QLabel*>()) widths.push_back(part->width());
        return widths;
    }
};

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

TEST_F(Window, FullscreenAndBackRestoresBarAnchorAndCursor) {
    AppState& app = showPicture(300, 200);
    const std::vector<int> partWidths = statusPartWidths();
    app.settings.fullscreencursor = false;
    app.settings.fullscreenlayout = Anchor::Roaming;
    app.settings.layout = Anchor::BottomLeft;
    command(Command::LayerFullscreen);
    EXPECT_EQ(app.settings.layer, Layer::Fullscreen);
    EXPECT_FALSE(app.arranger.statusBar());
    EXPECT_EQ(app.settings.layout, Anchor::Roaming);
    EXPECT_TRUE(cursorBlank());
    command(Command::FullscreenCursor);  // the cursor follows the setting while fullscreen
    EXPECT_FALSE(cursorBlank());
    command(Command::FullscreenCursor);
    EXPECT_TRUE(cursorBlank());

    command(Command::LayerFullscreen);  // the same command leaves
    EXPECT_EQ(app.settings.layer, Layer::Normal);
    EXPECT_TRUE(app.arranger.statusBar());
    EXPECT_EQ(app.settings.layout, Anchor::BottomLeft);
    EXPECT_FALSE(cursorBlank());
    EXPECT_EQ(statusPartWidths(), partWidths);  // the bar's parts keep their texts' room
}

TEST_F(Window, TheWallpaperLayerLeavesTheWindowReachable) {
    AppState& app = showPicture(300, 200);
    command(Command::LayerWallpaper);
    EXPECT_EQ(app.settings.layer, Layer::Wallpaper);
    EXPECT_TRUE(app.arranger.trayIconShown());
    // Behind the tray icon where the desktop shows one, else minimised in the task list.
    const bool tray = TrayIcon::available();
    EXPECT_EQ(window->isVisible(), !tray);
    EXPECT_EQ(window->isMinimized(), !tray);
    command(Command::LayerWallpaper);  // again: still reachable
    EXPECT_TRUE(app.arranger.trayIconShown());
    send(Msg::TrayNotify, TrayLeftClick);  // no show and hide in this layer
    EXPECT_EQ(window->isVisible(), !tray);
    if (tray) command(Command::LayerNormal);
    else send(Msg::Restore);
    EXPECT_EQ(app.settings.layer, Layer::Normal);
    EXPECT_TRUE(window->isVisible());
    EXPECT_FALSE(app.arranger.trayIconShown());

    app.catalog.setImages({});
    command(Command::LayerFullscreen);  // nothing to show fullscreen
    EXPECT_EQ(app.settings.layer, Layer::Normal);
}
