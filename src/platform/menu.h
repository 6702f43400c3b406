#pragma once
#include <cstdint>
#include <string>
#include <vector>

class WindowHost;

// A loaded popup menu: a tree of items. A sub-menu is an item with items of its own; an
// item's position is its index in its parent's items, separators included.
struct MenuItem {
    enum class Kind { Command, Info, Separator, SubMenu };
    Kind kind = Kind::Command;
    int id = 0;        // the command id a Command item returns
    std::string text;  // "&" marks the mnemonic; a tab starts the shortcut column
    bool checked = false;
    bool greyed = false;  // shown but not selectable
    std::vector<MenuItem> items;

    // The sub-menu at this position, or null when there is none there.
    MenuItem* subMenuAt(int position);
    // The first item with this id in the whole tree, or null.
    MenuItem* find(int id);
};

// What the user chose: the item's id, 0 when the menu was dismissed (or had nothing to show),
// and the Modifier keys held as it was chosen.
struct MenuChoice {
    int id = 0;
    int32_t modifiers = 0;
};

// Shows the menu at screen point (x, y) over the owner window and waits for the user's choice.
MenuChoice trackPopupMenu(WindowHost& owner, const MenuItem& menu, int x, int y);
