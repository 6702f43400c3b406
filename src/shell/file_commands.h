#pragma once
#include "config/settings.h"

#include <QImage>
#include <functional>
#include <string>

class Catalog;
class Picture;
class Slideshow;
class WindowHost;

// The commands that act on the file of the picture on show (copy, move, save, recycle, open it
// elsewhere) and filing it away: favorites, the desktop and the archive.
class FileCommands {
public:
    // What the file commands ask of the rest of the program.
    struct Hooks {
        std::function<void(const std::function<void()>&)> runModal;  // a dialog with the show suspended
        std::function<void(bool)> showCurrent;                       // show the current entry (forward)
        std::function<QImage()> shownPicture;                        // what Save As writes
        std::function<void()> refresh;                               // back to the root folder's list
    };

    // watcherOwnFile: the file the program writes itself, which the folder watcher ignores.
    FileCommands(Settings& settings, WindowHost& window, Catalog& catalog, Slideshow& slideshow, Picture& picture,
                 const std::string& watcherOwnFile, Hooks hooks);
    FileCommands(const FileCommands&) = delete;
    FileCommands& operator=(const FileCommands&) = delete;

    // The path of a pasted picture.
    static constexpr const char* clipboardName = "Clipboard_Image";

    const std::string& desktopFolder() const { return desktopFolder_; }
    void setDesktopFolder(std::string folder) { desktopFolder_ = std::move(folder); }
    // Where archiving logs its moves.
    const std::string& archiveLog() const { return archiveLog_; }
    void setArchiveLog(std::string path) { archiveLog_ = std::move(path); }

    // A pasted picture is no file: says "Not a file" and answers true.
    bool isPastedPicture() const;
    void copyOrMoveFile(bool move);
    // Saves the picture as shown (turned, at its displayed size) as JPEG or BMP.
    void saveViewAs();
    void recycleCurrent();
    // The picture in the image viewer (or its associated program); its folder in the file manager.
    void viewFile();
    void exploreFolder();
    // A chooser of the installed programs that open the picture's type.
    void openWith();
    // Chooses the image viewer (true) or the file manager program.
    void programPathDialog(bool viewer);

    // The folder chooser for the archive (true) or the favorites; false when cancelled.
    bool chooseFilingFolder(bool archive);
    // The favorites folder, asked for when none is set yet; empty when the user declines.
    const std::string& favoritesFolder();
    // A shortcut to, or a copy of, the current file in the folder under a free name.
    void sendShortcut(const std::string& folder);
    void sendCopy(const std::string& folder);
    // The pictures of another folder (the root stays); back to the root's when it has none.
    void viewFolder(const std::string& folder);
    // The pictures of the folder a shortcut entry points into.
    void viewTarget();
    // Moves the current file into the archive folder under a free name, and logs the move.
    void archiveCurrent();

private:
    void changeFiles(bool dialog, const std::function<void()>& operation);

    Settings& settings_;
    WindowHost& window_;
    Catalog& catalog_;
    Slideshow& slideshow_;
    Picture& picture_;
    const std::string& watcherOwnFile_;
    Hooks hooks_;
    std::string desktopFolder_;
    std::string archiveLog_;
};
