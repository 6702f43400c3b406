#pragma once
#include "app/menus.h"
#include "catalog/catalog.h"
#include "config/settings.h"
#include "display/canvas.h"
#include "display/picture.h"
#include "platform/rect.h"
#include "slideshow/slideshow.h"
#include "window/show_hide_key.h"
#include "window/window_arranger.h"

#include <QFont>
#include <cstdint>
#include <functional>
#include <string>
#include <vector>

class WindowHost;

// The one application object: the settings, the image list and the position in it, the
// display state and the paths the program uses.
class AppState {
public:
    explicit AppState(WindowHost& window);
    ~AppState();
    AppState(const AppState&) = delete;
    AppState& operator=(const AppState&) = delete;

    // Completes the object once it is reachable through appGlobals; ends by showing the window.
    void init();
    // The start sequence: window styles, status bar, hot key, first scan, layer, first picture.
    void start();

    // Handlers the window procedure calls.
    void onCommand(Command command);
    // The popup menu at screen point (x, y): "Main Menu", or with a pin the pinned sub-menu at
    // position subMenu; re-opens itself while pinned.
    void showContextMenu(int32_t x, int32_t y, int subMenu);
    // Runs one of the program's modal dialogs with the slideshow suspended and the cursor shown.
    void runModal(const std::function<void()>& dialog);
    // The numeric-input dialog of the template on a setting; false when cancelled.
    bool askSetting(int templateId, int32_t& setting);
    // The slideshow's timer and the animation's; at the end of the countdown the next picture.
    void onTimer(int timerId);
    // The window comes back from minimised: the show goes on, and a window minimised for the
    // wallpaper layer (no notification area to wait in) returns to the normal layer.
    void onRestore();
    void onHotKey(int hotKeyId);
    // TrayLeftClick shows or hides the window; TrayRightClick opens the menu at the cursor.
    void onTrayNotify(int click);
    // Fills parts 0 to 4 of the status bar for the picture on show.
    void updateStatusBar();
    // The caption and the tray tip for the picture on show.
    void updateCaption();
    // The countdown in the status bar, when there is one.
    void showCountdown();
    // The running count of a peek scan in the status bar's position part, when asked for.
    void showPeekCount();
    // Hides the main window or shows it again.
    void toggleVisible();
    // Composes the view off-screen and brings it to the screen image; a transition or a glide
    // it calls for is left to afterPaint, which draws it step by step on the screen.
    void onPaint();
    void afterPaint();
    // Reveals the image on the screen at (x, y) by the effect, step by step.
    void runTransition(const QImage& image, int32_t x, int32_t y, int effect);
    // The file name in white with a black shadow at the top left (fullscreen).
    void drawNameText();
    // Starts a new, empty collage the size of the view (of the screen when fullscreen).
    void resetCollage();
    // Adds the picture on show to the collage as a tile at a random place.
    void paintCollage();
    // Shows the collage built so far again, with the name over it in fullscreen when asked.
    void showCollage();
    // The background colour (0xRRGGBB) for newly exposed window areas; false for a hollow
    // brush that leaves the old content visible.
    bool dialogBackgroundBrush(uint32_t& colour) const;
    void onSize(int32_t clientWidth, int32_t clientHeight);
    void onMouseMove(int32_t x, int32_t y, int32_t flags);
    void onLButtonDown(int32_t x, int32_t y, int32_t flags);
    void onLButtonUp(int32_t x, int32_t y, int32_t flags);
    // delta: signed, 120 per notch, positive away from the user (vertical) or to the right
    // (sideways); a touchpad sends fractions of a notch.
    void onMouseWheel(int32_t delta);
    void onMouseHWheel(int32_t delta);
    void onDropFiles(const std::vector<std::string>& files);

    // Reads the settings file (save false) or writes it (save true); false when it could not.
    bool loadOrSaveSettings(bool save);
    // Stamps the program version into the settings and writes them.
    bool saveSettings();
    // Applies the switches and the path argument after the program name, in order.
    void applyCommandLine(const std::vector<std::string>& arguments);

    // Operations of other parts of the program that the start sequence and the command line use.
    // Asks for a picture's number (1 the first) and shows it; other numbers do nothing.
    void goTo();
    // Loads the current entry (a shortcut's target); an entry that does not load is reported,
    // leaves no picture and answers false. The list is not empty.
    bool loadCurrent();
    // Turns the freshly loaded picture by the rotation setting, unless the aspect filter says
    // its orientation already suits the frame.
    void applyRotationLock();
    // 101: the list is empty ("No files"); 102: the picture at currentPath did not load.
    void reportLoadFailure(int code);
    // Sizes, shapes and places the window for the picture in the current layer and has it
    // painted at once.
    void arrangeWindow();
    // Wrap and Crop: the window follows the picture's size; it loses its frame and
    // status bar and is cut to the picture.
    void toggleWrap();
    void toggleCrop();
    // Preset 1 to 5: the window put back at its rectangle.
    void restorePreset(int n);
    // Lays the picture out again for the fullscreen layer and covers the screen.
    void relayoutFullscreen();
    // Shows the picture on show as the desktop wallpaper (the wallpaper layer).
    void updateWallpaper();
    // Next (+1) or Previous (-1) by 1, by 5 with Shift held, by 10 with Control held, wrapping.
    void step(int32_t direction);

    // Fit, zoom, turn and anchor the picture on show.
    void resetZoom();
    // Toggles squeeze, shrink or stretch and fits the picture again.
    void toggleFit(bool Settings::*fit);
    // direction +1 zooms in, -1 out, by zoomstep percent (1 with Alt held).
    void zoomBy(int32_t direction);
    void zoomToggle100();
    // The percentage shown becomes the zoom for every picture (100 % returns to own size).
    void zoomLock();
    void setZoomQuality(int32_t quality);
    // Animated pictures: the frames of the picture on show follow one another while animate is
    // on and no collage is built; each new frame is painted in place at the shown size.
    void playAnimation();
    // True when the timer was the animation's (its next frame is then on show).
    bool onAnimationTimer(int timerId);
    // 1 turn right, 3 turn left, 4 mirror; a fitted picture is fitted again.
    void turnPicture(int type);
    void setLayout(int32_t anchor);
    // 0 normal, 1 fullscreen (a second 1 leaves it), 2 wallpaper.
    void setLayer(int32_t newLayer);
    // Shows the current entry, dropping entries that do not load and, with the landscape or
    // portrait filter, walking forward or back to one of the wanted orientation. After
    // failuresPerTurn failures it drops them, lets the window answer, and goes on from a
    // posted ShowOn.
    void showCurrent(bool forward);
    static constexpr uint32_t failuresPerTurn = 1000;
    // Show/Hide Hotkey: the dialog that picks the hot key.
    void hotKeyCommand();
    // Where pictures are shown: the client area above the status bar.
    Rect viewRect() const;
    // How far the displayed picture exceeds the view in each direction.
    void computeScrollRange();
    // Shows the part of the displayed picture at the scroll position, gliding there from the
    // top left the first time for a new picture.
    void scrollView();
    // Pixels per scroll command: x2 with Shift, x5 with Control, 1 with Alt.
    int32_t scrollStepSize() const;
    // The scroll commands: steps of scrollStepSize in the given directions (-1, 0, 1).
    void scrollBy(int32_t across, int32_t down);
    // The file commands. A pasted picture is no file: says "Not a file" and answers true.
    bool isPastedPicture() const;
    void changeFiles(bool dialog, const std::function<void()>& operation);
    void copyOrMoveFile(bool move);
    // Saves the picture as shown (turned, at its displayed size) as JPEG or BMP.
    void saveViewAs();
    void recycleCurrent();
    // The visible part of the view to the clipboard.
    void copyView();
    // What Copy Image and Save As take: the collage as built, or the picture as shown (turned, at
    // its displayed size unless that has more pixels than both its own size and the screen).
    QImage shownPicture();
    // A picture from the clipboard, at 100 %; the slideshow stops.
    void paste();
    // The picture in the image viewer (or its associated program); its folder in the file manager.
    void viewFile();
    void exploreFolder();
    // A chooser of the installed programs that open the picture's type.
    void openWith();
    // Filing: the folder chooser for the archive (true) or the favorites; false when cancelled.
    bool chooseFilingFolder(bool archive);
    const std::string& favoritesFolder();
    // A shortcut to, or a copy of, the current file in the folder under a free name.
    void sendShortcut(const std::string& folder);
    void sendCopy(const std::string& folder);
    // The pictures of another folder (the root stays); back to the root's when it has none.
    void viewFolder(const std::string& folder);
    // The pictures of the folder a shortcut entry points into.
    void viewTarget();
    // Moves the current file into the archive folder under a free name, and logs the move.
    void archiveCurrent();
    // Chooses the image viewer (true) or the file manager program.
    void programPathDialog(bool viewer);
    void setWallpaperStyle(int32_t style);  // 1 centre, 2 tile, 3 stretch
    void reapplyDesktopWallpaper();
    void clearWallpaper();
    void restoreWallpaper();
    // The Blackbox shell draws the wallpaper itself ("Smart Wallpaper").
    bool blackboxDrawsWallpaper() const;

    // Every stored setting and the command-line flags.
    Settings settings;

    // --- Window and system ---
    WindowHost& mainWindow;
    // The image list, the position in it and the picture on show.
    Catalog catalog;
    // The slideshow's countdown.
    Slideshow slideshow;
    Rect screenRect;  // 0, 0, primary screen width, height
    // The window's place, status bar, tray icon and blending.
    WindowArranger arranger;
    QFont textFont;  // for text painted on the picture

    // --- Paths (bytes) ---
    std::string settingsPath;
    std::string helpPath;
    std::string errorLogPath;
    std::string wallpaperPath;
    std::string wallpaperStorePath;  // the desktop wallpaper's values and their backup
    std::string archiveLogPath;
    std::string desktopPath;
    static constexpr const char* clipboardName = "Clipboard_Image";  // the path of a pasted picture

    // --- Display ---
    int32_t currentZoom = 0;      // percent; 0 = not yet fitted
    int32_t currentRotation = 0;  // degrees
    bool zoomLocked = false;
    int32_t fullscreenSavedLayout = 0;
    bool inSizeMove = false;
    Picture picture;
    Canvas viewCanvas;
    Canvas tileCanvas;
    uint32_t lastPaintedIndex = 99999;
    // Left by the last paint for afterPaint: the image a transition reveals and where.
    struct PendingTransition {
        QImage image;
        int32_t x = 0, y = 0;
        int effect = -1;  // none
    } pendingTransition;
    bool pendingScroll = false;  // the view glides or scrolls once the frame is on screen

    // --- Scrolling and dragging ---
    int32_t scrollStep = 100;  // pixels
    int32_t scrollX = 0, scrollY = 0, scrollRangeX = 0, scrollRangeY = 0;
    bool dragging = false;    // the left button drags the picture, not the window
    int32_t wheelTurned = 0;  // the part of a wheel notch turned so far, in wheel delta units
    bool scrolled = false;
    Point dragStart;  // screen point where the current drag step began
    Rect dragWindowRect;

    // --- Shell ---
    uint32_t blackboxWindow = 0;         // the Blackbox shell's window, 0 when it does not run
    int32_t blackboxWallpaperStyle = 1;  // 1 center, 2 tile, 3 stretch
    bool blackboxFirstPaint = true;

    // --- Menus ---
    MenuPins pins;

    // The show/hide hot key and the other running copies.
    ShowHideKey showHideKey;
};
