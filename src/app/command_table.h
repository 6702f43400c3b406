#pragma once
#include "app/menus.h"
#include "config/settings.h"
#include "resources/command.h"

#include <span>

class AppState;

// A key that runs a command: a key with exactly these modifiers, or a typed character, for
// which Shift does not count (it is part of typing the character).
struct CommandKey {
    int key = 0;         // a Qt key, or 0 for a typed character
    char character = 0;  // the typed character
    int modifiers = 0;   // KeyShift | KeyControl | KeyAlt
};

// The marks a menu item shows.
struct Marks {
    bool checked = false;
    bool greyed = false;
};

// Everything about one command: the menu shows its text and shortcut with its marks, its keys
// run it, and the help file lists it.
struct CommandRow {
    Command command;
    const char* text;                                   // "&" marks the mnemonic
    const char* shortcut;                               // shown after a tab in the menu; "" for none
    CommandKey keys[6];                                 // the keys that run it; the shortcut names the main one
    Marks (*marks)(const Settings&, const MenuFacts&);  // nullptr for an item never marked
    void (*action)(AppState&);
};

std::span<const CommandRow> commandRows();
// The row of a command; nullptr for a number no command has.
const CommandRow* commandRow(Command command);
// The command a key press runs, Command::None when none: keys first, then typed characters.
Command acceleratorCommand(int key, int modifiers, char typed);
