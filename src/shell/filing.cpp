// Filing pictures away: favorites, the desktop and the archive.
#include "shell/file_commands.h"

#include "catalog/catalog.h"
#include "config/paths.h"
#include "display/picture.h"
#include "platform/dialogs.h"
#include "platform/file_ops.h"
#include "platform/window_host.h"
#include "shell/log_file.h"
#include "shell/shell_link.h"
#include "shell/unique_name.h"

bool FileCommands::chooseFilingFolder(bool archive) {
    std::string& setting = archive ? settings_.archive : settings_.favorites;
    while (setting.size() > 1 && setting.back() == '/') setting.pop_back();
    window_.showCursor(true);
    const std::string chosen =
        chooseFolder(archive ? "Set the archive folder" : "Set the favorites folder", setting).path;
    window_.showCursor(false);
    if (!chosen.empty()) setting = chosen;
    return !chosen.empty();
}

const std::string& FileCommands::favoritesFolder() {
    if (settings_.favorites.empty()) chooseFilingFolder(false);
    return settings_.favorites;
}

void FileCommands::sendShortcut(const std::string& folder) {
    if (folder.empty()) return;
    std::string shortcut = folder + "/" + nameOf(catalog_.currentPath()) + ".lnk";
    const Placed placed = placeUnderFreeName(
        shortcut, [this](const std::string& name) { return ShellLink().createShortcut(catalog_.currentPath(), name); });
    if (placed == Placed::NoFreeName)
        showMessage(&window_, "Shortcut not created... more than 100 duplicate names", MessageIcon::Exclamation);
    else if (placed == Placed::Failed) showMessage(&window_, "Create shortcut failed", MessageIcon::Exclamation);
}

void FileCommands::sendCopy(const std::string& folder) {
    if (folder.empty()) return;
    std::string destination = folder + "/" + nameOf(catalog_.currentPath());
    const Placed placed = placeUnderFreeName(destination, [this](const std::string& name) {
        return copyFile(catalog_.currentPath(), name, Existing::Keep);
    });
    if (placed == Placed::Failed) showMessage(&window_, "Copy failed", MessageIcon::Exclamation);
}

void FileCommands::viewFolder(const std::string& folder) {
    if (catalog_.scanRunning() || folder.empty()) return;
    // The folder is read in whole, here.
    if (catalog_.startScan(folder, false, false)) {
        hooks_.showCurrent(true);
        if (picture_.isLoaded()) return;
    }
    hooks_.refresh();  // back to the root folder's list
}

void FileCommands::viewTarget() {
    if (catalog_.images().empty() || catalog_.scanRunning() || !isShortcut(catalog_.currentPath())) return;
    LinkTarget target;
    ShellLink().readShortcut(catalog_.currentPath(), target, false);
    // The target itself is the picture on show in its folder's list, even when the scan also
    // finds the shortcut (a favorites folder inside that folder's tree).
    catalog_.setCurrentPath(target.path);
    if (catalog_.startScan(folderOf(target.path), settings_.peek, false)) hooks_.showCurrent(true);
    else hooks_.refresh();
}

void FileCommands::archiveCurrent() {
    if (!settings_.archiving || catalog_.scanRunning() || catalog_.images().empty() || isPastedPicture()) return;
    changeFiles(false, [this] {
        if (isShortcut(catalog_.currentPath())) {
            showMessage(&window_, "Shortcut... not archived", MessageIcon::Information);
            return;
        }
        if (settings_.archive.empty() && !chooseFilingFolder(true)) return;
        std::string destination = settings_.archive + "/" + nameOf(catalog_.currentPath());
        if (!makeUniqueName(destination)) {
            showMessage(&window_, "Not archived... more than 100 duplicate names", MessageIcon::Exclamation);
            return;
        }
        picture_.release();
        if (placeUnderFreeName(destination, [this](const std::string& name) {
                return moveFile(catalog_.currentPath(), name, Existing::Keep);
            }) != Placed::Done) {
            showMessage(&window_, "Archive operation failed", MessageIcon::Exclamation);
            return;
        }
        if (settings_.archivelog)
            LogFile(archiveLog_, "a").writeLine(catalog_.currentPath() + " -> " + settings_.archive);
        catalog_.removeCurrent();
        hooks_.showCurrent(true);
    });
}
