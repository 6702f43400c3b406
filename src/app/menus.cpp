// The popup menu's contents, its marks and its pins.
#include "app/menus.h"

#include "app/command_table.h"
#include "resources/menu_table.h"

#include <algorithm>

namespace {

// Builds the items of the sub-menu whose rows start at `row`; leaves `row` past its End.
void buildItems(MenuItem& menu, size_t& row) {
    while (row < std::size(menuTable)) {
        const MenuRow& r = menuTable[row++];
        if (r.kind == MenuRowKind::End) return;
        MenuItem item;
        item.text = r.text;
        const char* shortcut = r.shortcut;
        switch (r.kind) {
        case MenuRowKind::Command:
            item.kind = MenuItem::Kind::Command;
            item.id = int(r.command);
            if (const CommandRow* command = commandRow(r.command)) {
                item.text = command->text;
                shortcut = command->shortcut;
            }
            break;
        case MenuRowKind::Info:
            item.kind = MenuItem::Kind::Info;
            item.id = menuInfoId;
            break;
        case MenuRowKind::Separator: item.kind = MenuItem::Kind::Separator; break;
        case MenuRowKind::SubMenu:
            item.kind = MenuItem::Kind::SubMenu;
            buildItems(item, row);
            break;
        case MenuRowKind::End: break;
        }
        if (*shortcut) item.text = item.text + '\t' + shortcut;
        menu.items.push_back(std::move(item));
    }
}

constexpr int slideshowPosition = 2, zoomPosition = 19, rotatePosition = 20;

}  // namespace

MenuItem loadMainMenu() {
    MenuItem root;
    size_t row = 0;
    buildItems(root, row);
    return std::move(root.items.front());
}

void MenuPins::pin(Command pin) {
    const int32_t id = int32_t(pin);
    if (pin == Command::PinMainMenu) {
        menuPinned = !menuPinned;
    } else if (id < nestedMenuPinBase) {
        pinnedSubMenu = pinnedSubMenu == id - subMenuPinBase ? -1 : id - subMenuPinBase;
    } else if (pinnedNestedMenu == id - nestedMenuPinBase) {
        pinnedNestedMenu = pinnedNestedParent = -1;
    } else {
        pinnedNestedMenu = id - nestedMenuPinBase;
        pinnedNestedParent = shellMenuPosition;
    }
}

bool MenuPins::pinned(Command pin) const {
    return (pin == Command::PinMainMenu && menuPinned) || (pinnedSubMenu != -1 && pin == subMenuPin(pinnedSubMenu)) ||
           (pinnedNestedMenu != -1 && pin == nestedMenuPin(pinnedNestedMenu));
}

int MenuPins::reopenIndex() const {
    if (pinnedNestedMenu != -1) return pinnedNestedMenu;
    if (pinnedSubMenu != -1) return pinnedSubMenu;
    return menuPinned ? 0 : -1;
}

void MenuPins::unpinOne() {
    if (pinnedNestedMenu != -1) pinnedNestedMenu = pinnedNestedParent = -1;
    else if (pinnedSubMenu != -1) pinnedSubMenu = -1;
    else menuPinned = false;
}

Point menuOrigin(const Rect& client, Point cursor, bool atCursor) {
    if (atCursor && client.contains(cursor)) return cursor;
    return {std::max(client.left, 0), std::max(client.top, 0)};
}

void setMenuState(MenuItem& menu, bool isMainMenu, const Settings& s, const MenuFacts& facts) {
    auto checkPosition = [&menu, isMainMenu](int position, bool check) {
        if (!isMainMenu || !check) return;
        if (MenuItem* item = menu.subMenuAt(position)) item->checked = true;
    };
    for (const CommandRow& row : commandRows()) {
        MenuItem* item = row.marks ? menu.find(int(row.command)) : nullptr;
        if (!item) continue;
        const Marks marks = row.marks(s, facts);
        item->checked = marks.checked;
        item->greyed = marks.greyed;
    }
    checkPosition(slideshowPosition, s.slide);
    checkPosition(zoomPosition, facts.zoomLocked);
    checkPosition(rotatePosition, facts.currentRotation != 0);
}
