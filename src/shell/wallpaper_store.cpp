#include "shell/wallpaper_store.h"

#include "config/settings_file.h"

#include <vector>

namespace {
std::vector<SettingBinding> rows(WallpaperStore& s) {
    return {{"Wallpaper", SettingType::String, &s.wallpaper},
            {"TileWallpaper", SettingType::String, &s.tile},
            {"WallpaperStyle", SettingType::String, &s.style},
            {"PrevWallpaper", SettingType::String, &s.previousWallpaper},
            {"PrevTileWallpaper", SettingType::String, &s.previousTile}};
}
constexpr const char* section = "[Desktop]";
}  // namespace

WallpaperStore WallpaperStore::load(const std::string& path) {
    WallpaperStore store;
    SettingsFile file(path, SettingsFile::Read);
    file.readSection(rows(store), section);
    return store;
}

bool WallpaperStore::save(const std::string& path) const {
    WallpaperStore copy = *this;
    SettingsFile file(path, SettingsFile::Write);
    file.writeSection(rows(copy), section);
    return file.commit();
}

void WallpaperStore::setStyle(const std::string& programFile, int newStyle) {
    if (wallpaper != programFile) {
        if (!wallpaper.empty()) {
            previousWallpaper = wallpaper;
            previousTile = tile;
        }
        wallpaper = programFile;
    }
    switch (newStyle) {
    case 1: tile = "0", style = "0"; break;
    case 2: tile = "1", style = "0"; break;
    case 3: tile = "0", style = "2"; break;
    default: break;
    }
}

bool WallpaperStore::clear() {
    if (wallpaper.empty()) return false;
    previousWallpaper = wallpaper;
    previousTile = tile;
    wallpaper.clear();
    tile = "0";
    return true;
}

bool WallpaperStore::restore() {
    if (previousWallpaper.empty()) return false;
    wallpaper = previousWallpaper;
    tile = previousTile;
    return true;
}
