// The picture on show as the desktop wallpaper, and the wallpaper the program replaced.
#include "app/app_state.h"
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
}  // namespace

bool AppState::blackboxDrawsWallpaper() const { return blackboxShell && settings.bbWallpaper; }

void AppState::setWallpaperStyle(int32_t style) {
    if (blackboxDrawsWallpaper()) return;
    WallpaperStore store = WallpaperStore::load(wallpaperStorePath);
    store.setStyle(wallpaperPath, style);
    store.save(wallpaperStorePath);
}

void AppState::reapplyDesktopWallpaper() {
    const WallpaperStore store = WallpaperStore::load(wallpaperStorePath);
    setDesktopWallpaper(store.wallpaper, placementOf(store));
}

void AppState::clearWallpaper() {
    WallpaperStore store = WallpaperStore::load(wallpaperStorePath);
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
        path = currentPath;
        LinkTarget target;
        if (isShortcut(currentPath) && ShellLink().readShortcut(currentPath, target, false)) path = target.path;
    }
    for (const std::string& command : blackboxWallpaperCommands(blackboxWallpaperStyle, path, s.bbWallpaperScale)) {
        const BlackboxBlock block = blackboxBlock(command);
        sendCopyData(blackboxWindow, blackboxCopyDataNumber, block.data(), block.size());
    }
}
