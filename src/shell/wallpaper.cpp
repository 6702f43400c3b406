// The picture on show as the desktop wallpaper, and the wallpaper the program replaced.
#include "app/app_state.h"
#include "config/paths.h"
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

bool AppState::blackboxDrawsWallpaper() const { return arranger.blackboxShell() && settings.bbWallpaper; }

void AppState::setWallpaperStyle(int32_t style) {
    if (blackboxDrawsWallpaper()) return;
    WallpaperStore store = storeWithDesktop(wallpaperStorePath, wallpaperPath);
    store.setStyle(wallpaperPath, style);
    store.save(wallpaperStorePath);
}

void AppState::reapplyDesktopWallpaper() {
    const WallpaperStore store = WallpaperStore::load(wallpaperStorePath);
    setDesktopWallpaper(store.wallpaper, placementOf(store));
}

void AppState::clearWallpaper() {
    WallpaperStore store = storeWithDesktop(wallpaperStorePath, wallpaperPath);
    if (!store.clear()) return;
    store.save(wallpaperStorePath);
    setDesktopWallpaper("", placementOf(store));
}

void AppState::restoreWallpaper() {
    WallpaperStore store = WallpaperStore::load(wallpaperStorePath);
    if (!store.restore()) return;
    store.save(wallpaperStorePath);
    setDesktopWallpaper(store.wallpaper, placementOf(store));
}

void AppState::updateWallpaper() {
    const Settings& s = settings;
    const bool ownFile = blackboxDrawsWallpaper() && !s.bbWallpaperScale;
    if (!ownFile) {
        const Rect frame = s.wrap || s.layer != 0 ? screenRect : s.windowRect;
        int32_t w = 0, h = 0;
        picture.fitSize(w, h, frame, currentZoom, s.squeeze, s.shrink, s.stretch);
        const QSize size = boundedCopySize({w, h}, {picture.imageWidth(), picture.imageHeight()},
                                           {screenRect.width(), screenRect.height()});
        // A failed save shows what the file held.
        picture.save(wallpaperPath, Picture::Bmp, size.width(), size.height());
    }
    if (!blackboxDrawsWallpaper()) {
        const WallpaperStore store = WallpaperStore::load(wallpaperStorePath);
        setDesktopWallpaper(wallpaperPath, placementOf(store));
        return;
    }
    if (!blackboxWindow) return;
    std::string path = wallpaperPath;
    if (ownFile) {
        path = catalog.currentPath();
        LinkTarget target;
        if (isShortcut(path) && ShellLink().readShortcut(path, target, false)) path = target.path;
    }
    for (const std::string& command : blackboxWallpaperCommands(blackboxWallpaperStyle, path, s.bbWallpaperScale)) {
        const BlackboxBlock block = blackboxBlock(command);
        sendCopyData(blackboxWindow, blackboxCopyDataNumber, block.data(), block.size());
    }
}
