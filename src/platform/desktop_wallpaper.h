#pragma once
#include <string>

enum class WallpaperPlacement { Center, Tile, Stretch };

// Shows the picture file as the desktop background through the desktop's own means: the
// GNOME-family settings, Xfce's, or else the X root window's background pixmap as root-window
// setters leave it. An empty path clears the background to black. False when nothing took it.
bool setDesktopWallpaper(const std::string& path, WallpaperPlacement placement);
