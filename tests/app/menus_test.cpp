#include "app/menus.h"
#include "app/command_table.h"
#include "platform/message.h"
#include "resources/menu_table.h"

#include <Qt>
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
        {"Esc", Qt::Key_Escape},        {"Pause", Qt::Key_Pause}, {"Page Down", Qt::Key_PageDown},
        {"Page Up", Qt::Key_PageUp},    {"Home", Qt::Key_Home},   {"End", Qt::Key_End},
        {"Ins", Qt::Key_Insert},        {"Del", Qt::Key_Delete},  {"Left Arrow", Qt::Key_Left},
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

TEST(MenuTable, EveryMenuItemRunsACommandAndEveryCommandIsOnTheMenuOnce) {
    std::multiset<int> ids;
    collectCommands(loadMainMenu(), ids);
    for (const int id : ids) {
        const CommandRow* row = commandRow(Command(id));
        ASSERT_NE(row, nullptr) << id;
        EXPECT_NE(row->action, nullptr) << row->text;
    }
    for (const CommandRow& row : commandRows()) EXPECT_EQ(ids.count(int(row.command)), 1u) << row.text;
}

TEST(MenuTable, EveryKeyAndEveryShownShortcutRunsItsOwnCommand) {
    std::set<std::tuple<int, char, int>> seen;
    for (const CommandRow& row : commandRows()) {
        for (const CommandKey& k : row.keys) {
            if (k.key == 0 && k.character == 0) continue;
            EXPECT_TRUE(seen.insert({k.key, k.character, k.modifiers}).second) << "a key of two commands: " << row.text;
            EXPECT_EQ(acceleratorCommand(k.key, k.modifiers, k.character), row.command) << row.text;
        }
        if (!*row.shortcut) continue;
        int key = 0, modifiers = 0;
        char typed = 0;
        if (!parseShortcut(row.shortcut, key, modifiers, typed)) continue;
        // The layer items inside Fullscreen and Wallpaper name the key of the Layer menu's item.
        const Command expected = row.command == Command::FullscreenLayer  ? Command::LayerFullscreen
                                 : row.command == Command::WallpaperLayer ? Command::LayerWallpaper
                                                                          : row.command;
        EXPECT_EQ(acceleratorCommand(key, modifiers, typed), expected) << row.text << " " << row.shortcut;
    }
}

TEST(MenuPins, EachDismissalDropsTheInnermostPin) {
    MenuPins pins;
    EXPECT_EQ(pins.reopenIndex(), -1);
    pins.pin(Command::PinMainMenu);
    pins.pin(Command::PinSlideshow);
    EXPECT_EQ(pins.reopenIndex(), 2);
    pins.pin(Command::PinArchive);
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
    pins.pin(Command::PinZoom);
    pins.pin(Command::PinRotate);
    EXPECT_EQ(pins.pinnedSubMenu, 20);
    pins.pin(Command::PinRotate);
    EXPECT_EQ(pins.pinnedSubMenu, -1);
    pins.pin(Command::PinBlackbox);
    pins.pin(Command::PinBlackbox);
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
