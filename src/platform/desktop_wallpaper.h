#pragma once
#include <QImage>
#include <string>

enum class WallpaperPlacement { Center, Tile, Stretch };

// Shows the picture file as the desktop background through the desktop's own means: the
// GNOME-family settings, Xfce's, KDE Plasma's desktop scripting, or else the X root window's
// background pixmap as root-window setters leave it. An empty path clears the background to
// black. False when nothing took it.
bool setDesktopWallpaper(const std::string& path, WallpaperPlacement placement);

// The desktop's background as it is now.
struct DesktopBackground {
    std::string path;  // the picture file shown; empty for none, or when only picture knows it
    QImage picture;    // the X root window's background that no file is known for
    WallpaperPlacement placement = WallpaperPlacement::Center;
};

// Reads the background through the same means setDesktopWallpaper uses. A root window
// background this program set reads as the file it was made from. False when the desktop
// cannot be asked.
bool readDesktopWallpaper(DesktopBackground& background);
