// Find, filter and exclude on the list in memory, and the Find menu's commands.
#include "app/app_globals.h"
#include "app/app_state.h"
#include "platform/dialogs.h"
#include "platform/window_host.h"
#include "resources/dialog_templates.h"

bool AppState::findNext(bool fromNext) {
    if (images.empty()) {
        appGlobals.showMessage("No files", MessageIcon::Information);
        return false;
    }
    if (find.text.empty()) return findOrFilter();
    if (const auto match = findMatch(images, currentIndex + (fromNext ? 1 : 0), find)) {
        currentIndex = *match;
        return true;
    }
    appGlobals.showMessage("No Match", MessageIcon::Information);
    return false;
}

bool AppState::findOrFilter() {
    if (images.empty()) {
        appGlobals.showMessage("No files", MessageIcon::Information);
        return false;
    }
    mainWindow.showCursor(true);
    find.action = findDialog(mainWindow, dialogTemplate(300), FindState::maxText, find.text, find.nameOnly,
                             find.matchCase);
    bool changed = false;
    if (find.action != FindState::Cancelled && !find.text.empty()) {
        if (find.action == FindState::Find) {
            changed = findNext(false);
        } else {
            filterList(images, currentIndex, currentPath, find, find.action == FindState::Filter);
            changed = true;
        }
    }
    mainWindow.showCursor(false);
    return changed;
}

void AppState::goTo() {
    if (images.empty()) return;
    int32_t target = int32_t(currentIndex + 1);
    runModal([this, &target] { askSetting(104, target); });
    if (target == 0 || uint32_t(target) > images.size()) return;
    currentIndex = uint32_t(target) - 1;
    showCurrent(true);
}
