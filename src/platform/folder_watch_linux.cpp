#include "platform/folder_watch.h"

#include <cerrno>
#include <dirent.h>
#include <poll.h>
#include <sys/eventfd.h>
#include <sys/inotify.h>
#include <unistd.h>

namespace {
constexpr uint32_t nameChanges = IN_CREATE | IN_DELETE | IN_MOVED_FROM | IN_MOVED_TO | IN_DELETE_SELF | IN_MOVE_SELF;

// Watches the folder and, for a subtree, every folder below it.
void watchTree(int notify, const std::string& folder, bool subtree, std::map<int, std::string>& folders) {
    const int wd = inotify_add_watch(notify, folder.c_str(), nameChanges | IN_ONLYDIR);
    if (wd < 0) return;
    folders[wd] = folder;
    if (!subtree) return;
    DIR* dir = opendir(folder.c_str());
    if (!dir) return;
    while (const dirent* item = readdir(dir)) {
        const std::string name = item->d_name;
        if (name != "." && name != ".." && item->d_type == DT_DIR) watchTree(notify, folder + "/" + name, true, folders);
    }
    closedir(dir);
}
}  // namespace

FolderWatch::FolderWatch(const std::string& folder, bool subtree, std::function<void()> changed)
    : notify_(inotify_init1(IN_CLOEXEC | IN_NONBLOCK)), stop_(eventfd(0, EFD_CLOEXEC)), changed_(std::move(changed)) {
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
    pollfd fds[2] = {{stop_, POLLIN, 0}, {notify_, POLLIN, 0}};
    int timeout = -1;  // after a change: the rest of the 100 ms before it is reported
    for (;;) {
        const int ready = poll(fds, 2, timeout);
        if (ready < 0 && errno != EINTR) return;
        if (fds[0].revents) return;
        if (ready == 0) {  // the burst is over
            timeout = -1;
            changed_();
            continue;
        }
        if (!(fds[1].revents & POLLIN)) continue;
        alignas(inotify_event) char buffer[16384];
        for (ssize_t length; (length = ::read(notify_, buffer, sizeof buffer)) > 0;) {
            for (char* at = buffer; at < buffer + length;) {
                const auto* event = reinterpret_cast<const inotify_event*>(at);
                at += sizeof(inotify_event) + event->len;
                // A new folder in the subtree is watched from now on.
                if (subtree && (event->mask & IN_ISDIR) && (event->mask & (IN_CREATE | IN_MOVED_TO)) && event->len)
                    if (auto parent = folders_.find(event->wd); parent != folders_.end())
                        watchTree(notify_, parent->second + "/" + event->name, true, folders_);
            }
        }
        if (timeout < 0) timeout = 100;
    }
}
