// Feeding the list from outside the menus: the folder watcher and dropped files.
#include "catalog/catalog.h"

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
void Catalog::startWatcher(const std::string& ownFile) {
    watcher_.reset();
    Settings everyFormat;
    everyFormat.emf = everyFormat.ico = everyFormat.tif = true;
    // A rewritten file matters when it may be a picture and is not the wallpaper this program
    // writes itself (which would refresh the list for ever in the wallpaper layer).
    const auto rewriteMatters = [everyFormat, wallpaper = ownFile](const std::string& path) {
        if (!isShortcut(path) && !matchesFormat(extensionOf(path), everyFormat)) return false;
        FileInfo file, written;
        return !(readFileInfo(path, file) && readFileInfo(wallpaper, written) && file.device == written.device &&
                 file.inode == written.inode);
    };
    watcher_ = std::make_unique<FolderWatch>(
        settings_.folder, settings_.subfolders, [window = &window_] { window->post(Message{Msg::FolderChanged}); },
        rewriteMatters);
}

void Catalog::stopWatcher() { watcher_.reset(); }

void Catalog::onFolderChanged() {
    // A change that comes while the message of the last refresh is open waits for it to close.
    if (changeRefreshing_) {
        changeWaiting_ = true;
        return;
    }
    if (scanRunning()) return;
    changeRefreshing_ = true;
    // An emptied folder says so once ("No images in"); there is nothing to show or go to. The
    // rescan is the Refresh command, which a locked menu (-nomenu) refuses.
    if (settings_.noMenu ? !images_.empty() : rescanRoot()) {
        const FindLast find = settings_.autofindlast;
        if (find == FindLast::NewestCreated || find == FindLast::NewestModified) {
            const auto newest =
                std::max_element(images_.begin(), images_.end(), [find](const ImageEntry& a, const ImageEntry& b) {
                    return find == FindLast::NewestCreated ? a.created < b.created : a.modified < b.modified;
                });
            index_ = uint32_t(newest - images_.begin());
        }
        hooks_.showCurrent();
    } else {
        window_.invalidate();
    }
    changeRefreshing_ = false;
    if (std::exchange(changeWaiting_, false)) window_.post(Message{Msg::FolderChanged});
}

namespace {
bool isFolder(const std::string& path) {
    FileInfo info;
    // What cannot be examined counts as a folder, whose scan then finds nothing.
    return !readFileInfo(path, info) || info.directory;
}
}  // namespace

void Catalog::dropFiles(const std::vector<std::string>& files, bool append) {
    const ShellLink links;
    if (files.size() > 1) {
        if (!append) {
            index_ = 0;
            images_.clear();
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
                if (!matchesFormat(extensionOf(target.path), settings_)) continue;
                entry = {path, target.created, target.modified, target.accessed};
            } else if (isFolder(path)) {
                roots.push_back(path);
                continue;
            } else if (!matchesFormat(extensionOf(path), settings_)) {
                continue;
            } else {
                entry = entryFor(path);
            }
            if (std::exchange(first, false)) currentPath_ = entry.path;
            images_.push_back(std::move(entry));
        }
        // The dropped folders are read in whole, here.
        if (!roots.empty()) startScan(settings_.folder, false, true, roots);
        if (images_.empty()) startScan(settings_.folder, settings_.peek, false);
        else order();
    } else {
        // One item: its folder becomes the list, the item itself (a picture) the one on show.
        const std::string& path = files.front();
        std::string folder = folderOf(path);
        LinkTarget target;
        if (isShortcut(path) && links.readShortcut(path, target, false) && target.isFolder()) folder = target.path;
        else if (!isShortcut(path) && isFolder(path)) folder = path;
        else currentPath_ = path;
        if (startScan(folder, settings_.peek, append)) {
            if (!append) settings_.folder = folder;
        } else {
            startScan(settings_.folder, settings_.peek, false);
        }
    }
}
