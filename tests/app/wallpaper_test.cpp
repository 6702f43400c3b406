#include "app_fixture.h"

#include "root_background.h"
#include "shell/wallpaper_store.h"

#include <QProcess>

namespace {
// What a desktop's settings tool prints, or nothing when it fails.
std::string run(const char* program, const QStringList& arguments) {
    QProcess process;
    process.start(program, arguments);
    if (!process.waitForFinished(5000) || process.exitCode() != 0) return {};
    return process.readAllStandardOutput().trimmed().toStdString();
}

// What gsettings prints for the key, or writes it when a value is given.
std::string gsettings(const char* key, const char* value = nullptr) {
    QStringList arguments{value ? "set" : "get", "org.gnome.desktop.background", key};
    if (value) arguments << QString::fromUtf8(value);
    return run("gsettings", arguments);
}

// What xfconf-query prints for the first workspace's property, or writes it when a value is given.
std::string xfconf(const char* property, const char* type = nullptr, const char* value = nullptr) {
    QStringList arguments{"-c", "xfce4-desktop", "-p", QString("/backdrop/screen0/monitor0/workspace0/") + property};
    if (value)
        arguments << "-n"
                  << "-t" << type << "-s" << value;
    return run("xfconf-query", arguments);
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

TEST_F(Wallpaper, RestoreBringsBackTheXfceBackground) {
    // Xfce's settings live in a daemon on the session bus: a bus of the test's own.
    QProcess bus;
    bus.start("dbus-daemon", {"--session", "--nofork", "--print-address=1"});
    if (!bus.waitForReadyRead(5000) || QProcess::execute("xfconf-query", {"--version"}) != 0)
        GTEST_SKIP() << "dbus-daemon or xfconf-query is not installed";
    setenv("DBUS_SESSION_BUS_ADDRESS", bus.readLine().trimmed().constData(), 1);
    setenv("XDG_CURRENT_DESKTOP", "XFCE", 1);
    setenv("XDG_CONFIG_HOME", home.file("config").c_str(), 1);
    ASSERT_EQ(xfconf("last-image", "string", "/home/u/beach.jpg"), "");
    xfconf("image-style", "int", "2");  // tiled
    AppState& app = showPicture();
    send(Msg::Command, 1371);  // Center
    EXPECT_EQ(xfconf("last-image"), app.wallpaperPath);
    EXPECT_EQ(xfconf("image-style"), "1");
    const WallpaperStore store = WallpaperStore::load(app.wallpaperStorePath);
    EXPECT_EQ(store.previousWallpaper, "/home/u/beach.jpg");
    EXPECT_EQ(store.previousTile, "1");
    send(Msg::Command, 1375);  // Restore
    EXPECT_EQ(xfconf("last-image"), "/home/u/beach.jpg");
    EXPECT_EQ(xfconf("image-style"), "2");
    for (const char* name : {"DBUS_SESSION_BUS_ADDRESS", "XDG_CURRENT_DESKTOP", "XDG_CONFIG_HOME"}) unsetenv(name);
    bus.kill();
    bus.waitForFinished();
}
