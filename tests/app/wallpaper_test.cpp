#include "app_fixture.h"

#include "root_background.h"
#include "shell/wallpaper_store.h"

#include <QProcess>

namespace {
// What gsettings prints for the key, or writes it when a value is given.
std::string gsettings(const char* key, const char* value = nullptr) {
    QProcess process;
    QStringList arguments{value ? "set" : "get", "org.gnome.desktop.background", key};
    if (value) arguments << QString::fromUtf8(value);
    process.start("gsettings", arguments);
    process.waitForFinished(5000);
    return process.readAllStandardOutput().trimmed().toStdString();
}
}  // namespace

class Wallpaper : public AppFixture {
protected:
    // Shows a 3 x 3 picture in a window larger than it, so the background has black around it.
    AppState& showPicture() {
        AppState& app = startWithPictures({"a.png"});
        app.currentIndex = app.images[0].path == home.file("a.png") ? 0 : 1;
        app.showCurrent(true);
        return app;
    }
};

TEST_F(Wallpaper, RestoreBringsBackTheRootWindowsOwnBackground) {
    if (!setRootBackground(0x3366cc)) GTEST_SKIP() << "no X server in DISPLAY to hold a root background";
    AppState& app = showPicture();
    send(Msg::Command, 1371);  // Center
    EXPECT_EQ(rootBackgroundPixel(0, 0), 0x000000u);
    const WallpaperStore store = WallpaperStore::load(app.wallpaperStorePath);
    EXPECT_EQ(store.wallpaper, app.wallpaperPath);
    ASSERT_EQ(store.previousWallpaper, home.file("desktop.bmp"));
    EXPECT_EQ(QImage(QString::fromStdString(home.file("desktop.bmp"))).pixel(5, 5) & 0xffffff, 0x3366cCu);
    send(Msg::Command, 1372);  // Tile: the background is the program's own, so the backup stays
    EXPECT_EQ(WallpaperStore::load(app.wallpaperStorePath).previousWallpaper, home.file("desktop.bmp"));
    send(Msg::Command, 1375);  // Restore
    EXPECT_EQ(rootBackgroundPixel(0, 0), 0x3366ccu);
}

TEST_F(Wallpaper, RestoreBringsBackTheGnomeBackground) {
    if (QProcess::execute("gsettings", {"--version"}) != 0) GTEST_SKIP() << "gsettings is not installed";
    setenv("XDG_CURRENT_DESKTOP", "GNOME", 1);
    setenv("GSETTINGS_BACKEND", "keyfile", 1);  // no desktop session needed
    setenv("XDG_CONFIG_HOME", home.file("config").c_str(), 1);
    gsettings("picture-uri", "file:///home/u/beach.jpg");
    gsettings("picture-options", "wallpaper");
    AppState& app = showPicture();
    send(Msg::Command, 1373);  // Stretch
    EXPECT_EQ(gsettings("picture-uri"), "'file://" + app.wallpaperPath + "'");
    EXPECT_EQ(gsettings("picture-options"), "'stretched'");
    const WallpaperStore store = WallpaperStore::load(app.wallpaperStorePath);
    EXPECT_EQ(store.previousWallpaper, "/home/u/beach.jpg");
    EXPECT_EQ(store.previousTile, "1");
    send(Msg::Command, 1375);  // Restore
    EXPECT_EQ(gsettings("picture-uri"), "'file:///home/u/beach.jpg'");
    EXPECT_EQ(gsettings("picture-options"), "'wallpaper'");
    for (const char* name : {"XDG_CURRENT_DESKTOP", "GSETTINGS_BACKEND", "XDG_CONFIG_HOME"}) unsetenv(name);
}
