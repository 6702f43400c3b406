#include "platform/folder_watch.h"

#include <algorithm>
#include <cerrno>
#include <chrono>
#include <dirent.h>
#include <poll.h>
#include <sys/eventfd.h>
#include <sys/inotify.h>
#include <sys/stat.h>
#include <unistd.h>

namespace {
constexpr uint32_t watchedEvents =
    IN_CREATE | IN_CLOSE_WRITE | IN_DELETE | IN_MOVED_FROM | IN_MOVED_TO | IN_DELETE_SELF | IN_MOVE_SELF;

// Watches the folder and, for a subtree, every folder below it.
void watchTree(int notify, const std::string& folder, bool subtree, std::map<int, std::string>& folders) {
    const int wd = inotify_add_watch(notify, folder.c_str(), watchedEvents | IN_ONLYDIR);
    if (wd < 0) return;
    folders[wd] = folder;
    if (!subtree) return;
    DIR* dir = opendir(folder.c_str());
    if (!dir) return;
    while (const dirent* item = readdir(dir)) {
        const std::string name = item->d_name;
        if (name != "." && name != ".." && item->d_type == DT_DIR)
            watchTree(notify, folder + "/" + name, true, folders);
    }
    closedir(dir);
}

// A new name that is complete the moment it appears: a folder, a symbolic link or a second
// hard link. A new plain file is still being written; it counts when it is closed.
bool completeOnCreation(const std::string& path) {
    struct stat st {};
    return lstat(path.c_str(), &st) == 0 && !(S_ISREG(st.st_mode) && st.st_nlink == 1);
}
}  // namespace

FolderWatch::FolderWatch(const std::string& folder, bool subtree, std::function<void()> changed,
                         std::function<bool(const std::string& path)> rewriteMatters)
    : notify_(inotify_init1(IN_CLOEXEC | IN_NONBLOCK)),
      stop_(eventfd(0, EFD_CLOEXEC)),
      changed_(std::move(changed)),
      rewriteMatters_(std::move(rewriteMatters)) {
    if (notify_ < 0 || stop_ < 0) return;
    // Watching from the moment the watch exists: a change right after it is not missed.
    watchTree(notify_, folder, subtree, folders_);
    if (!folders_.empty()) thread_ = std::thread(&FolderWatch::run, this, subtree);
}

FolderWatch::~FolderWatch() {
    if (thread_.joinable()) {
        const uint64_t one = 1;
        (void)::write(stop_, &one, sizeof one);
        thread_.join();
    }
    if (notify_ >= 0) ::close(notify_);
    if (stop_ >= 0) ::close(stop_);
}

void FolderWatch::run(bool subtree) {
    using Clock = std::chrono::steady_clock;
    pollfd fds[2] = {{stop_, POLLIN, 0}, {notify_, POLLIN, 0}};
    bool pending = false;
    Clock::time_point first;  // the first change not yet reported
    for (;;) {
        int timeout = -1;
        if (pending) {
            const auto waited = std::chrono::duration_cast<std::chrono::milliseconds>(Clock::now() - first).count();
            timeout = int(std::clamp<long long>(latestMs - waited, 0, quietMs));
        }
        const int ready = poll(fds, 2, timeout);
        if (ready < 0 && errno != EINTR) return;
        if (fds[0].revents) return;
        if (ready == 0) {  // quiet for a while, or changing for too long
            pending = false;
            changed_();
            continue;
        }
        if (!(fds[1].revents & POLLIN) || !readEvents(subtree) || pending) continue;
        pending = true;
        first = Clock::now();
    }
}

bool FolderWatch::readEvents(bool subtree) {
    bool changed = false;
    alignas(inotify_event) char buffer[16384];
    for (ssize_t length; (length = ::read(notify_, buffer, sizeof buffer)) > 0;) {
        for (char* at = buffer; at < buffer + length;) {
            const auto* event = reinterpret_cast<const inotify_event*>(at);
            at += sizeof(inotify_event) + event->len;
            const auto folder = folders_.find(event->wd);
            const std::string path = folder != folders_.end() && event->len ? folder->second + "/" + event->name : "";
            // A new folder in the subtree is watched from now on.
            if (subtree && (event->mask & IN_ISDIR) && (event->mask & (IN_CREATE | IN_MOVED_TO)) && !path.empty())
                watchTree(notify_, path, true, folders_);
            if (event->mask & IN_CLOSE_WRITE) changed |= !path.empty() && rewriteMatters_(path);
            else if (event->mask & IN_CREATE) changed |= (event->mask & IN_ISDIR) || completeOnCreation(path);
            else changed |= !(event->mask & IN_IGNORED);
        }
    }
    return changed;
}
