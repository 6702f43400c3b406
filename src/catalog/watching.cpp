// Feeding the list from outside the menus: the folder watcher and dropped files.
#include "app/app_globals.h"
#include "app/app_state.h"
#include "catalog/file_info.h"
#include "catalog/formats.h"
#include "catalog/ordering.h"
#include "config/paths.h"
#include "platform/dialogs.h"
#include "platform/folder_watch.h"
#include "platform/window_host.h"
#include "shell/shell_link.h"

#include <algorithm>

// The watcher reports on its own thread; the refresh runs on the window's, in turn with
// everything else that touches the list.
void AppState::startWatcher(bool) {
    watcher.reset();
    Settings everyFormat;
    everyFormat.emf = everyFormat.ico = everyFormat.tif = true;
    // A rewritten file matters when it may be a picture and is not the wallpaper this program
    // writes itself (which would refresh the list for ever in the wallpaper layer).
    const auto rewriteMatters = [everyFormat, wallpaper = wallpaperPath](const std::string& path) {
        if (!isShortcut(path) && !matchesFormat(extensionOf(path), everyFormat)) return false;
        FileInfo file, ownFile;
        return !(readFileInfo(path, file) && readFileInfo(wallpaper, ownFile) && file.device == ownFile.device &&
                 file.inode == ownFile.inode);
    };
    watcher = std::make_unique<FolderWatch>(
        settings.folder, settings.subfolders, [window = &mainWindow] { window->post(Message{Msg::FolderChanged}); },
        rewriteMatters);
}

void AppState::stopWatcher() { watcher.reset(); }

void AppState::onFolderChanged() {
    // A change that comes while the message of the last refresh is open waits for it to close.
    if (changeRefreshing) {
        changeWaiting = true;
        return;
    }
    if (scanRunning()) return;
    changeRefreshing = true;
    // An emptied folder says so once ("No images in"); there is nothing to show or go to. The
    // rescan is the Refresh command, which a locked menu (-nomenu) refuses.
    if (settings.noMenu ? !images.empty() : rescanRoot()) {
        if (settings.autofindlast == 1 || settings.autofindlast == 2) {
            const auto newest =
                std::max_element(images.begin(), images.end(), [this](const ImageEntry& a, const ImageEntry& b) {
                    return settings.autofindlast == 1 ? a.created < b.created : a.modified < b.modified;
                });
            currentIndex = uint32_t(newest - images.begin());
        }
        showCurrent(true);
    } else {
        mainWindow.invalidate();
    }
    changeRefreshing = false;
    if (std::exchange(changeWaiting, false)) mainWindow.post(Message{Msg::FolderChanged});
}

namespace {
bool isFolder(const std::string& path) {
    FileInfo info;
    // What cannot be examined counts as a folder, whose scan then finds nothing.
    return !readFileInfo(path, info) || info.directory;
}
}  // namespace

void AppState::onDropFiles(const std::vector<std::string>& files) {
    if (scanRunning() || files.empty()) return;
    stopSlideTimer(false);
    mainWindow.activate();
    const bool append = shiftKeyHeld();
    const ShellLink links;
    if (files.size() > 1) {
        if (!append) {
            currentIndex = 0;
            images.clear();
        }
        std::vector<std::string> roots;
        bool first = true;
        for (const std::string& path : files) {
            ImageEntry entry{path};
            if (isShortcut(path)) {
                LinkTarget target;
                if (!links.readShortcut(path, target, false)) continue;
                if (target.isFolder()) {
                    roots.push_back(target.path);
                    continue;
                }
                if (!matchesFormat(extensionOf(target.path), settings)) continue;
                entry = {path, target.created, target.modified, target.accessed};
            } else if (isFolder(path)) {
                roots.push_back(path);
                continue;
            } else if (!matchesFormat(extensionOf(path), settings)) {
                continue;
            } else {
                entry = entryFor(path);
            }
            if (std::exchange(first, false)) currentPath = entry.path;
            images.push_back(std::move(entry));
        }
        const bool peek = settings.peek;
        settings.peek = false;  // the dropped folders are read in whole, here
        if (!roots.empty()) startScan(settings.folder, true, roots);
        settings.peek = peek;
        if (images.empty()) startScan(settings.folder, false);
        else orderImages();
    } else {
        // One item: its folder becomes the list, the item itself (a picture) the one on show.
        const std::string& path = files.front();
        std::string folder = folderOf(path);
        LinkTarget target;
        if (isShortcut(path) && links.readShortcut(path, target, false) && target.isFolder()) folder = target.path;
        else if (!isShortcut(path) && isFolder(path)) folder = path;
        else currentPath = path;
        if (startScan(folder, append)) {
            if (!append) settings.folder = folder;
        } else {
            startScan(settings.folder, false);
        }
    }
    showCurrent(true);
    resumeSlideTimer();
    if (settings.autorefresh) startWatcher(true);
}
