// The commands that act on the file of the picture on show, and the clipboard.
#include "app/app_globals.h"
#include "app/app_state.h"
#include "catalog/file_info.h"
#include "catalog/formats.h"
#include "config/paths.h"
#include "config/text.h"
#include "display/picture.h"
#include "platform/applications.h"
#include "platform/clipboard.h"
#include "platform/dialogs.h"
#include "platform/file_ops.h"
#include "platform/launch.h"
#include "platform/window_host.h"
#include "resources/dialog_templates.h"

#include <algorithm>
#include <sys/stat.h>

namespace {
bool sameFile(const std::string& a, const std::string& b) {
    struct stat x {};
    struct stat y {};
    return ::stat(a.c_str(), &x) == 0 && ::stat(b.c_str(), &y) == 0 && x.st_dev == y.st_dev && x.st_ino == y.st_ino;
}

std::string replaceQuestion(const std::string& path) {
    return nameOf(path) + " already exists.\nDo you want to replace it?";
}

// Whether the chosen name may be written, and how: Keep when it is free, so that a file put
// there meanwhile is never replaced; Replace when the user agrees to replace what is there.
bool mayWrite(const std::string& path, const std::string& question, Existing& existing) {
    struct stat st {};
    existing = ::lstat(path.c_str(), &st) == 0 ? Existing::Replace : Existing::Keep;
    return existing == Existing::Keep ||
           appGlobals.showMessage(question, MessageIcon::Question, MessageButtons::YesNo) == MessageAnswer::Yes;
}
}  // namespace

bool AppState::isPastedPicture() const {
    if (catalog.currentPath() != clipboardName) return false;
    appGlobals.showMessage("Not a file", MessageIcon::Information);
    return true;
}

// The frame of every command that changes files: the show and the folder watcher wait, so the
// program's own change does not come back to it as a change in the folder.
void AppState::changeFiles(bool dialog, const std::function<void()>& operation) {
    slideshow.stop(true);
    catalog.stopWatcher();
    if (dialog) mainWindow.showCursor(true);
    operation();
    if (settings.autorefresh) catalog.startWatcher(wallpaperPath);
    if (dialog) mainWindow.showCursor(false);
    slideshow.resume();
}

void AppState::copyOrMoveFile(bool move) {
    if (catalog.scanRunning() || catalog.images().empty() || isPastedPicture()) return;
    changeFiles(true, [this, move] {
        const std::string source = catalog.currentPath();
        // A name typed without an extension gets the source's, so the next scan still finds it.
        const std::string extension(extensionOf(source));
        int filter = 0;
        std::string destination = source;
        Existing existing;
        do {
            destination = chooseSaveFile(mainWindow, move ? "Move/Rename File" : "Copy FIle", destination,
                                         {"Source format (*" + extension + ")"}, filter);
            if (destination.empty()) return;
            if (extensionOf(destination).empty()) destination += extension;
        } while (!mayWrite(destination, replaceQuestion(destination), existing));
        if (move) {
            view.picture().release();
            if (!moveFile(source, destination, existing)) {
                appGlobals.showMessage("Move/Rename failed", MessageIcon::Exclamation);
                return;
            }
            catalog.renameCurrent(destination);
        } else {
            if (!copyFile(source, destination, existing)) {
                appGlobals.showMessage("Copy failed", MessageIcon::Exclamation);
                return;
            }
            catalog.insertAtCurrent(destination);
        }
        showCurrent(true);
    });
}

void AppState::saveViewAs() {
    if (catalog.scanRunning()) return;
    changeFiles(true, [this] {
        const bool pasted = catalog.currentPath() == clipboardName;
        std::string name = pasted ? settings.folder + "/" + clipboardName : catalog.currentPath();
        int filter = 0;
        const char* extension = nullptr;
        Existing existing;
        // What is saved is the picture as shown: turned and at its displayed size. The name
        // asked about is the one written, with the extension added.
        const QImage shownImage = view.shownPicture();
        const std::string shown = std::to_string(shownImage.width()) + " x " + std::to_string(shownImage.height());
        do {
            name = chooseSaveFile(mainWindow, "Save As", name, {"JPG/JPEG Files (*.jpg *.jpeg)", "BMP Files (*.bmp)"},
                                  filter);
            if (name.empty()) return;
            extension = filter == 1 ? ".jpg" : filter == 2 ? ".bmp" : nullptr;
            if (!extension) {
                appGlobals.showMessage("Save failed", MessageIcon::Exclamation);
                return;
            }
            const size_t dot = name.rfind('.');
            if (dot == std::string::npos || !equalsIgnoringCase(name.substr(dot), extension)) name += extension;
        } while (!mayWrite(name,
                           sameFile(name, catalog.currentPath())
                               ? nameOf(name) +
                                     " is the picture on show: it will be replaced by the picture as shown, "
                                     "at its shown size (" +
                                     shown + ").\nDo you want to replace it?"
                               : replaceQuestion(name),
                           existing));
        view.picture().loadBitmap(shownImage);
        const auto format = filter == 1 ? Picture::Jpeg : Picture::Bmp;
        if (view.picture().save(name, format, view.picture().imageWidth(), view.picture().imageHeight(), existing) !=
            Picture::Ok) {
            appGlobals.showMessage("Save failed", MessageIcon::Exclamation);
            return;
        }
        catalog.insertAtCurrent(name);
        showCurrent(true);
    });
}

void AppState::recycleCurrent() {
    if (catalog.scanRunning() || catalog.images().empty() || isPastedPicture()) return;
    changeFiles(false, [this] {
        if (settings.confirmdelete &&
            appGlobals.showMessage("Recycle " + catalog.currentPath() + " ?", MessageIcon::Question,
                                   MessageButtons::OkCancel) != MessageAnswer::Ok)
            return;
        view.picture().release();
        if (!moveToTrash(catalog.currentPath())) {
            appGlobals.showMessage("Recycle failed", MessageIcon::Exclamation);
            return;
        }
        catalog.removeCurrent();
        showCurrent(true);
    });
}

void AppState::copyView() { setClipboardImage(view.visiblePart()); }

void AppState::paste() {
    settings.slide = false;
    slideshow.restart();
    if (const QImage pasted = clipboardImage(); !pasted.isNull()) view.picture().loadBitmap(pasted);
    if (view.picture().isLoaded()) {
        catalog.setCurrentPath(clipboardName);
        view.startPastedPicture();
    }
    arrangeWindow();
}

void AppState::viewFile() {
    if (catalog.images().empty() || isPastedPicture()) return;
    const std::string& viewer = settings.imageViewer;
    if (viewer.empty() ? openWithShell(catalog.currentPath()) : startProgram(viewer, {catalog.currentPath()})) return;
    runModal([&] {
        appGlobals.showMessage(viewer.empty() ? "Can't open file!" : viewer + " can't open " + catalog.currentPath(),
                               MessageIcon::Information);
    });
}

void AppState::exploreFolder() {
    std::string folder;
    if (catalog.images().empty()) folder = settings.folder;
    else if (!isPastedPicture()) folder = folderOf(catalog.currentPath());
    else return;
    if (startProgram(settings.fileManager, {folder})) return;
    runModal([&] { appGlobals.showMessage(settings.fileManager + " can't open " + folder, MessageIcon::Information); });
}

void AppState::openWith() {
    if (catalog.images().empty() || isPastedPicture()) return;
    runModal([this] {
        const std::vector<Application> programs = applicationsFor(mimeTypeOf(catalog.currentPath()));
        std::vector<std::string> names;
        for (const Application& p : programs) names.push_back(p.name);
        if (names.empty()) {
            appGlobals.showMessage("No program here opens " + mimeTypeOf(catalog.currentPath()),
                                   MessageIcon::Information);
            return;
        }
        const int chosen = chooseFromList(mainWindow, "Open With", names);
        if (chosen < 0) return;
        std::vector<std::string> command = commandFor(programs[size_t(chosen)].exec, catalog.currentPath());
        if (command.empty()) return;
        const std::string program = command.front();
        command.erase(command.begin());
        startProgram(program, command);
    });
}

void AppState::programPathDialog(bool viewer) {
    runModal([this, viewer] {
        programDialog(mainWindow, dialogTemplate(viewer ? 108 : 109),
                      viewer ? settings.imageViewer : settings.fileManager);
    });
}
