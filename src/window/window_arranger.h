#pragma once
#include "config/settings.h"
#include "platform/rect.h"

#include <QSize>
#include <cstdint>
#include <functional>
#include <memory>
#include <string>

class StatusBar;
class TrayIcon;
class WindowHost;

// The notification-area icon: shown exactly when trayicon is on or the layer is the wallpaper.
struct TrayRecord {
    static constexpr size_t maxTip = 127;  // characters
    const char* icon = ":/vimble.png";
    std::string tip;
    std::unique_ptr<TrayIcon> shell;  // null while the icon is not in the notification area
    TrayRecord();
    ~TrayRecord();
    // Keeps at most maxTip characters of the text, never cutting a character in two.
    void setTip(const std::string& text);
};

// What the window learns of the picture on show.
struct ShownPicture {
    std::function<bool()> loaded;
    // The picture's width and height fitted into the bounds at the zoom on show.
    std::function<QSize(const Rect& bounds)> fit;
    // The zoom is kept for every picture, so the picture is not fitted to the window.
    std::function<bool()> zoomLocked;
};

// The window's place in the normal layer (centred, roaming, kept on the screen, the presets),
// its status bar, its notification-area icon and its blending; wrapped, its size follows the
// picture's, and cropped, it is cut to the picture.
class WindowArranger {
public:
    static constexpr int countdownPart = 5, positionPart = 4;  // status bar parts

    // screen: the primary screen's rectangle, kept by the application.
    WindowArranger(Settings& settings, WindowHost& window, const Rect& screen, ShownPicture picture);
    ~WindowArranger();
    WindowArranger(const WindowArranger&) = delete;
    WindowArranger& operator=(const WindowArranger&) = delete;

    // The Blackbox shell runs and reserves room for its caption.
    bool blackboxShell() const { return blackboxShell_; }
    void setBlackboxShell(bool on) { blackboxShell_ = on; }
    // The work area, its top raised for the Blackbox shell's caption unless cropped.
    Rect workArea() const;

    // Every placement ends with the settings' window rectangle where the window really went.
    // Centres the window in the work area, keeping its size.
    void centerWindow();
    void roamWindow();
    // Pulls the window back onto the screen; it may overhang an edge by 10 pixels.
    void corralWindow();
    // Presets 1 to 5: the window's rectangle kept, or the window put back there; either way the
    // window stops following the pictures' sizes.
    void savePreset(int n);
    void placeAtPreset(int n);
    // Sizes the normal window around the picture (wrap), within the work area.
    void fitWindowToPicture();
    // Clips the frameless window to the picture (crop).
    void shapeWindowToPicture();

    // Creates the status bar unless one exists.
    void createStatusBar();
    void destroyStatusBar();
    StatusBar* statusBar() const { return statusBar_.get(); }
    // 0 when there is no status bar.
    int32_t statusBarHeight() const;

    void showTrayIcon(bool show);
    bool trayIconShown() const { return tray_.shell != nullptr; }
    // The tip of the icon, kept while the icon is hidden.
    void setTrayTip(const std::string& text);

    // A compositing manager runs, so the window can be blended.
    bool blendAvailable() const { return blendAvailable_; }
    // Blends the window by the opacity setting when blending is on and possible, else makes it
    // opaque.
    void applyBlend();

private:
    Settings& settings_;
    WindowHost& window_;
    const Rect& screen_;
    ShownPicture picture_;
    bool blackboxShell_ = false;
    bool blendAvailable_ = false;
    std::unique_ptr<StatusBar> statusBar_;  // null when there is none
    int32_t statusBarHeight_ = 0;           // measured as the bar is made
    TrayRecord tray_;
};
