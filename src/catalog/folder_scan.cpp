#include "catalog/folder_scan.h"

#include "catalog/file_info.h"
#include "catalog/formats.h"
#include "config/paths.h"
#include "shell/shell_link.h"

#include <cstdlib>
#include <deque>
#include <dirent.h>
#include <memory>
#include <set>
#include <sys/stat.h>
#include <utility>

namespace {

struct CloseDir {
    void operator()(DIR* listing) const { closedir(listing); }
};

std::string join(const std::string& folder, const char* name) {
    return folder == "/" ? folder + name : folder + "/" + name;
}

// The real path of a file or folder; empty when it cannot be found.
std::string realPath(const std::string& path) {
    std::unique_ptr<char, decltype(&std::free)> real(realpath(path.c_str(), nullptr), &std::free);
    return real ? real.get() : "";
}

// The extension that decides a link's format: that of the file it finally names.
std::string_view linkTargetExtension(const std::string& path, std::string& resolved) {
    resolved = realPath(path);
    return extensionOf(resolved);
}

// Whether the folder a link leads to is the folder holding the link or one of its ancestors:
// following it would list the pictures around the root, not below it.
bool leadsUpward(const std::string& target, const std::string& realFolder) {
    const std::string real = realPath(target);
    if (real.empty() || realFolder.empty()) return false;
    return real == "/" || realFolder == real || (realFolder.starts_with(real) && realFolder[real.size()] == '/');
}

}  // namespace

void scanFolders(const std::vector<std::string>& roots, const Settings& settings, ImageList& list,
                 const std::function<bool()>& afterFolder) {
    std::deque<std::string> queue;
    for (const std::string& root : roots) queue.push_back(withoutTrailingSlash(root));
    std::set<std::pair<uint64_t, uint64_t>> scanned;  // device and inode of every folder entered
    const ShellLink shortcuts;

    while (!queue.empty()) {
        const std::string folder = std::move(queue.front());
        queue.pop_front();
        FileInfo folderInfo;
        if (!readFileInfo(folder, folderInfo) || !folderInfo.directory) continue;
        if (!scanned.insert({folderInfo.device, folderInfo.inode}).second) continue;

        std::unique_ptr<DIR, CloseDir> listing(opendir(folder.c_str()));
        if (!listing) continue;
        const std::string realFolder = realPath(folder);
        while (const dirent* item = readdir(listing.get())) {
            const std::string name = item->d_name;
            if (name == "." || name == "..") continue;
            const std::string path = join(folder, item->d_name);
            unsigned char type = item->d_type;
            if (type == DT_UNKNOWN) {
                struct stat st {};
                if (lstat(path.c_str(), &st) != 0) continue;
                type = S_ISLNK(st.st_mode) ? DT_LNK : S_ISDIR(st.st_mode) ? DT_DIR : S_ISREG(st.st_mode) ? DT_REG : 0;
            }
            // Only regular files are pictures: a FIFO or device named like one would block or
            // stream for ever when read.
            if (type != DT_REG && type != DT_LNK && type != DT_DIR) continue;
            // A shortcut is judged by its target as the shortcut records it.
            LinkTarget target;
            if (type != DT_DIR && isShortcut(name)) {
                if (!shortcuts.readShortcut(path, target, false)) continue;
                if (target.isFolder()) {
                    if (settings.subfolders && (settings.hidden || !(target.attributes & 0x02)) &&
                        !leadsUpward(target.path, realFolder))
                        queue.push_back(target.path);
                } else if (const std::string_view extension = extensionOf(target.path);
                           !extension.empty() && matchesFormat(extension, settings)) {
                    list.push_back({path, target.created, target.modified, target.accessed});
                }
                continue;
            }
            const bool link = type == DT_LNK;
            bool directory = type == DT_DIR;
            FileInfo info;
            if (link) {
                if (!readFileInfo(path, info) || !(info.directory || info.regular)) continue;  // broken or special
                directory = info.directory;
            }
            if (directory) {
                if (!settings.subfolders || (!settings.hidden && name[0] == '.')) continue;
                if (link && leadsUpward(path, realFolder)) continue;
                queue.push_back(path);
                continue;
            }
            std::string resolved;
            const std::string_view extension = link ? linkTargetExtension(path, resolved) : extensionOf(name);
            if (extension.empty() || !matchesFormat(extension, settings)) continue;
            if (!link && !readFileInfo(path, info)) continue;  // vanished since the listing
            list.push_back({path, info.created, info.modified, info.accessed});
        }
        if (afterFolder && !afterFolder()) return;
    }
}
