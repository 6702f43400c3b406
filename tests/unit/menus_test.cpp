#include "app/menus.h"
#include "resources/accelerators.h"
#include "resources/menu_table.h"

#include <gtest/gtest.h>
#include <map>
#include <set>
#include <string>

namespace {

void collectCommands(const MenuItem& menu, std::multiset<int>& ids) {
    for (const MenuItem& item : menu.items) {
        if (item.kind == MenuItem::Kind::Command) ids.insert(item.id);
        collectCommands(item, ids);
    }
}

// The key, modifiers and typed character a shown shortcut such as "Shift+Ctrl+P" stands for;
// false for texts that name no key ("(Quality)", "(restart)").
bool parseShortcut(std::string text, int& key, int& modifiers, char& typed) {
    static const std::map<std::string, int> named = {
        {"Esc", Qt::Key_Escape}, {"Pause", Qt::Key_Pause}, {"Page Down", Qt::Key_PageDown},
        {"Page Up", Qt::Key_PageUp}, {"Home", Qt::Key_Home}, {"End", Qt::Key_End},
        {"Ins", Qt::Key_Insert}, {"Del", Qt::Key_Delete}, {"Left Arrow", Qt::Key_Left},
        {"Right Arrow", Qt::Key_Right}, {"Up Arrow", Qt::Key_Up}, {"Down Arrow", Qt::Key_Down}};
    modifiers = 0;
    typed = 0;
    for (auto [prefix, flag] : {std::pair{"Shift+", KeyShift}, {"Ctrl+", KeyControl}, {"Alt+", KeyAlt}}) {
        for (size_t at; (at = text.find(prefix)) != std::string::npos;) {
            text.erase(at, std::string(prefix).size());
            modifiers |= flag;
        }
    }
    if (auto found = named.find(text); found != named.end()) key = found->second;
    else if (text.size() == 1 && std::isalnum(text[0])) key = std::toupper(text[0]);
    else if (text.size() == 1) key = 0, typed = text[0];
    else if (text[0] == 'F' && text.size() <= 3) key = Qt::Key_F1 + std::stoi(text.substr(1)) - 1;
    else return false;
    return true;
}

}  // namespace

TEST(MenuTable, PinsMatchTheSubMenusTheySitIn) {
    MenuItem main = loadMainMenu();
    ASSERT_EQ(main.items[0].id, 2000);
    int subMenus = 0;
    for (size_t p = 0; p < main.items.size(); ++p) {
        MenuItem* sub = main.subMenuAt(int(p));
        if (!sub) continue;
        ++subMenus;
        ASSERT_FALSE(sub->items.empty());
        EXPECT_EQ(sub->items[0].id, 2000 + int(p)) << sub->text;
        EXPECT_EQ(sub->items[1].kind, MenuItem::Kind::Separator) << sub->text;
        EXPECT_TRUE(isPinCommand(2000 + int(p)));
    }
    EXPECT_EQ(subMenus, 21);
    EXPECT_EQ(main.subMenuAt(2)->text, "Slideshow");
    EXPECT_EQ(main.subMenuAt(19)->text, "Zoom");
    EXPECT_EQ(main.subMenuAt(20)->text, "Rotate");
    EXPECT_EQ(main.subMenuAt(31)->text, "Info");
    MenuItem* shell = main.subMenuAt(shellMenuPosition);
    ASSERT_EQ(shell->text, "Sh&ell");
    EXPECT_EQ(shell->subMenuAt(17)->text, "Archive");
    EXPECT_EQ(shell->subMenuAt(17)->items[0].id, 3017);
    EXPECT_EQ(shell->subMenuAt(21)->text, "Blackbox");
    EXPECT_EQ(shell->subMenuAt(21)->items[0].id, 3021);
    EXPECT_FALSE(isPinCommand(2001));
    EXPECT_FALSE(isPinCommand(1001));
}

TEST(MenuTable, EveryShownShortcutFiresItsCommandAndEveryAcceleratorIsOnTheMenu) {
    MenuItem main = loadMainMenu();
    std::multiset<int> ids;
    collectCommands(main, ids);
    for (const MenuRow& row : menuTable) {
        if (row.kind != MenuRowKind::Command || !*row.shortcut) continue;
        // The layer items inside Fullscreen and Wallpaper repeat the key of the Layer menu.
        if (row.id == 1023 || row.id == 1025) continue;
        int key = 0, modifiers = 0;
        char typed = 0;
        if (!parseShortcut(row.shortcut, key, modifiers, typed)) continue;
        EXPECT_EQ(acceleratorCommand(key, modifiers, typed), row.id) << row.text << " " << row.shortcut;
    }
    std::set<std::tuple<int, char, int>> seen;
    for (const Accelerator& a : accelerators) {
        EXPECT_TRUE(ids.count(a.command)) << a.command;
        EXPECT_TRUE(seen.insert({a.key, a.character, a.modifiers}).second) << "duplicate row for " << a.command;
    }
}

TEST(MenuPins, EachDismissalDropsTheInnermostPin) {
    MenuPins pins;
    EXPECT_EQ(pins.reopenIndex(), -1);
    pins.pin(2000);
    pins.pin(2002);
    EXPECT_EQ(pins.reopenIndex(), 2);
    pins.pin(3017);
    EXPECT_EQ(pins.pinnedNestedParent, shellMenuPosition);
    EXPECT_EQ(pins.reopenIndex(), 17);
    pins.unpinOne();
    EXPECT_EQ(pins.pinnedNestedParent, -1);
    EXPECT_EQ(pins.reopenIndex(), 2);
    pins.unpinOne();
    EXPECT_EQ(pins.reopenIndex(), 0);
    pins.unpinOne();
    EXPECT_EQ(pins.reopenIndex(), -1);
    // A pin chosen again is taken off; another sub-menu's pin replaces it.
    pins.pin(2019);
    pins.pin(2020);
    EXPECT_EQ(pins.pinnedSubMenu, 20);
    pins.pin(2020);
    EXPECT_EQ(pins.pinnedSubMenu, -1);
    pins.pin(3021);
    pins.pin(3021);
    EXPECT_EQ(pins.pinnedNestedMenu, -1);
    EXPECT_EQ(pins.pinnedNestedParent, -1);
}

TEST(MenuOrigin, TheClientCornerKeptOnTheScreenUnlessTheCursorIsOverTheWindow) {
    const Rect client{100, 50, 400, 350};
    EXPECT_EQ(menuOrigin(client, {200, 60}, true).x, 200);
    const Point outside = menuOrigin(client, {20, 60}, true);
    EXPECT_EQ(outside.x, 100);
    EXPECT_EQ(outside.y, 50);
    EXPECT_EQ(menuOrigin(client, {200, 60}, false).x, 100);
    const Point offScreen = menuOrigin({-30, -5, 270, 295}, {500, 500}, true);
    EXPECT_EQ(offScreen.x, 0);
    EXPECT_EQ(offScreen.y, 0);
}
