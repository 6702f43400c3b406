#pragma once
#include <atomic>
#include <functional>
#include <map>
#include <string>
#include <thread>

// Watches a folder (and with subtree its subfolders, new ones included) for files and folders
// being created, deleted or renamed, not rewritten. A burst of changes is reported once, when
// 100 ms have passed without another, by calling changed on the watching thread: changed must
// only hand the news to the window (a queued message). Stopping is destroying.
class FolderWatch {
public:
    FolderWatch(const std::string& folder, bool subtree, std::function<void()> changed);
    ~FolderWatch();
    FolderWatch(const FolderWatch&) = delete;
    FolderWatch& operator=(const FolderWatch&) = delete;

private:
    void run(bool subtree);

    int notify_ = -1;  // the inotify descriptor, owned by this watch alone
    int stop_ = -1;    // an eventfd that ends the watching thread
    std::function<void()> changed_;
    std::map<int, std::string> folders_;  // by watch descriptor: what is watched
    std::thread thread_;
};
