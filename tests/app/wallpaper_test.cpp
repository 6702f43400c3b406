#include "app_fixture.h"

#include "root_background.h"
#include "shell/wallpaper_store.h"

class WallpaperRun : public AppFixture {
protected:
    // Shows a 3 x 3 picture in a window larger than it, so the background has black around it.
    AppState& showPicture() {
        AppState& app = startWithPictures({"a.png"});
        showPath(app, home.file("a.png"));
        return app;
    }
    WallpaperStore store(AppState& app) { return WallpaperStore::load(app.wallpaper.storePath()); }
};

TEST_F(WallpaperRun, CentreKeepsACopyOfTheRootWindowsBackgroundAndRestoreBringsItBack) {
    if (!setRootBackground(0x3366cc)) GTEST_SKIP() << "no X server in DISPLAY to hold a root background";
    AppState& app = showPicture();
    command(Command::WallpaperCenter);
    EXPECT_EQ(rootBackgroundPixel(0, 0), 0x000000u);
    EXPECT_EQ(readFile(app.wallpaper.path()).substr(0, 2), "BM");
    EXPECT_EQ(store(app).wallpaper, app.wallpaper.path());
    ASSERT_EQ(store(app).previousWallpaper, home.file("desktop.bmp"));
    EXPECT_EQ(QImage(QString::fromStdString(home.file("desktop.bmp"))).pixel(5, 5) & 0xffffff, 0x3366cCu);
    command(Command::WallpaperTile);  // the background is the program's own, so the backup stays
    EXPECT_EQ(store(app).previousWallpaper, home.file("desktop.bmp"));
    command(Command::WallpaperRestore);
    EXPECT_EQ(rootBackgroundPixel(0, 0), 0x3366ccu);
}
