#pragma once
#include <string>

// The desktop wallpaper as the program keeps it: the five values (the wallpaper file, tiling,
// the style, and the backup of what the program replaced) in a small file beside the settings,
// shared by every run, so Restore can bring back the user's own wallpaper.
struct WallpaperStore {
    std::string wallpaper;
    std::string tile = "0";   // "1" tiled
    std::string style = "0";  // "0" centred or tiled, "2" stretched
    std::string previousWallpaper;
    std::string previousTile;

    // An unreadable or missing file reads as empty values.
    static WallpaperStore load(const std::string& path);
    bool save(const std::string& path) const;

    // Points the desktop at the program's file, backing up the wallpaper it replaces (unless that
    // already is the program's file); style 1 centre, 2 tile, 3 stretch, other values none.
    void setStyle(const std::string& programFile, int style);
    // Backs up and empties the wallpaper; false when there was none.
    bool clear();
    // Brings the backed-up wallpaper back; false when there is none. The style stays.
    bool restore();
};
