#include "platform/desktop_wallpaper.h"

#include "platform/launch.h"
#include "platform/system.h"

#include <QFile>
#include <QGuiApplication>
#include <QImage>
#include <QPainter>
#include <QProcess>
#include <QScreen>
#include <QUrl>
#include <algorithm>
#include <cstdlib>
#include <cstring>
#include <memory>
#include <xcb/xcb.h>

namespace {

bool desktopIs(std::initializer_list<const char*> names) {
    const std::string desktop = environmentValue("XDG_CURRENT_DESKTOP");
    for (const char* name : names)
        if (desktop.find(name) != std::string::npos) return true;
    return false;
}

// GNOME and its relatives keep the background in their settings.
bool viaGsettings(const std::string& schema, const std::string& key, const std::string& value,
                  const std::string& optionsKey, const char* options) {
    return startProgram("gsettings", {"set", schema, key, value}) &&
           startProgram("gsettings", {"set", schema, optionsKey, options});
}

// Xfce: every monitor's and workspace's last-image property.
bool viaXfconf(const std::string& path, WallpaperPlacement placement) {
    QProcess list;
    list.start(QStringLiteral("xfconf-query"), {QStringLiteral("-c"), QStringLiteral("xfce4-desktop"), QStringLiteral("-l")});
    if (!list.waitForFinished(3000) || list.exitCode() != 0) return false;
    const char* style = placement == WallpaperPlacement::Tile ? "2" : placement == WallpaperPlacement::Stretch ? "3" : "1";
    bool any = false;
    for (const QByteArray& line : list.readAllStandardOutput().split('\n')) {
        if (line.endsWith("last-image")) {
            const std::string property = line.toStdString();
            any = startProgram("xfconf-query", {"-c", "xfce4-desktop", "-p", property, "-s", path}) || any;
            startProgram("xfconf-query", {"-c", "xfce4-desktop", "-p", property.substr(0, property.size() - 10) + "image-style",
                                          "-s", style});
        }
    }
    return any;
}

xcb_atom_t atom(xcb_connection_t* c, const char* name) {
    std::unique_ptr<xcb_intern_atom_reply_t, decltype(&std::free)> r(
        xcb_intern_atom_reply(c, xcb_intern_atom(c, 0, uint16_t(strlen(name)), name), nullptr), &std::free);
    return r ? r->atom : xcb_atom_t(XCB_ATOM_NONE);
}

// The picture laid on a screen-sized ground as the placement says.
QImage background(const std::string& path, WallpaperPlacement placement, QSize screen) {
    QImage ground(screen, QImage::Format_RGB32);
    ground.fill(Qt::black);
    QImage picture;
    if (!path.empty()) picture.load(QFile::decodeName(path.c_str()));
    if (picture.isNull()) return ground;
    QPainter painter(&ground);
    if (placement == WallpaperPlacement::Stretch)
        painter.drawImage(ground.rect(), picture.scaled(screen, Qt::IgnoreAspectRatio, Qt::SmoothTransformation));
    else if (placement == WallpaperPlacement::Tile)
        painter.drawTiledPixmap(ground.rect(), QPixmap::fromImage(picture));
    else
        painter.drawImage((screen.width() - picture.width()) / 2, (screen.height() - picture.height()) / 2, picture);
    return ground;
}

// As root-window setters do: a pixmap left behind on the server (the connection that made it
// retains it), announced in _XROOTPMAP_ID and ESETROOT_PMAP_ID; the one it replaces is freed.
bool viaRootPixmap(const std::string& path, WallpaperPlacement placement) {
    int screenNumber = 0;
    xcb_connection_t* c = xcb_connect(nullptr, &screenNumber);
    if (xcb_connection_has_error(c)) {
        xcb_disconnect(c);
        return false;
    }
    xcb_screen_iterator_t it = xcb_setup_roots_iterator(xcb_get_setup(c));
    for (int i = 0; i < screenNumber && it.rem; ++i) xcb_screen_next(&it);
    const xcb_screen_t* screen = it.data;
    const QImage ground =
        background(path, placement, QSize(screen->width_in_pixels, screen->height_in_pixels)).convertToFormat(QImage::Format_RGB32);
    const xcb_pixmap_t pixmap = xcb_generate_id(c);
    xcb_create_pixmap(c, screen->root_depth, pixmap, screen->root, uint16_t(ground.width()), uint16_t(ground.height()));
    const xcb_gcontext_t gc = xcb_generate_id(c);
    xcb_create_gc(c, gc, pixmap, 0, nullptr);
    // In bands that fit the server's largest request.
    const uint32_t maxBytes = xcb_get_maximum_request_length(c) * 4 - 64;
    const int rowsPerBand = std::max(1, int(maxBytes / uint32_t(ground.bytesPerLine())));
    for (int y = 0; y < ground.height(); y += rowsPerBand) {
        const int rows = std::min(rowsPerBand, ground.height() - y);
        xcb_put_image(c, XCB_IMAGE_FORMAT_Z_PIXMAP, pixmap, gc, uint16_t(ground.width()), uint16_t(rows), 0, int16_t(y), 0,
                      screen->root_depth, uint32_t(rows * ground.bytesPerLine()), ground.constScanLine(y));
    }
    xcb_free_gc(c, gc);

    const xcb_atom_t rootId = atom(c, "_XROOTPMAP_ID"), setRootId = atom(c, "ESETROOT_PMAP_ID");
    const auto pixmapOf = [&](xcb_atom_t property) -> uint32_t {
        std::unique_ptr<xcb_get_property_reply_t, decltype(&std::free)> r(
            xcb_get_property_reply(c, xcb_get_property(c, 0, screen->root, property, XCB_ATOM_PIXMAP, 0, 1), nullptr),
            &std::free);
        return r && xcb_get_property_value_length(r.get()) == 4 ? *static_cast<const uint32_t*>(xcb_get_property_value(r.get()))
                                                                : 0;
    };
    // The setter before us left its pixmap behind; it is freed only when both names agree on
    // it, as setters have it, so no live program's resources are ever taken for it.
    const uint32_t previous = pixmapOf(setRootId);
    if (previous && previous == pixmapOf(rootId)) xcb_kill_client(c, previous);
    xcb_change_window_attributes(c, screen->root, XCB_CW_BACK_PIXMAP, &pixmap);
    xcb_clear_area(c, 0, screen->root, 0, 0, 0, 0);
    for (xcb_atom_t property : {rootId, setRootId})
        xcb_change_property(c, XCB_PROP_MODE_REPLACE, screen->root, property, XCB_ATOM_PIXMAP, 32, 1, &pixmap);
    xcb_set_close_down_mode(c, XCB_CLOSE_DOWN_RETAIN_PERMANENT);
    // A round trip before leaving: the server has taken every request when the answer comes.
    std::free(xcb_get_input_focus_reply(c, xcb_get_input_focus(c), nullptr));
    xcb_disconnect(c);
    return true;
}

}  // namespace

bool setDesktopWallpaper(const std::string& path, WallpaperPlacement placement) {
    const char* gnomeOptions = placement == WallpaperPlacement::Tile      ? "wallpaper"
                               : placement == WallpaperPlacement::Stretch ? "stretched"
                                                                          : "centered";
    const std::string uri = path.empty() ? "" : QUrl::fromLocalFile(QFile::decodeName(path.c_str())).toString().toStdString();
    if (desktopIs({"GNOME", "Unity", "Budgie", "Pantheon"}))
        return viaGsettings("org.gnome.desktop.background", "picture-uri", uri, "picture-options", gnomeOptions) &&
               startProgram("gsettings", {"set", "org.gnome.desktop.background", "picture-uri-dark", uri});
    if (desktopIs({"Cinnamon"}))
        return viaGsettings("org.cinnamon.desktop.background", "picture-uri", uri, "picture-options", gnomeOptions);
    if (desktopIs({"MATE"}))
        return viaGsettings("org.mate.background", "picture-filename", path, "picture-options", gnomeOptions);
    if (desktopIs({"XFCE"}) && viaXfconf(path, placement)) return true;
    return viaRootPixmap(path, placement);
}
