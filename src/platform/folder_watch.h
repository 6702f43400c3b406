#pragma once
#include <atomic>
#include <functional>
#include <map>
#include <string>
#include <thread>

// Watches a folder (and with subtree its subfolders, new ones included) for files and folders
// that are complete: created and closed after writing, rewritten and closed, moved in, linked,
// deleted, moved out or renamed. A file still being written counts once it is closed, so a
// picture is never taken half written. Changes are reported by calling changed on the watching
// thread once 100 ms pass without another, or at the latest 1 s after the first of a burst
// that goes on: changed must only hand the news to the window (a queued message).
// A file closed after writing counts only when rewriteMatters(its path) says so, which keeps
// the program's own logs and settings from refreshing the list. Stopping is destroying.
class FolderWatch {
public:
    FolderWatch(const std::string& folder, bool subtree, std::function<void()> changed,
                std::function<bool(const std::string& path)> rewriteMatters);
    ~FolderWatch();
    FolderWatch(const FolderWatch&) = delete;
    FolderWatch& operator=(const FolderWatch&) = delete;

    static constexpr int quietMs = 100;    // a burst ends after this long without a change
    static constexpr int latestMs = 1000;  // a burst that goes on is reported after this long

private:
    void run(bool subtree);
    // Takes the events waiting; true when one of them changes what the folder holds.
    bool readEvents(bool subtree);

    int notify_ = -1;  // the inotify descriptor, owned by this watch alone
    int stop_ = -1;    // an eventfd that ends the watching thread
    std::function<void()> changed_;
    std::function<bool(const std::string&)> rewriteMatters_;
    std::map<int, std::string> folders_;  // by watch descriptor: what is watched
    std::thread thread_;
};
