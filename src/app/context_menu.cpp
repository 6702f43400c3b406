// The popup menu with its pins, and the wrap around the program's modal dialogs.
#include "app/app_state.h"
#include "config/settings_tables.h"
#include "platform/dialogs.h"
#include "platform/window_host.h"
#include "resources/dialog_templates.h"

void AppState::showContextMenu(int32_t x, int32_t y, int subMenu) {
    if (slideshow.suspended()) return;
    slideshow.stop(false);
    mainWindow.showCursor(true);

    MenuItem main = loadMainMenu();
    MenuItem* shown = &main;
    if (pins.pinnedNestedParent != -1) {
        MenuItem* parent = main.subMenuAt(pins.pinnedNestedParent);
        shown = parent ? parent->subMenuAt(subMenu) : nullptr;
    } else if (pins.pinnedSubMenu != -1) {
        shown = main.subMenuAt(subMenu);
    }
    MenuChoice chosen;
    if (shown) {
        MenuFacts facts{arranger.blendAvailable(), view.zoomLocked(),        view.rotation(),
                        showHideKey.registered(),  arranger.blackboxShell(), pins};
        setMenuState(*shown, shown == &main, settings, facts);
        mainWindow.activate();
        chosen = trackPopupMenu(mainWindow, *shown, x, y);
    }

    if (Command(chosen.id) == Command::Exit) {
        Message close{Msg::Close};
        mainWindow.send(close);
        mainWindow.showCursor(false);
        return;
    }
    if (chosen.id) {
        Message command{Msg::Command, 0, 0, chosen.id};
        command.modifiers = chosen.modifiers;
        mainWindow.send(command);
    } else {
        pins.unpinOne();
    }
    if (const int reopen = pins.reopenIndex(); reopen != -1) mainWindow.post(Message{Msg::ReopenMenu, x, y, reopen});
    if (!slideshow.suspended()) slideshow.resume();
    mainWindow.showCursor(false);
}

void AppState::runModal(const std::function<void()>& dialog) {
    slideshow.stop(true);
    mainWindow.showCursor(true);
    dialog();
    mainWindow.showCursor(false);
    slideshow.resume();
}

bool AppState::askSetting(int templateId, int32_t& setting) {
    uint32_t value = uint32_t(setting);
    if (!askNumber(mainWindow, dialogTemplate(templateId), value)) return false;
    setting = int32_t(std::min<uint32_t>(value, INT32_MAX));
    clampSettings(settings);
    return true;
}
