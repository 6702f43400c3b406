// The picture on show as the desktop wallpaper, and the wallpaper the program replaced.
#include "shell/wallpaper.h"

#include "catalog/catalog.h"
#include "config/paths.h"
#include "display/picture.h"
#include "platform/desktop_wallpaper.h"
#include "platform/x11.h"
#include "shell/blackbox.h"
#include "shell/shell_link.h"
#include "shell/wallpaper_store.h"

namespace {
WallpaperPlacement placementOf(const WallpaperStore& store) {
    if (store.tile == "1") return WallpaperPlacement::Tile;
    if (store.style == "2") return WallpaperPlacement::Stretch;
    return WallpaperPlacement::Center;
}

// The store, with the desktop's background as the desktop shows it now: a background the user
// chose since the program last set one is the one a change backs up. A root window picture
// that no file is known for is kept in a file of its own beside the program's picture.
WallpaperStore storeWithDesktop(const std::string& storePath, const std::string& programFile) {
    WallpaperStore store = WallpaperStore::load(storePath);
    DesktopBackground now;
    if (!readDesktopWallpaper(now)) return store;
    if (!now.picture.isNull()) {
        now.path = folderOf(programFile);
        now.path += "/desktop.bmp";
        Picture kept;
        kept.loadBitmap(now.picture);
        if (kept.save(now.path, Picture::Bmp, kept.imageWidth(), kept.imageHeight()) != Picture::Ok) return store;
    }
    if (now.path != store.wallpaper) {
        store.wallpaper = now.path;
        store.tile.assign(1, now.placement == WallpaperPlacement::Tile ? '1' : '0');
    }
    return store;
}
}  // namespace

Wallpaper::Wallpaper(const Settings& settings, const Catalog& catalog, Picture& picture, Hooks hooks)
    : settings_(settings), catalog_(catalog), picture_(picture), hooks_(std::move(hooks)) {}

void Wallpaper::setPaths(std::string path, std::string storePath) {
    path_ = std::move(path);
    storePath_ = std::move(storePath);
}

bool Wallpaper::blackboxDraws() const { return hooks_.blackboxShell() && settings_.bbWallpaper; }

void Wallpaper::setStyle(int32_t style) {
    if (blackboxDraws()) return;
    WallpaperStore store = storeWithDesktop(storePath_, path_);
    store.setStyle(path_, style);
    store.save(storePath_);
}

void Wallpaper::reapplyDesktop() {
    const WallpaperStore store = WallpaperStore::load(storePath_);
    setDesktopWallpaper(store.wallpaper, placementOf(store));
}

void Wallpaper::clear() {
    WallpaperStore store = storeWithDesktop(storePath_, path_);
    if (!store.clear()) return;
    store.save(storePath_);
    setDesktopWallpaper("", placementOf(store));
}

void Wallpaper::restore() {
    WallpaperStore store = WallpaperStore::load(storePath_);
    if (!store.restore()) return;
    store.save(storePath_);
    setDesktopWallpaper(store.wallpaper, placementOf(store));
}

void Wallpaper::update() {
    const Settings& s = settings_;
    const bool ownFile = blackboxDraws() && !s.bbWallpaperScale;
    if (!ownFile) {
        const Rect screen = hooks_.screen();
        const Rect frame = s.wrap || s.layer != Layer::Normal ? screen : s.windowRect;
        const QSize size =
            boundedCopySize(picture_.fitSize(frame, hooks_.zoom(), s.fit()),
                            {picture_.imageWidth(), picture_.imageHeight()}, {screen.width(), screen.height()});
        // A failed save shows what the file held.
        picture_.save(path_, Picture::Bmp, size.width(), size.height());
    }
    if (!blackboxDraws()) {
        const WallpaperStore store = WallpaperStore::load(storePath_);
        setDesktopWallpaper(path_, placementOf(store));
        return;
    }
    const uint32_t blackboxWindow = hooks_.blackboxWindow();
    if (!blackboxWindow) return;
    std::string path = path_;
    if (ownFile) {
        path = catalog_.currentPath();
        LinkTarget target;
        if (isShortcut(path) && ShellLink().readShortcut(path, target, false)) path = target.path;
    }
    for (const std::string& command : blackboxWallpaperCommands(blackboxStyle_, path, s.bbWallpaperScale)) {
        const BlackboxBlock block = blackboxBlock(command);
        sendCopyData(blackboxWindow, blackboxCopyDataNumber, block.data(), block.size());
    }
}
