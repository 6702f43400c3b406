// Filing pictures away: favorites, the desktop and the archive.
#include "app/app_globals.h"
#include "app/app_state.h"
#include "config/paths.h"
#include "platform/dialogs.h"
#include "platform/file_ops.h"
#include "platform/window_host.h"
#include "shell/log_file.h"
#include "shell/shell_link.h"
#include "shell/unique_name.h"

bool AppState::chooseFilingFolder(bool archive) {
    std::string& setting = archive ? settings.archive : settings.favorites;
    while (setting.size() > 1 && setting.back() == '/') setting.pop_back();
    mainWindow.showCursor(true);
    const std::string chosen = chooseFolder(archive ? "Set the archive folder" : "Set the favorites folder", setting);
    mainWindow.showCursor(false);
    if (!chosen.empty()) setting = chosen;
    return !chosen.empty();
}

// The favorites folder, asked for when none is set yet; empty when the user declines.
const std::string& AppState::favoritesFolder() {
    if (settings.favorites.empty()) chooseFilingFolder(false);
    return settings.favorites;
}

void AppState::sendShortcut(const std::string& folder) {
    if (folder.empty()) return;
    std::string shortcut = folder + "/" + nameOf(catalog.currentPath()) + ".lnk";
    const Placed placed = placeUnderFreeName(
        shortcut, [this](const std::string& name) { return ShellLink().createShortcut(catalog.currentPath(), name); });
    if (placed == Placed::NoFreeName)
        appGlobals.showMessage("Shortcut not created... more than 100 duplicate names", MessageIcon::Exclamation);
    else if (placed == Placed::Failed) appGlobals.showMessage("Create shortcut failed", MessageIcon::Exclamation);
}

void AppState::sendCopy(const std::string& folder) {
    if (folder.empty()) return;
    std::string destination = folder + "/" + nameOf(catalog.currentPath());
    const Placed placed = placeUnderFreeName(
        destination, [this](const std::string& name) { return copyFile(catalog.currentPath(), name, Existing::Keep); });
    if (placed == Placed::Failed) appGlobals.showMessage("Copy failed", MessageIcon::Exclamation);
}

void AppState::viewFolder(const std::string& folder) {
    if (catalog.scanRunning() || folder.empty()) return;
    // The folder is read in whole, here.
    if (catalog.startScan(folder, false, false)) {
        showCurrent(true);
        if (view.picture().isLoaded()) return;
    }
    onCommand(Command::Refresh);  // back to the root folder's list
}

void AppState::viewTarget() {
    if (catalog.images().empty() || catalog.scanRunning() || !isShortcut(catalog.currentPath())) return;
    LinkTarget target;
    ShellLink().readShortcut(catalog.currentPath(), target, false);
    // The target itself is the picture on show in its folder's list, even when the scan also
    // finds the shortcut (a favorites folder inside that folder's tree).
    catalog.setCurrentPath(target.path);
    if (catalog.startScan(folderOf(target.path), settings.peek, false)) showCurrent(true);
    else onCommand(Command::Refresh);
}

void AppState::archiveCurrent() {
    if (!settings.archiving || catalog.scanRunning() || catalog.images().empty() || isPastedPicture()) return;
    changeFiles(false, [this] {
        if (isShortcut(catalog.currentPath())) {
            appGlobals.showMessage("Shortcut... not archived", MessageIcon::Information);
            return;
        }
        if (settings.archive.empty() && !chooseFilingFolder(true)) return;
        std::string destination = settings.archive + "/" + nameOf(catalog.currentPath());
        if (!makeUniqueName(destination)) {
            appGlobals.showMessage("Not archived... more than 100 duplicate names", MessageIcon::Exclamation);
            return;
        }
        view.picture().release();
        if (placeUnderFreeName(destination, [this](const std::string& name) {
                return moveFile(catalog.currentPath(), name, Existing::Keep);
            }) != Placed::Done) {
            appGlobals.showMessage("Archive operation failed", MessageIcon::Exclamation);
            return;
        }
        if (settings.archivelog)
            LogFile(archiveLogPath, "a").writeLine(catalog.currentPath() + " -> " + settings.archive);
        catalog.removeCurrent();
        showCurrent(true);
    });
}
