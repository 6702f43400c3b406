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

TEST(MenuTable, CommandsAreListedOnceWithTheirTextsAndMenuIsCheckedButNotSelectable) {
    MenuItem main = loadMainMenu();
    std::multiset<int> ids;
    collectCommands(main, ids);
    for (int id : ids)
        if (!isPinCommand(id)) EXPECT_EQ(ids.count(id), 1u) << id;
    EXPECT_EQ(main.find(1012)->text, "Re&verse\tAlt+V");
    EXPECT_EQ(main.find(1122)->text, "...sort\tShift+Ctrl+P");
    EXPECT_EQ(main.find(1705)->text, "E&xit\tEsc");
    EXPECT_EQ(main.find(1111)->text, "Subfolders");
    EXPECT_EQ(main.items.back().id, 1705);
    const MenuItem* menu = main.find(1701);
    EXPECT_TRUE(menu->checked);
    EXPECT_TRUE(menu->greyed);
    EXPECT_EQ(main.subMenuAt(6)->items[6].kind, MenuItem::Kind::Info);
    EXPECT_EQ(main.subMenuAt(6)->items[6].text, "x5\tShift");
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

TEST(MenuMarks, ChecksAndGreysFollowTheSettings) {
    Settings s;
    s.enabledTransitions = {3, 14};
    s.layer = 1;
    s.portraitOnly = true;
    MenuFacts facts;
    facts.currentRotation = 90;
    facts.pins.pinnedSubMenu = 4;
    MenuItem main = loadMainMenu();
    setMenuState(main, true, s, facts);
    auto checked = [&main](int id) { return main.find(id)->checked; };
    auto greyed = [&main](int id) { return main.find(id)->greyed; };
    for (int id : {1001, 1011, 1014, 1022, 1023, 1031, 1134, 1201, 1203, 1204, 1216, 1231, 1254, 1265, 1363, 2004})
        EXPECT_TRUE(checked(id)) << id;
    for (int id : {1012, 1021, 1024, 1025, 1133, 1202, 1251, 1264, 1351, 1505, 2000, 2002}) EXPECT_FALSE(checked(id)) << id;
    EXPECT_TRUE(main.subMenuAt(2)->checked);    // the slideshow runs
    EXPECT_TRUE(main.subMenuAt(20)->checked);   // the picture is turned
    EXPECT_FALSE(main.subMenuAt(19)->checked);  // no zoom lock
    EXPECT_TRUE(greyed(1027) && greyed(1028));  // no compositor
    EXPECT_TRUE(greyed(1501));                  // archiving off
    EXPECT_FALSE(greyed(1374));

    s.landscapeOnly = true;
    s.archiving = true;
    facts = {};
    facts.blendAvailable = true;
    facts.blackboxShell = true;
    facts.zoomLocked = true;
    MenuItem again = loadMainMenu();
    setMenuState(again, true, s, facts);
    EXPECT_TRUE(again.find(1133)->checked);
    EXPECT_FALSE(again.find(1134)->checked);  // landscape wins
    EXPECT_FALSE(again.find(1027)->greyed);
    EXPECT_FALSE(again.find(1501)->greyed);
    EXPECT_TRUE(again.find(1374)->greyed && again.find(1375)->greyed);
    EXPECT_TRUE(again.subMenuAt(19)->checked);
}

TEST(MenuMarks, ASubMenuShownAloneGetsItsMarksButNoPositionMarks) {
    Settings s;
    s.sort = 2;
    MenuFacts facts;
    facts.pins.pinnedSubMenu = 3;
    MenuItem main = loadMainMenu();
    MenuItem sort = *main.subMenuAt(3);
    setMenuState(sort, false, s, facts);
    EXPECT_TRUE(sort.find(1013)->checked);
    EXPECT_TRUE(sort.find(2003)->checked);
    EXPECT_FALSE(sort.find(1011)->checked);
    // Marking the slideshow's position means nothing in a sub-menu: position 2 is "Forward".
    EXPECT_FALSE(sort.items[2].checked);
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
