#pragma once
#include <cstdint>
#include <string>
#include <vector>

// What the main window tells the program: one message kind for each row of the routing table.
enum class Msg {
    Created,          // the window exists: build the application
    Command,          // value: command id (menu item, accelerator)
    KeyDown,          // value: the key; text: the typed character
    KeyUp,            // value: the key, let go (the repeats of a held key send none)
    ScreenSave,       // the screen saver wants to start while the window is active
    Minimize,         // the window is being minimised
    Restore,          // the window is restored from minimised
    BackgroundQuery,  // asks for the background brush; answered in brush/hollowBrush
    ContextMenu,      // x, y: screen position of the menu request
    MenuKey,          // the Menu (Apps) key was pressed
    Paint,            // the window's content must be composed anew
    AfterPaint,       // what the last paint left to be drawn step by step (a transition, a glide)
    Size,             // x, y: new client width and height
    Close,            // the user or the window manager asks to close the window
    Destroy,          // the window is going away
    EndSession,       // value: 1 when the session really ends
    MouseMove,        // x, y: client position
    LButtonDown,
    LButtonUp,
    MouseWheel,     // value: signed wheel delta, 120 per notch, positive away from the user
    MouseHWheel,    // value: signed sideways wheel delta, 120 per notch, positive to the right
    EnterSizeMove,  // the user starts moving or sizing the window
    ExitSizeMove,
    DropFiles,      // files: the dropped paths (appended to the list with Shift)
    HotKey,         // value: hot key id
    TrayNotify,     // value: TrayLeftClick or TrayRightClick on the notification-area icon
    ReopenMenu,     // x, y, value: re-open the popup menu at x, y with sub-menu index value
    ScanProgress,   // the scan thread has handed over pictures, or has ended
    FolderChanged,  // the folder watcher saw files come, go, be renamed or be rewritten
    RefreshStatus,  // the peek scan has finished: refresh the status bar
    QuitRequest,    // another copy of the program asks this one to quit
};

// The modifier keys a message carries, as flags.
enum Modifier : int32_t { KeyShift = 1, KeyControl = 2, KeyAlt = 4 };

// Clicks on the notification-area icon.
enum TrayClick : int32_t { TrayLeftClick = 1, TrayRightClick = 2 };

struct Message {
    explicit Message(Msg kind, int32_t px = 0, int32_t py = 0, int32_t v = 0) : id(kind), x(px), y(py), value(v) {}

    Msg id;
    int32_t x = 0;
    int32_t y = 0;
    int32_t value = 0;
    int32_t modifiers = 0;  // the Modifier keys held with the key, click, wheel turn, drop or choice
    bool repeat = false;    // KeyDown: a repeat of a key held down
    std::vector<std::string> files;
    std::string text;
    // Answer to BackgroundQuery: the brush colour (0xRRGGBB), or a hollow brush that leaves the
    // window's old content where it is.
    uint32_t brush = 0;
    bool hollowBrush = false;
};
