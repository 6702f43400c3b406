#include "platform/desktop_wallpaper.h"

#include "platform/system.h"

#include <QDBusInterface>
#include <QDBusReply>
#include <QFile>
#include <QPainter>
#include <QProcess>
#include <QUrl>
#include <algorithm>
#include <cstdlib>
#include <cstring>
#include <memory>
#include <xcb/xcb.h>

namespace {

bool desktopIs(const char* name) { return environmentValue("XDG_CURRENT_DESKTOP").find(name) != std::string::npos; }

// Runs a desktop's settings tool and waits for it; false when it is missing or fails.
bool run(const QString& program, const QStringList& arguments, QByteArray* output = nullptr) {
    QProcess process;
    process.start(program, arguments);
    if (!process.waitForFinished(5000) || process.exitStatus() != QProcess::NormalExit || process.exitCode() != 0)
        return false;
    if (output) *output = process.readAllStandardOutput();
    return true;
}

QString text(const std::string& bytes) { return QFile::decodeName(bytes.c_str()); }

std::string fileUri(const std::string& path) {
    return path.empty() ? "" : QUrl::fromLocalFile(text(path)).toString().toStdString();
}

std::string pathOfUri(const QString& uri) {
    const QUrl url(uri);
    return url.isLocalFile() ? QFile::encodeName(url.toLocalFile()).toStdString() : std::string();
}

// A GVariant string as gsettings prints it: in quotes, with backslash escapes.
QString unquoted(const QByteArray& printed) {
    const QByteArray quoted = printed.trimmed();
    QByteArray out;
    for (qsizetype i = 1; i + 1 < quoted.size(); ++i) {
        if (quoted[i] == '\\' && i + 2 < quoted.size()) ++i;
        out += quoted[i];
    }
    return QString::fromUtf8(out);
}

// GNOME and its relatives keep the background in their settings, as a URI or as a path.
struct GsettingsRoute {
    const char* schema;
    const char* key;
    bool uri;
};

const GsettingsRoute* gsettingsRoute() {
    static const struct {
        const char* desktop;
        GsettingsRoute route;
    } routes[] = {
        {"GNOME", {"org.gnome.desktop.background", "picture-uri", true}},
        {"Unity", {"org.gnome.desktop.background", "picture-uri", true}},
        {"Budgie", {"org.gnome.desktop.background", "picture-uri", true}},
        {"Pantheon", {"org.gnome.desktop.background", "picture-uri", true}},
        {"Cinnamon", {"org.cinnamon.desktop.background", "picture-uri", true}},
        {"MATE", {"org.mate.background", "picture-filename", false}},
    };
    for (const auto& r : routes)
        if (desktopIs(r.desktop)) return &r.route;
    return nullptr;
}

bool setViaGsettings(const GsettingsRoute& r, const std::string& path, WallpaperPlacement placement) {
    const char* options = placement == WallpaperPlacement::Tile      ? "wallpaper"
                          : placement == WallpaperPlacement::Stretch ? "stretched"
                                                                     : "centered";
    const QString value = text(r.uri ? fileUri(path) : path);
    const QString schema = QString::fromUtf8(r.schema);
    // GNOME shows a second picture in its dark style.
    const bool dark = r.uri && std::strcmp(r.schema, "org.gnome.desktop.background") == 0;
    return run("gsettings", {"set", schema, QString::fromUtf8(r.key), value}) &&
           run("gsettings", {"set", schema, "picture-options", QString::fromUtf8(options)}) &&
           (!dark || run("gsettings", {"set", schema, "picture-uri-dark", value}));
}

bool readViaGsettings(const GsettingsRoute& r, DesktopBackground& background) {
    QByteArray value, options;
    const QString schema = QString::fromUtf8(r.schema);
    if (!run("gsettings", {"get", schema, QString::fromUtf8(r.key)}, &value) ||
        !run("gsettings", {"get", schema, "picture-options"}, &options))
        return false;
    background.path = r.uri ? pathOfUri(unquoted(value)) : QFile::encodeName(unquoted(value)).toStdString();
    const QString style = unquoted(options);
    background.placement = style == "wallpaper"   ? WallpaperPlacement::Tile
                           : style == "stretched" ? WallpaperPlacement::Stretch
                                                  : WallpaperPlacement::Center;
    return true;
}

// Xfce: every monitor's and workspace's last-image property, and its image-style beside it.
QList<QByteArray> xfceImageProperties() {
    QByteArray list;
    if (!run("xfconf-query", {"-c", "xfce4-desktop", "-l"}, &list)) return {};
    QList<QByteArray> properties;
    for (const QByteArray& line : list.split('\n'))
        if (line.endsWith("last-image")) properties << line;
    return properties;
}

QString xfceStyleProperty(const QByteArray& imageProperty) {
    return QString::fromUtf8(imageProperty.chopped(10)) + "image-style";
}

bool setViaXfconf(const std::string& path, WallpaperPlacement placement) {
    const char* style = placement == WallpaperPlacement::Tile      ? "2"
                        : placement == WallpaperPlacement::Stretch ? "3"
                                                                   : "1";
    bool any = false;
    for (const QByteArray& property : xfceImageProperties()) {
        any = run("xfconf-query", {"-c", "xfce4-desktop", "-p", QString::fromUtf8(property), "-s", text(path)}) || any;
        run("xfconf-query", {"-c", "xfce4-desktop", "-p", xfceStyleProperty(property), "-s", style});
    }
    return any;
}

bool readViaXfconf(DesktopBackground& background) {
    const QList<QByteArray> properties = xfceImageProperties();
    QByteArray image, style;
    if (properties.isEmpty() ||
        !run("xfconf-query", {"-c", "xfce4-desktop", "-p", QString::fromUtf8(properties[0])}, &image))
        return false;
    run("xfconf-query", {"-c", "xfce4-desktop", "-p", xfceStyleProperty(properties[0])}, &style);
    background.path = image.trimmed().toStdString();
    const int s = style.trimmed().toInt();
    background.placement = s == 2   ? WallpaperPlacement::Tile
                           : s == 3 ? WallpaperPlacement::Stretch
                                    : WallpaperPlacement::Center;
    return true;
}

// KDE Plasma: its desktop scripting, over D-Bus; the answer is what the script prints.
bool plasmaScript(const QString& script, QString* output = nullptr) {
    QDBusInterface shell("org.kde.plasmashell", "/PlasmaShell", "org.kde.PlasmaShell");
    if (!shell.isValid()) return false;
    const QDBusReply<QString> reply = shell.call("evaluateScript", script);
    if (!reply.isValid()) return false;
    if (output) *output = reply.value();
    return true;
}

const char* plasmaImageGroup = "d.currentConfigGroup = ['Wallpaper', 'org.kde.image', 'General'];";

bool setViaPlasma(const std::string& path, WallpaperPlacement placement) {
    // Fill modes: 0 stretched, 3 tiled, 6 centred at its own size.
    const int mode = placement == WallpaperPlacement::Tile ? 3 : placement == WallpaperPlacement::Stretch ? 0 : 6;
    const QString uri = text(fileUri(path)).replace('\\', "\\\\").replace('\'', "\\'");
    return plasmaScript(QString("var all = desktops(); for (var i = 0; i < all.length; ++i) { var d = all[i];"
                                " d.wallpaperPlugin = 'org.kde.image'; %1 d.writeConfig('Image', '%2');"
                                " d.writeConfig('FillMode', %3); }")
                            .arg(plasmaImageGroup, uri)
                            .arg(mode));
}

bool readViaPlasma(DesktopBackground& background) {
    QString printed;
    if (!plasmaScript(
            QString("var d = desktops()[0]; %1 print(d.readConfig('Image') + '\\n' + d.readConfig('FillMode'));")
                .arg(plasmaImageGroup),
            &printed))
        return false;
    const QStringList lines = printed.split('\n');
    background.path = pathOfUri(lines.value(0).trimmed());
    const int mode = lines.value(1).trimmed().toInt();
    background.placement = mode == 3   ? WallpaperPlacement::Tile
                           : mode == 0 ? WallpaperPlacement::Stretch
                                       : WallpaperPlacement::Center;
    return true;
}

// The X root window, through a connection of its own.
class RootWindow {
public:
    RootWindow() {
        int screenNumber = 0;
        c_ = xcb_connect(nullptr, &screenNumber);
        if (xcb_connection_has_error(c_)) return;
        xcb_screen_iterator_t it = xcb_setup_roots_iterator(xcb_get_setup(c_));
        for (int i = 0; i < screenNumber && it.rem; ++i) xcb_screen_next(&it);
        screen_ = it.data;
    }
    ~RootWindow() { xcb_disconnect(c_); }
    RootWindow(const RootWindow&) = delete;
    RootWindow& operator=(const RootWindow&) = delete;

    explicit operator bool() const { return screen_ != nullptr; }
    xcb_connection_t* connection() const { return c_; }
    const xcb_screen_t& screen() const { return *screen_; }

    xcb_atom_t atom(const char* name) const {
        std::unique_ptr<xcb_intern_atom_reply_t, decltype(&std::free)> r(
            xcb_intern_atom_reply(c_, xcb_intern_atom(c_, 0, uint16_t(strlen(name)), name), nullptr), &std::free);
        return r ? r->atom : xcb_atom_t(XCB_ATOM_NONE);
    }
    QByteArray property(xcb_atom_t name, xcb_atom_t type) const {
        std::unique_ptr<xcb_get_property_reply_t, decltype(&std::free)> r(
            xcb_get_property_reply(c_, xcb_get_property(c_, 0, screen_->root, name, type, 0, 1 << 20), nullptr),
            &std::free);
        return r ? QByteArray(static_cast<const char*>(xcb_get_property_value(r.get())),
                              xcb_get_property_value_length(r.get()))
                 : QByteArray();
    }
    uint32_t pixmap(xcb_atom_t name) const {
        const QByteArray value = property(name, XCB_ATOM_PIXMAP);
        uint32_t id = 0;
        if (value.size() == 4) std::memcpy(&id, value.constData(), 4);
        return id;
    }

private:
    xcb_connection_t* c_ = nullptr;
    const xcb_screen_t* screen_ = nullptr;
};

// Where root-window setters announce their pixmap, and where this program notes the pixmap it
// set and the file it was made from.
constexpr const char* rootPixmapName = "_XROOTPMAP_ID";
constexpr const char* setRootPixmapName = "ESETROOT_PMAP_ID";
constexpr const char* ownPixmapName = "_VIMBLE_PMAP_ID";
constexpr const char* ownFileName = "_VIMBLE_PMAP_FILE";

// The picture laid on a screen-sized ground as the placement says.
QImage background(const std::string& path, WallpaperPlacement placement, QSize screen) {
    QImage ground(screen, QImage::Format_RGB32);
    ground.fill(Qt::black);
    QImage picture;
    if (!path.empty()) picture.load(text(path));
    if (picture.isNull()) return ground;
    QPainter painter(&ground);
    if (placement == WallpaperPlacement::Stretch)
        painter.drawImage(ground.rect(), picture.scaled(screen, Qt::IgnoreAspectRatio, Qt::SmoothTransformation));
    else if (placement == WallpaperPlacement::Tile) painter.drawTiledPixmap(ground.rect(), QPixmap::fromImage(picture));
    else painter.drawImage((screen.width() - picture.width()) / 2, (screen.height() - picture.height()) / 2, picture);
    return ground;
}

// As root-window setters do: a pixmap left behind on the server (the connection that made it
// retains it), announced in _XROOTPMAP_ID and ESETROOT_PMAP_ID; the one it replaces is freed.
bool setRootPixmap(const std::string& path, WallpaperPlacement placement) {
    const RootWindow root;
    if (!root) return false;
    xcb_connection_t* c = root.connection();
    const xcb_screen_t& screen = root.screen();
    const QImage ground = background(path, placement, QSize(screen.width_in_pixels, screen.height_in_pixels))
                              .convertToFormat(QImage::Format_RGB32);
    // Once this pixmap is freed by the next setter, its connection's ids go to new clients, whose
    // first few resources must not pass for this one: it takes an id far into the range.
    for (uint32_t skip = 4096 + uint32_t(std::rand() % 65536); skip > 0; --skip) xcb_generate_id(c);
    const xcb_pixmap_t pixmap = xcb_generate_id(c);
    xcb_create_pixmap(c, screen.root_depth, pixmap, screen.root, uint16_t(ground.width()), uint16_t(ground.height()));
    const xcb_gcontext_t gc = xcb_generate_id(c);
    xcb_create_gc(c, gc, pixmap, 0, nullptr);
    // In bands that fit the server's largest request.
    const uint32_t maxBytes = xcb_get_maximum_request_length(c) * 4 - 64;
    const int rowsPerBand = std::max(1, int(maxBytes / uint32_t(ground.bytesPerLine())));
    for (int y = 0; y < ground.height(); y += rowsPerBand) {
        const int rows = std::min(rowsPerBand, ground.height() - y);
        xcb_put_image(c, XCB_IMAGE_FORMAT_Z_PIXMAP, pixmap, gc, uint16_t(ground.width()), uint16_t(rows), 0, int16_t(y),
                      0, screen.root_depth, uint32_t(rows * ground.bytesPerLine()), ground.constScanLine(y));
    }
    xcb_free_gc(c, gc);

    const xcb_atom_t rootId = root.atom(rootPixmapName), setRootId = root.atom(setRootPixmapName);
    // The setter before us left its pixmap behind; it is freed only when both names agree on
    // it, as setters have it, so no live program's resources are ever taken for it.
    const uint32_t previous = root.pixmap(setRootId);
    if (previous && previous == root.pixmap(rootId)) xcb_kill_client(c, previous);
    xcb_change_window_attributes(c, screen.root, XCB_CW_BACK_PIXMAP, &pixmap);
    xcb_clear_area(c, 0, screen.root, 0, 0, 0, 0);
    for (xcb_atom_t property : {rootId, setRootId, root.atom(ownPixmapName)})
        xcb_change_property(c, XCB_PROP_MODE_REPLACE, screen.root, property, XCB_ATOM_PIXMAP, 32, 1, &pixmap);
    xcb_change_property(c, XCB_PROP_MODE_REPLACE, screen.root, root.atom(ownFileName), XCB_ATOM_STRING, 8,
                        uint32_t(path.size()), path.data());
    xcb_set_close_down_mode(c, XCB_CLOSE_DOWN_RETAIN_PERMANENT);
    // A round trip before leaving: the server has taken every request when the answer comes.
    std::free(xcb_get_input_focus_reply(c, xcb_get_input_focus(c), nullptr));
    return true;
}

// The root window's background: the file this program made it from, or the picture of a pixmap
// another setter left; none without a pixmap.
bool readRootPixmap(DesktopBackground& background) {
    const RootWindow root;
    if (!root) return false;
    background = {};
    const uint32_t shown = root.pixmap(root.atom(rootPixmapName));
    if (!shown) return true;
    if (shown == root.pixmap(root.atom(ownPixmapName))) {
        background.path = root.property(root.atom(ownFileName), XCB_ATOM_STRING).toStdString();
        return true;
    }
    xcb_connection_t* c = root.connection();
    std::unique_ptr<xcb_get_geometry_reply_t, decltype(&std::free)> size(
        xcb_get_geometry_reply(c, xcb_get_geometry(c, shown), nullptr), &std::free);
    if (!size || xcb_get_setup(c)->image_byte_order != XCB_IMAGE_ORDER_LSB_FIRST) return false;
    std::unique_ptr<xcb_get_image_reply_t, decltype(&std::free)> image(
        xcb_get_image_reply(c, xcb_get_image(c, XCB_IMAGE_FORMAT_Z_PIXMAP, shown, 0, 0, size->width, size->height, ~0u),
                            nullptr),
        &std::free);
    // Deep colour only: 24 or 32 bits held in 32 bits a pixel, as QImage's RGB32 has it.
    const int bytes = size->width * size->height * 4;
    if (!image || image->depth < 24 || xcb_get_image_data_length(image.get()) != bytes) return false;
    background.picture =
        QImage(xcb_get_image_data(image.get()), size->width, size->height, size->width * 4, QImage::Format_RGB32)
            .copy();
    return true;
}

}  // namespace

bool setDesktopWallpaper(const std::string& path, WallpaperPlacement placement) {
    if (const GsettingsRoute* route = gsettingsRoute()) return setViaGsettings(*route, path, placement);
    if (desktopIs("XFCE") && setViaXfconf(path, placement)) return true;
    if (desktopIs("KDE") && setViaPlasma(path, placement)) return true;
    return setRootPixmap(path, placement);
}

bool readDesktopWallpaper(DesktopBackground& background) {
    if (const GsettingsRoute* route = gsettingsRoute()) return readViaGsettings(*route, background);
    if (desktopIs("XFCE") && readViaXfconf(background)) return true;
    if (desktopIs("KDE") && readViaPlasma(background)) return true;
    return readRootPixmap(background);
}
