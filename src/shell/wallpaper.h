#pragma once
#include "config/settings.h"
#include "platform/rect.h"

#include <cstdint>
#include <functional>
#include <string>

class Catalog;
class Picture;

// The picture on show as the desktop wallpaper, and the wallpaper the program replaced.
class Wallpaper {
public:
    // What the wallpaper asks of the rest of the program.
    struct Hooks {
        std::function<bool()> blackboxShell;       // the Blackbox shell is taken to run
        std::function<uint32_t()> blackboxWindow;  // its window, 0 when it does not run
        std::function<int32_t()> zoom;             // the zoom of the picture on show, percent
        std::function<Rect()> screen;              // the primary screen
    };

    Wallpaper(const Settings& settings, const Catalog& catalog, Picture& picture, Hooks hooks);
    Wallpaper(const Wallpaper&) = delete;
    Wallpaper& operator=(const Wallpaper&) = delete;

    // The picture the program writes for the desktop.
    const std::string& path() const { return path_; }
    // The desktop wallpaper's values and their backup.
    const std::string& storePath() const { return storePath_; }
    void setPaths(std::string path, std::string storePath);
    // How the Blackbox shell places the wallpaper it draws: 1 center, 2 tile, 3 stretch.
    void setBlackboxStyle(int32_t style) { blackboxStyle_ = style; }

    // The Blackbox shell draws the wallpaper itself ("Smart Wallpaper").
    bool blackboxDraws() const;
    void setStyle(int32_t style);  // 1 centre, 2 tile, 3 stretch
    void reapplyDesktop();
    void clear();
    void restore();
    // Shows the picture on show as the desktop wallpaper (the wallpaper layer).
    void update();

private:
    const Settings& settings_;
    const Catalog& catalog_;
    Picture& picture_;
    Hooks hooks_;
    std::string path_;
    std::string storePath_;
    int32_t blackboxStyle_ = 1;
};
