#pragma once
#include "catalog/image_entry.h"
#include "display/canvas.h"
#include "display/picture.h"
#include "platform/rect.h"

#include <QFont>
#include <array>
#include <cstdint>
#include <string>
#include <vector>

class WindowHost;

// The show/hide hot key: modifiers 1 Alt, 2 Control, 4 Shift, 8 Win; key a virtual-key code.
struct HotkeyRecord {
    int32_t modifiers = 2;  // setting hidemod
    int32_t key = 27;       // setting hidekey: Escape
    int32_t id = 1351;
    bool registered = false;
};

// The notification-area icon: shown exactly when trayicon is on or the layer is the wallpaper.
struct TrayRecord {
    static constexpr size_t maxTip = 127;  // characters
    const char* icon = ":/vimble.png";
    std::string tip;
    bool shown = false;
    // Keeps at most maxTip characters of the text, never cutting a character in two.
    void setTip(const std::string& text);
};

// The one application object: every setting, the image list and the position in it, the
// display state and the paths the program uses. Members that mirror a setting carry the
// setting's key in their comment; their initial values are the defaults.
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
    void onCommand(int command);
    void showContextMenu(int32_t x, int32_t y, int subMenu);
    void stopSlideTimer(bool suspend);
    void resumeSlideTimer();
    void onTimer(int timerId);
    void onHotKey(int hotKeyId);
    void onTrayNotify(int mouseMessage);
    void updateStatusBar();
    void onPaint();
    // The background colour (0xRRGGBB) for newly exposed window areas; false for a hollow
    // brush that leaves the old content visible.
    bool dialogBackgroundBrush(uint32_t& colour) const;
    void onSize(int32_t clientWidth, int32_t clientHeight);
    void onMouseMove(int32_t x, int32_t y, int32_t flags);
    void onLButtonDown(int32_t x, int32_t y, int32_t flags);
    void onLButtonUp(int32_t x, int32_t y, int32_t flags);
    void onMouseWheel(int32_t delta);
    void onDropFiles(const std::vector<std::string>& files);

    // Operations the start and exit sequences call.
    void loadOrSaveSettings(bool save);
    void parseCommandLine(const std::vector<std::string>& arguments);
    void startScan(const std::string& root);
    void browseFolder();
    void setLayer(int32_t newLayer);
    void startWatcher(bool restart);
    void showCurrent(bool forward);
    void closeOtherInstances();
    void createStatusBar();
    void registerHotKey();
    void showTrayIcon(bool show);

    // --- Window and system ---
    WindowHost& mainWindow;
    bool blendAvailable = false;  // a compositing manager runs, so the window can be blended
    Rect windowRect;              // left, top, right, bottom: the normal window's frame
    std::array<Rect, 5> presets;  // 1left ... 5bottom
    Rect screenRect;              // 0, 0, primary screen width, height
    int32_t frameWidth = 0;
    int32_t frameHeight = 0;
    int32_t statusBarHeight = 0;
    QFont textFont;  // for text painted on the picture
    TrayRecord trayIcon;

    // --- Paths and names (bytes) ---
    std::string version;  // version: written as "1.97" on every save
    std::string folder;   // folder: the root folder
    std::string settingsPath;
    std::string helpPath;
    std::string errorLogPath;
    std::string wallpaperPath;
    std::string favorites;  // favorites
    std::string archive;    // archive
    std::string archiveLogPath;
    std::string desktopPath;
    std::string currentPath;  // the picture on show
    std::string imageViewer;  // image viewer
    std::string fileManager = "xdg-open";  // file manager
    static constexpr const char* clipboardName = "Clipboard_Image";  // currentPath of a pasted picture

    // --- Slideshow ---
    bool slide = true;                 // slide
    int32_t timer = 5000;              // timer: milliseconds per picture
    uint32_t remaining = 0;            // milliseconds left of the current picture
    static constexpr int32_t tick = 1000;  // milliseconds between countdown steps
    int32_t loop = 0;                  // loop: at the end 0 loop, 1 pause, 2 exit
    bool loopshuffle = false;          // loopshuffle
    bool autoscroll = true;            // autoscroll
    bool slideSuspended = false;

    // --- Image list and position ---
    ImageList images;
    uint32_t currentIndex = 0;  // below images.size() whenever the list is not empty
    int32_t sort = 0;           // sort: 0 forward, 1 reverse, 2 random
    int32_t sortby = 0;         // sortby: 0 name, 1 created, 2 modified, 3 accessed
    int32_t bookmark = 0;       // bookmark
    bool markexit = false;      // markexit
    bool landscapeOnly = false;
    bool portraitOnly = false;

    // --- Folder scan ---
    bool subfolders = true;     // subfolders
    bool hidden = true;         // hidden
    bool peek = true;           // peek
    bool peeksort = false;      // peeksort
    bool peekcount = false;     // peekcount
    bool autorefresh = false;   // autorefresh
    int32_t autofindlast = 1;   // autofindlast
    bool bmp = true, emf = false, gif = true, ico = false, jpg = true, png = true, tif = false;  // formats
    bool scanRunning = false;

    // --- Display ---
    bool wrap = true;             // wrap
    bool crop = false;            // crop
    bool squeeze = true;          // squeeze
    bool shrink = true;           // shrink
    bool stretch = false;         // stretch
    int32_t currentZoom = 0;      // percent; 0 = not yet fitted
    int32_t zoom = 0;             // zoom: locked zoom in percent, 0 = none
    int32_t zoomstep = 10;        // zoomstep
    int32_t zoomquality = 0;      // zoomquality
    int32_t currentRotation = 0;  // degrees
    int32_t rotation = 0;         // rotation
    bool rotateaspect = true;     // rotateaspect
    int32_t layout = 0;           // layout: 0 centred, 1-4 corners, 5 roaming
    bool collage = false;         // collage
    int32_t collagesize = 250;    // collagesize
    bool transitions = true;      // transitions
    bool overlap = true;          // overlap
    std::vector<int32_t> enabledTransitions;  // effect numbers 0..14, ascending
    bool zoomLocked = false;
    int32_t fullscreenSavedLayout = 0;
    bool inSizeMove = false;
    Picture picture;
    Canvas viewCanvas;
    Canvas tileCanvas;
    uint32_t lastPaintedIndex = 99999;

    // --- Scrolling and dragging ---
    int32_t scrollStep = 100;  // pixels
    int32_t scrollX = 0, scrollY = 0, scrollRangeX = 0, scrollRangeY = 0;
    bool dragging = false;
    bool scrolled = false;
    int32_t dragStartX = 0, dragStartY = 0;  // screen point where a left-button drag began
    Rect dragWindowRect;

    // --- Window options ---
    int32_t layer = 0;              // layer: 0 normal, 1 fullscreen, 2 wallpaper
    bool ontop = false;             // ontop
    bool blend = false;             // blend
    int32_t opacity = 127;          // opacity: 0..255
    bool title = true;              // title
    bool fullname = true;           // fullname
    bool statusbar = true;          // statusbar
    bool trayicon = false;          // trayicon
    bool decorate = false;          // decorate
    bool whitebg = false;           // whitebg
    bool autocenter = true;         // autocenter
    bool roamwindow = false;        // roamwindow
    bool corral = true;             // corral
    bool draggable = true;          // draggable
    bool singleinstance = false;    // singleinstance
    bool fullscreenname = true;     // fullscreenname
    bool fullscreencursor = true;   // fullscreencursor
    int32_t fullscreenlayout = 0;   // fullscreenlayout

    // --- Shell ---
    bool archivelog = true;         // archivelog
    bool archiving = false;         // archiving
    bool confirmdelete = true;      // confirmdelete
    uint32_t blackboxWindow = 0;    // the Blackbox shell's window, 0 when it does not run
    bool blackboxShell = false;
    int32_t blackboxWallpaperStyle = 1;  // 1 center, 2 tile, 3 stretch
    int32_t bbCaptionAdjust = 2;    // bb caption adjust
    int32_t bbWindowAdjust = 0;     // bb window adjust
    bool bbWallpaper = true;        // bb wallpaper
    bool bbWallpaperScale = true;   // bb wallpaper scale
    bool blackboxFirstPaint = true;

    // --- Settings and menus ---
    bool savesettings = true;  // savesettings
    bool atCursor = true;      // at cursor
    bool showErrors = false;
    bool logErrors = true;
    bool noShell = false;
    bool noMenu = false;
    bool menuPinned = false;
    int32_t pinnedSubMenu = -1;
    int32_t pinnedNestedMenu = -1;
    int32_t pinnedNestedParent = -1;

    // --- Hot key ---
    HotkeyRecord hotkey;
};
