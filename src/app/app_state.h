#pragma once
#include "app/menus.h"
#include "catalog/catalog.h"
#include "config/settings.h"
#include "display/decode_cache.h"
#include "display/decoder.h"
#include "display/picture_view.h"
#include "platform/rect.h"
#include "shell/file_commands.h"
#include "shell/load_failure_report.h"
#include "shell/wallpaper.h"
#include "slideshow/slideshow.h"
#include "window/show_hide_key.h"
#include "window/window_arranger.h"

#include <cstdint>
#include <functional>
#include <optional>
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
    // Runs the command, chosen with the given Modifier keys held (Shift+Page Down steps by five).
    void onCommand(Command command, int32_t modifiers = 0);
    // The Modifier keys held with the command being run; its row's action passes them on.
    int32_t commandModifiers() const { return commandModifiers_; }
    // Keeps a message that arrived while a transition or glide plays, or the repeat of a key that
    // arrived while the picture it asked for is still being decoded, to be handled once that has
    // ended; the latest only, when one of its kind is enough. The repeats of a key held down meanwhile
    // run its command once, not once for every repeat: each picture is seen, and the show stops
    // soon after the key is let go.
    void hold(const Message& message, bool once);
    // A key let go takes back its repeats that still wait: the show stops with the key.
    void onKeyUp(int key);
    // Ends the transition or glide at once and handles what waited for it, in order: the user
    // is leaving, hiding or closing, and what came before still counts (Ctrl+5, then Esc).
    void finishPlaying();
    // The popup menu at screen point (x, y): "Main Menu", or with a pin the pinned sub-menu at
    // position subMenu; re-opens itself while pinned.
    void showContextMenu(int32_t x, int32_t y, int subMenu);
    // Runs one of the program's modal dialogs with the slideshow suspended and the cursor shown.
    void runModal(const std::function<void()>& dialog);
    // The numeric-input dialog of the template on a setting; false when cancelled.
    bool askSetting(int templateId, int32_t& setting);
    // The countdown has run out: the loop rules, then the next picture.
    void onTimeUp();
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
    void onSize(int32_t clientWidth, int32_t clientHeight);
    void onDropFiles(const std::vector<std::string>& files, bool append);

    // Reads the settings file (save false) or writes it (save true); false when it could not.
    bool loadOrSaveSettings(bool save);
    // Stamps the program version into the settings and writes them.
    bool saveSettings();
    // Applies the switches and the path argument after the program name, in order.
    void applyCommandLine(const std::vector<std::string>& arguments);

    // Operations of other parts of the program that the start sequence and the command line use.
    // Asks for a picture's number (1 the first) and shows it; other numbers do nothing.
    void goTo();
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
    // Next (+1) or Previous (-1) by 1, by 5 with Shift held, by 10 with Control held, wrapping.
    void step(int32_t direction, int32_t modifiers);

    void setLayout(Anchor anchor);
    // 0 normal, 1 fullscreen (a second 1 leaves it), 2 wallpaper.
    void setLayer(Layer newLayer);
    // Shows the current entry, dropping entries that do not load and, with the landscape or
    // portrait filter, walking forward or back to one of the wanted orientation. Each picture is
    // decoded off the window thread: the picture on show stays until the walk ends on a new one,
    // and a new showCurrent supersedes the walk. After failuresPerTurn failures it drops them and
    // goes on with a new walk.
    void showCurrent(bool forward);
    static constexpr uint32_t failuresPerTurn = 1000;
    // Whether a picture asked for by showCurrent is still being decoded.
    bool showing() const { return walk.has_value(); }
    // Show/Hide Hotkey: the dialog that picks the hot key.
    void hotKeyCommand();
    // The visible part of the view to the clipboard.
    void copyView();
    // A picture from the clipboard, at 100 %; the slideshow stops.
    void paste();

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

    // --- Paths (bytes) ---
    std::string settingsPath;
    std::string helpPath;

    // The picture on show and how it is seen.
    PictureView view;
    Anchor fullscreenSavedLayout = Anchor::Centered;  // the windowed anchor while the layer is fullscreen
    bool inSizeMove = false;

    // --- Shell ---
    uint32_t blackboxWindow = 0;  // the Blackbox shell's window, 0 when it does not run
    bool blackboxFirstPaint = true;

    // --- Menus ---
    MenuPins pins;

    // The show/hide hot key and the other running copies.
    ShowHideKey showHideKey;

    // The picture on show as the desktop wallpaper.
    Wallpaper wallpaper;

    // Says which pictures could not be shown, and logs them.
    LoadFailureReport loadFailures;

    // The commands on the file of the picture on show, and filing.
    FileCommands fileCommands;

    // The pictures decoded ahead of their turn: the next and the previous one (the two next
    // while a key is held down), within two screens' worth of 32-bit pixels. No more: a picture
    // kept is memory the program holds.
    DecodeCache aheadCache{2, 0};

private:
    int32_t commandModifiers_ = 0;
    // The window is mapped once its first picture is on show, around which it wraps, or after a
    // moment when that picture is slow to come: a window that answers, at its own size.
    WindowTimer firstMap_;
    void mapAtStart();
    static constexpr int firstMapWait = 300;  // milliseconds
    std::vector<Message> held_;
    // Posts the messages held, in order, to be handled anew.
    void releaseHeld();
    // Commands on the picture's file chosen while the next picture is on its way: they act on
    // the picture the list has moved to, once it is on show.
    std::vector<std::pair<Command, int32_t>> waitingForShow_;
    // The picture asked for is on show, or none could be: what waited for it goes on.
    void showEnded();
    // What showCurrent has seen of the entries it walked through, while it waits for a decode.
    struct ShowWalk {
        bool forward = true;
        uint32_t count = 0;        // entries in the list when the walk began
        std::vector<bool> failed;  // sized at the first failure
        uint32_t failures = 0;
        uint32_t tried = 0;      // entries tried in the walk past failures
        std::string path;        // the entry being decoded
        bool orienting = false;  // walking to an entry of the wanted orientation
        uint32_t start = 0;      // where that walk began, and the picture decoded there
        DecodedPicture first;
    };
    // Drops the walk and the decode it waits for.
    void stopShowing();
    // Asks for the current entry (a shortcut's target) to be decoded at the size it is shown at,
    // or takes it from the pictures decoded ahead.
    void decodeCurrent();
    // The decode of the entry at path (a shortcut's target) at the size it is shown at.
    Decoder::Work decodeWork(const std::string& path) const;
    // What a picture decoded ahead is kept by: its file as it is now and what it is decoded for.
    // The pictures kept for anything else are dropped.
    std::string aheadKey(const std::string& path);
    // After a picture is shown: the next entry in the direction of travel, then the one before
    // (or, travelling on, the one after the next), are decoded into the cache, two at once.
    void decodeAhead(bool forward, bool travelling);
    // The walk goes on from the decode of its entry.
    void onDecoded(DecodedPicture picture, bool timedOut);
    // The orientation walk's next entry, or the one it began at when it is back there.
    void orientNext();
    // The walk ends on picture, or on nothing when no entry loaded.
    void finishShow(DecodedPicture picture);

    std::optional<ShowWalk> walk;
    uint64_t walkNumber = 0;      // counts walks, to tell when a message box let a new one begin
    std::string aheadDecodedFor;  // the settings and screen the cached pictures were decoded for
    Decoder decoder;
};
