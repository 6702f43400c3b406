#pragma once
#include "catalog/find.h"
#include "catalog/image_entry.h"
#include "catalog/scan_job.h"
#include "config/settings.h"

#include <cstdint>
#include <functional>
#include <memory>
#include <string>
#include <vector>

class FolderWatch;
class WindowHost;

// The image list and the position in it, and what feeds it: the folder scan, the folder
// watcher, dropped files and find.
class Catalog {
public:
    // What the catalog asks of the rest of the program.
    struct Hooks {
        std::function<void(const std::string&)> inform;  // an information message box
        std::function<void()> countChanged;              // a peek scan added entries
        std::function<void()> showCurrent;               // show the current entry, going forward
    };

    Catalog(Settings& settings, WindowHost& window, Hooks hooks);
    ~Catalog();
    Catalog(const Catalog&) = delete;
    Catalog& operator=(const Catalog&) = delete;

    const ImageList& images() const { return images_; }
    // Below images().size() whenever the list is not empty.
    uint32_t index() const { return index_; }
    void setIndex(uint32_t index) { index_ = index; }
    // The picture on show.
    const std::string& currentPath() const { return currentPath_; }
    void setCurrentPath(std::string path) { currentPath_ = std::move(path); }
    // Replaces the whole list; the position goes back to the first entry.
    void setImages(ImageList images);
    void setAccessed(FileTime accessed) { images_[index_].accessed = accessed; }

    // Rebuilds the list from the roots (or, without roots, from folderText), or adds to it when
    // appending; with peek, returns once the first folder with pictures is in and goes on in the
    // background. False, after saying "No images in" folderText, when the list is empty.
    bool startScan(const std::string& folderText, bool peek, bool append = false,
                   const std::vector<std::string>& roots = {});
    // Takes what the scan thread has handed over; orders the list when this is the first batch
    // of the scan (so that the picture asked for is found in it), after every batch with
    // peeksort, and at the end.
    void onScanProgress(bool firstBatch = false);
    bool scanRunning() const { return scanJob_ != nullptr; }
    // Orders the list by the sort settings and finds the picture on show again.
    void order();
    // Drops the current entry; the position wraps to 0 past the end.
    void removeCurrent();
    // Drops the marked entries; the position moves with its entry, or, when that entry is
    // dropped, to the entry that takes its place (0 past the end).
    void dropMarked(const std::vector<bool>& marked);
    void shuffle();
    // The current entry's file now has this path (moved or renamed): an entry of the name it
    // replaced goes, as the list holds each file once.
    void renameCurrent(const std::string& path);
    // Lists a new file at the current position unless it is listed already.
    void insertAtCurrent(const std::string& path);

    // Lets the user choose the root folder (Shift held when it closes: add its pictures).
    bool browseFolder();
    // Scans the root folder again, on this thread; false, after saying so, when it holds no
    // pictures.
    bool rescanRoot();
    // rescanRoot, then shows the current picture.
    void refresh();
    // Dropped files and folders: several are listed (appending with append), one's folder
    // becomes the list with the item itself on show.
    void dropFiles(const std::vector<std::string>& files, bool append);

    // The Find/Filter dialog and what it asks for; true when the list or the position changed.
    bool findOrFilter();
    // Moves to the next entry that matches (fromNext: after the current one, else from it).
    bool findNext(bool fromNext);

    // Watches the root folder (its subtree with subfolders on), replacing a running watcher;
    // rewrites of ownFile (the wallpaper the program writes) are no change.
    void startWatcher(const std::string& ownFile);
    void stopWatcher();
    bool watching() const { return watcher_ != nullptr; }
    // Refreshes the list after a change and goes to the newest file as autofindlast says.
    void onFolderChanged();

private:
    Settings& settings_;
    WindowHost& window_;
    Hooks hooks_;
    ImageList images_;
    uint32_t index_ = 0;
    std::string currentPath_;
    std::unique_ptr<ScanJob> scanJob_;      // the peek scan while it runs
    std::unique_ptr<FolderWatch> watcher_;  // while autorefresh watches the root folder
    bool changeRefreshing_ = false;         // a refresh after a change runs (its message may be open)
    bool changeWaiting_ = false;            // a change came meanwhile: refresh again once it is done
    FindState find_;
};
