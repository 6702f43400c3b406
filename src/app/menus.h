#pragma once
#include "config/settings.h"
#include "platform/menu.h"
#include "platform/rect.h"
#include "resources/command.h"

#include <cstdint>

// "Main Menu" built from the menu table: fresh, with no marks.
MenuItem loadMainMenu();

// Which menus re-open themselves after a command. Lives only while the program runs.
struct MenuPins {
    bool menuPinned = false;
    int32_t pinnedSubMenu = -1;       // position in "Main Menu" of a pinned sub-menu
    int32_t pinnedNestedMenu = -1;    // position of a pinned second-level sub-menu in its parent
    int32_t pinnedNestedParent = -1;  // position of that parent in "Main Menu"

    // Pins or unpins the menu of a "Pin" command.
    void pin(Command pin);
    // True while the menu of this "Pin" command is pinned: its item shows a check.
    bool pinned(Command pin) const;
    // The sub-menu index the menu re-opens with after a command, -1 when it stays closed.
    int reopenIndex() const;
    // A dismissal drops the innermost pin.
    void unpinOne();
};

// What the menu marks show besides the settings.
struct MenuFacts {
    bool blendAvailable = false;
    bool zoomLocked = false;
    int32_t currentRotation = 0;
    bool hotkeyRegistered = false;
    bool blackboxShell = false;
    MenuPins pins;
};

// Where Command::Menu opens the menu: at the client area's top-left corner kept on the screen,
// or at the cursor when atCursor is on and the cursor is over the client area.
Point menuOrigin(const Rect& client, Point cursor, bool atCursor);

// Sets the check and grey marks on a freshly loaded menu: "Main Menu" itself or one of its
// sub-menus shown alone.
void setMenuState(MenuItem& menu, bool isMainMenu, const Settings& settings, const MenuFacts& facts);
