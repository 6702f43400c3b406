#include "app_fixture.h"

#include "root_background.h"
#include "shell/wallpaper_store.h"

#include <QProcess>

namespace {
// What gsettings prints for the key (nothing when it fails), or writes it when a value is given.
std::string gsettings(const char* key, const char* value = nullptr) {
    QStringList arguments{value ? "set" : "get", "org.gnome.desktop.background", key};
    if (value) arguments << QString::fromUtf8(value);
    QProcess process;
    process.start("gsettings", arguments);
    if (!process.waitForFinished(5000) || process.exitCode() != 0) return {};
    return process.readAllStandardOutput().trimmed().toStdString();
}
}  // namespace

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

TEST_F(WallpaperRun, CentreKeepsTheGnomeBackgroundAndRestoreBringsItBack) {
    if (QProcess::execute("gsettings", {"--version"}) != 0) GTEST_SKIP() << "gsettings is not installed";
    setenv("XDG_CURRENT_DESKTOP", "GNOME", 1);
    setenv("GSETTINGS_BACKEND", "keyfile", 1);  // no desktop session needed
    setenv("XDG_CONFIG_HOME", home.file("config").c_str(), 1);
    gsettings("picture-uri", "file:///home/u/beach.jpg");
    gsettings("picture-options", "wallpaper");
    AppState& app = showPicture();
    command(Command::WallpaperCenter);
    EXPECT_EQ(gsettings("picture-uri"), "'file://" + app.wallpaper.path() + "'");
    EXPECT_EQ(gsettings("picture-options"), "'centered'");
    EXPECT_EQ(store(app).previousWallpaper, "/home/u/beach.jpg");
    EXPECT_EQ(store(app).previousTile, "1");
    command(Command::WallpaperRestore);
    EXPECT_EQ(gsettings("picture-uri"), "'file:///home/u/beach.jpg'");
    EXPECT_EQ(gsettings("picture-options"), "'wallpaper'");
    for (const char* name : {"XDG_CURRENT_DESKTOP", "GSETTINGS_BACKEND", "XDG_CONFIG_HOME"}) unsetenv(name);
}
