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

class WallpaperRun : public AppFixture {
protected:
    // Shows a 3 x 3 picture in a window larger than it, so the background has black around it.
    AppState& showPicture() {
        AppState& app = startWithPictures({"a.png"});
        app.catalog.setIndex(app.catalog.images()[0].path == home.file("a.png") ? 0 : 1);
        app.showCurrent(true);
        waitForShow(app);
        return app;
    }

    // How a desktop's settings tool shows the background: read(key) prints a value, shown(path)
    // is how it prints a picture file, centred and tiled how it prints those styles.
    struct Settings {
        std::function<std::string(const char* key)> read;
        const char* imageKey;
        const char* styleKey;
        std::function<std::string(const std::string& path)> shown;
        std::string centred, tiled;
    };

    // With the user's tiled /home/u/beach.jpg as the background, Center puts the program's file
    // in its place and keeps the user's as the backup, and Restore brings it back.
    void centreThenRestore(const Settings& desktop) {
        AppState& app = showPicture();
        send(Msg::Command, Command::WallpaperCenter);
        EXPECT_EQ(desktop.read(desktop.imageKey), desktop.shown(app.wallpaper.path()));
        EXPECT_EQ(desktop.read(desktop.styleKey), desktop.centred);
        const WallpaperStore store = WallpaperStore::load(app.wallpaper.storePath());
        EXPECT_EQ(store.previousWallpaper, "/home/u/beach.jpg");
        EXPECT_EQ(store.previousTile, "1");
        send(Msg::Command, Command::WallpaperRestore);
        EXPECT_EQ(desktop.read(desktop.imageKey), desktop.shown("/home/u/beach.jpg"));
        EXPECT_EQ(desktop.read(desktop.styleKey), desktop.tiled);
    }
};

TEST_F(WallpaperRun, RestoreBringsBackTheRootWindowsOwnBackground) {
    if (!setRootBackground(0x3366cc)) GTEST_SKIP() << "no X server in DISPLAY to hold a root background";
    AppState& app = showPicture();
    send(Msg::Command, Command::WallpaperCenter);
    EXPECT_EQ(rootBackgroundPixel(0, 0), 0x000000u);
    const WallpaperStore store = WallpaperStore::load(app.wallpaper.storePath());
    EXPECT_EQ(store.wallpaper, app.wallpaper.path());
    ASSERT_EQ(store.previousWallpaper, home.file("desktop.bmp"));
    EXPECT_EQ(QImage(QString::fromStdString(home.file("desktop.bmp"))).pixel(5, 5) & 0xffffff, 0x3366cCu);
    send(Msg::Command, Command::WallpaperTile);  // the background is the program's own, so the backup stays
    EXPECT_EQ(WallpaperStore::load(app.wallpaper.storePath()).previousWallpaper, home.file("desktop.bmp"));
    send(Msg::Command, Command::WallpaperRestore);
    EXPECT_EQ(rootBackgroundPixel(0, 0), 0x3366ccu);
}

TEST_F(WallpaperRun, RestoreBringsBackTheGnomeBackground) {
    if (QProcess::execute("gsettings", {"--version"}) != 0) GTEST_SKIP() << "gsettings is not installed";
    setenv("XDG_CURRENT_DESKTOP", "GNOME", 1);
    setenv("GSETTINGS_BACKEND", "keyfile", 1);  // no desktop session needed
    setenv("XDG_CONFIG_HOME", home.file("config").c_str(), 1);
    gsettings("picture-uri", "file:///home/u/beach.jpg");
    gsettings("picture-options", "wallpaper");
    centreThenRestore({[](const char* key) { return gsettings(key); }, "picture-uri", "picture-options",
                       [](const std::string& path) { return "'file://" + path + "'"; }, "'centered'", "'wallpaper'"});
    for (const char* name : {"XDG_CURRENT_DESKTOP", "GSETTINGS_BACKEND", "XDG_CONFIG_HOME"}) unsetenv(name);
}

TEST_F(WallpaperRun, RestoreBringsBackTheXfceBackground) {
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
    centreThenRestore({[](const char* key) { return xfconf(key); }, "last-image", "image-style",
                       [](const std::string& path) { return path; }, "1", "2"});
    for (const char* name : {"DBUS_SESSION_BUS_ADDRESS", "XDG_CURRENT_DESKTOP", "XDG_CONFIG_HOME"}) unsetenv(name);
    bus.kill();
    bus.waitForFinished();
}
