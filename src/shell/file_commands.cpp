// The commands that act on the file of the picture on show.
#include "shell/file_commands.h"

#include "catalog/catalog.h"
#include "catalog/file_info.h"
#include "catalog/formats.h"
#include "config/paths.h"
#include "config/text.h"
#include "display/picture.h"
#include "platform/applications.h"
#include "platform/dialogs.h"
#include "platform/file_ops.h"
#include "platform/launch.h"
#include "platform/window_host.h"
#include "resources/dialog_templates.h"
#include "slideshow/slideshow.h"

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
bool mayWrite(WindowHost& window, const std::string& path, const std::string& question, Existing& existing) {
    struct stat st {};
    existing = ::lstat(path.c_str(), &st) == 0 ? Existing::Replace : Existing::Keep;
    return existing == Existing::Keep ||
           showMessage(&window, question, MessageIcon::Question, MessageButtons::YesNo) == MessageAnswer::Yes;
}
}  // namespace

FileCommands::FileCommands(Settings& settings, WindowHost& window, Catalog& catalog, Slideshow& slideshow,
                           Picture& picture, const std::string& watcherOwnFile, Hooks hooks)
    : settings_(settings),
      window_(window),
      catalog_(catalog),
      slideshow_(slideshow),
      picture_(picture),
      watcherOwnFile_(watcherOwnFile),
      hooks_(std::move(hooks)) {}

bool FileCommands::isPastedPicture() const {
    if (catalog_.currentPath() != clipboardName) return false;
    showMessage(&window_, "Not a file", MessageIcon::Information);
    return true;
}

// The frame of every command that changes files: the show and the folder watcher wait, so the
// program's own change does not come back to it as a change in the folder.
void FileCommands::changeFiles(bool dialog, const std::function<void()>& operation) {
    slideshow_.stop(true);
    catalog_.stopWatcher();
    if (dialog) window_.showCursor(true);
    operation();
    if (settings_.autorefresh) catalog_.startWatcher(watcherOwnFile_);
    if (dialog) window_.showCursor(false);
    slideshow_.resume();
}

void FileCommands::copyOrMoveFile(bool move) {
    if (catalog_.scanRunning() || catalog_.images().empty() || isPastedPicture()) return;
    changeFiles(true, [this, move] {
        const std::string source = catalog_.currentPath();
        // A name typed without an extension gets the source's, so the next scan still finds it.
        const std::string extension(extensionOf(source));
        int filter = 0;
        std::string destination = source;
        Existing existing;
        do {
            destination = chooseSaveFile(window_, move ? "Move/Rename File" : "Copy FIle", destination,
                                         {"Source format (*" + extension + ")"}, filter);
            if (destination.empty()) return;
            if (extensionOf(destination).empty()) destination += extension;
        } while (!mayWrite(window_, destination, replaceQuestion(destination), existing));
        if (move) {
            picture_.release();
            if (!moveFile(source, destination, existing)) {
                showMessage(&window_, "Move/Rename failed", MessageIcon::Exclamation);
                return;
            }
            catalog_.renameCurrent(destination);
        } else {
            if (!copyFile(source, destination, existing)) {
                showMessage(&window_, "Copy failed", MessageIcon::Exclamation);
                return;
            }
            catalog_.insertAtCurrent(destination);
        }
        hooks_.showCurrent(true);
    });
}

void FileCommands::saveViewAs() {
    if (catalog_.scanRunning()) return;
    changeFiles(true, [this] {
        const bool pasted = catalog_.currentPath() == clipboardName;
        std::string name = pasted ? settings_.folder + "/" + clipboardName : catalog_.currentPath();
        int filter = 0;
        const char* extension = nullptr;
        Existing existing;
        // What is saved is the picture as shown: turned and at its displayed size. The name
        // asked about is the one written, with the extension added.
        const QImage shownImage = hooks_.shownPicture();
        const std::string shown = std::to_string(shownImage.width()) + " x " + std::to_string(shownImage.height());
        do {
            name = chooseSaveFile(window_, "Save As", name, {"JPG/JPEG Files (*.jpg *.jpeg)", "BMP Files (*.bmp)"},
                                  filter);
            if (name.empty()) return;
            extension = filter == 1 ? ".jpg" : filter == 2 ? ".bmp" : nullptr;
            if (!extension) {
                showMessage(&window_, "Save failed", MessageIcon::Exclamation);
                return;
            }
            const size_t dot = name.rfind('.');
            if (dot == std::string::npos || !equalsIgnoringCase(name.substr(dot), extension)) name += extension;
        } while (!mayWrite(window_, name,
                           sameFile(name, catalog_.currentPath())
                               ? nameOf(name) +
                                     " is the picture on show: it will be replaced by the picture as shown, "
                                     "at its shown size (" +
                                     shown + ").\nDo you want to replace it?"
                               : replaceQuestion(name),
                           existing));
        picture_.loadBitmap(shownImage);
        const auto format = filter == 1 ? Picture::Jpeg : Picture::Bmp;
        if (picture_.save(name, format, picture_.imageWidth(), picture_.imageHeight(), existing) != Picture::Ok) {
            showMessage(&window_, "Save failed", MessageIcon::Exclamation);
            return;
        }
        catalog_.insertAtCurrent(name);
        hooks_.showCurrent(true);
    });
}

void FileCommands::recycleCurrent() {
    if (catalog_.scanRunning() || catalog_.images().empty() || isPastedPicture()) return;
    changeFiles(false, [this] {
        if (settings_.confirmdelete &&
            showMessage(&window_, "Recycle " + catalog_.currentPath() + " ?", MessageIcon::Question,
                        MessageButtons::OkCancel) != MessageAnswer::Ok)
            return;
        picture_.release();
        if (!moveToTrash(catalog_.currentPath())) {
            showMessage(&window_, "Recycle failed", MessageIcon::Exclamation);
            return;
        }
        catalog_.removeCurrent();
        hooks_.showCurrent(true);
    });
}

void FileCommands::viewFile() {
    if (catalog_.images().empty() || isPastedPicture()) return;
    const std::string& viewer = settings_.imageViewer;
    if (viewer.empty() ? openWithShell(catalog_.currentPath()) : startProgram(viewer, {catalog_.currentPath()})) return;
    hooks_.runModal([&] {
        showMessage(&window_, viewer.empty() ? "Can't open file!" : viewer + " can't open " + catalog_.currentPath(),
                    MessageIcon::Information);
    });
}

void FileCommands::exploreFolder() {
    std::string folder;
    if (catalog_.images().empty()) folder = settings_.folder;
    else if (!isPastedPicture()) folder = folderOf(catalog_.currentPath());
    else return;
    if (startProgram(settings_.fileManager, {folder})) return;
    hooks_.runModal(
        [&] { showMessage(&window_, settings_.fileManager + " can't open " + folder, MessageIcon::Information); });
}

void FileCommands::openWith() {
    if (catalog_.images().empty() || isPastedPicture()) return;
    hooks_.runModal([this] {
        const std::vector<Application> programs = applicationsFor(mimeTypeOf(catalog_.currentPath()));
        std::vector<std::string> names;
        for (const Application& p : programs) names.push_back(p.name);
        if (names.empty()) {
            showMessage(&window_, "No program here opens " + mimeTypeOf(catalog_.currentPath()),
                        MessageIcon::Information);
            return;
        }
        const int chosen = chooseFromList(window_, "Open With", names);
        if (chosen < 0) return;
        std::vector<std::string> command = commandFor(programs[size_t(chosen)].exec, catalog_.currentPath());
        if (command.empty()) return;
        const std::string program = command.front();
        command.erase(command.begin());
        startProgram(program, command);
    });
}

void FileCommands::programPathDialog(bool viewer) {
    hooks_.runModal([this, viewer] {
        programDialog(window_, dialogTemplate(viewer ? 108 : 109),
                      viewer ? settings_.imageViewer : settings_.fileManager);
    });
}
