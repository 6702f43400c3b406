#include "platform/file_ops.h"

#include "config/paths.h"
#include "platform/system.h"

#include <cctype>
#include <cerrno>
#include <cstdio>
#include <cstdlib>
#include <ctime>
#include <fcntl.h>
#include <memory>
#include <sys/sendfile.h>
#include <sys/stat.h>
#include <unistd.h>
#include <utility>
#include <vector>

namespace {

struct Fd {
    int fd;
    ~Fd() {
        if (fd >= 0) ::close(fd);
    }
};

// Runs a clean-up without losing the errno of the failure that called for it.
template <typename CleanUp>
void keepingErrno(CleanUp cleanUp) {
    const int error = errno;
    cleanUp();
    errno = error;
}

std::string folderFor(const std::string& path) {
    const std::string folder = folderOf(path);
    return folder.empty() ? "." : folder;
}

// Renames without ever replacing: RENAME_NOREPLACE, or where the file system lacks it a hard
// link and the removal of the old name.
bool renameNoReplace(const std::string& from, const std::string& to) {
    if (::renameat2(AT_FDCWD, from.c_str(), AT_FDCWD, to.c_str(), RENAME_NOREPLACE) == 0) return true;
    if (errno != EINVAL && errno != ENOSYS) return false;
    if (::link(from.c_str(), to.c_str()) != 0) return false;
    if (::unlink(from.c_str()) == 0) return true;
    keepingErrno([&] { ::unlink(to.c_str()); });
    return false;
}

bool renameTo(const std::string& from, const std::string& to, Existing existing) {
    return existing == Existing::Replace ? ::rename(from.c_str(), to.c_str()) == 0 : renameNoReplace(from, to);
}

// An exclusive temporary file of an unpredictable name in a folder; removed again unless it
// was put in place.
class Temporary {
public:
    explicit Temporary(const std::string& folder) : path_(folder + "/.vimble-XXXXXX") {
        fd_ = ::mkostemp(path_.data(), O_CLOEXEC);
        if (fd_ < 0) path_.clear();
    }
    ~Temporary() {
        keepingErrno([this] {
            if (fd_ >= 0) ::close(fd_);
            if (!path_.empty()) ::unlink(path_.c_str());
        });
    }
    Temporary(const Temporary&) = delete;
    Temporary& operator=(const Temporary&) = delete;

    bool isOpen() const { return fd_ >= 0; }
    int fd() const { return fd_; }
    const std::string& path() const { return path_; }

    // Sets the permission bits, flushes the file to disk and closes it, every result checked.
    bool finish(mode_t mode) {
        const bool ok = ::fchmod(fd_, mode) == 0 && ::fsync(fd_) == 0;
        return ::close(std::exchange(fd_, -1)) == 0 && ok;
    }
    bool place(const std::string& destination, Existing existing) {
        if (!renameTo(path_, destination, existing)) return false;
        path_.clear();
        return true;
    }

private:
    std::string path_;
    int fd_ = -1;
};

// The file a replacement writes: the one a symbolic link names, so the link stays.
std::string replacedFile(const std::string& path) {
    struct stat st {};
    if (::lstat(path.c_str(), &st) != 0 || !S_ISLNK(st.st_mode)) return path;
    std::unique_ptr<char, decltype(&std::free)> real(::realpath(path.c_str(), nullptr), &std::free);
    return real ? std::string(real.get()) : path;
}

mode_t modeFor(const std::string& path, int permissions) {
    if (permissions >= 0) return mode_t(permissions);
    struct stat old {};
    if (::stat(path.c_str(), &old) == 0) return old.st_mode & 07777;
    const mode_t mask = ::umask(0);
    ::umask(mask);
    return 0666 & ~mask;
}

// The open source's bytes into out, then its access and modification times.
bool copyContent(int in, const struct stat& source, int out) {
    off_t offset = 0;
    while (offset < source.st_size) {
        const ssize_t sent = ::sendfile(out, in, &offset, size_t(source.st_size - offset));
        if (sent == 0) break;  // the file shrank while being copied: what it holds is copied
        if (sent < 0 && errno != EINTR) return false;
    }
    const timespec times[2] = {source.st_atim, source.st_mtim};
    return ::futimens(out, times) == 0;
}

// The open source's description; a regular file only.
bool regularFile(int fd, struct stat& st) {
    if (fd < 0 || ::fstat(fd, &st) != 0) return false;
    if (S_ISREG(st.st_mode)) return true;
    errno = EINVAL;
    return false;
}

// A percent-encoded path, as trash info files keep them.
std::string encoded(const std::string& path) {
    static const char hex[] = "0123456789ABCDEF";
    std::string out;
    for (unsigned char c : path) {
        if (std::isalnum(c) || c == '/' || c == '-' || c == '_' || c == '.' || c == '~') {
            out += char(c);
        } else {
            out += '%';
            out += hex[c >> 4];
            out += hex[c & 15];
        }
    }
    return out;
}

// The path with its folder made absolute and free of links; the name itself stays, so a
// link is trashed as a link.
std::string absolutePath(const std::string& path) {
    std::unique_ptr<char, decltype(&std::free)> folder(::realpath(folderFor(path).c_str(), nullptr), &std::free);
    if (!folder) return path;
    const std::string real = folder.get();
    return (real == "/" ? "" : real) + "/" + nameOf(path);
}

// A trash folder of the user's own: created private when missing, and a real folder (not a
// link) that the user owns.
bool ownFolder(const std::string& folder) {
    if (::mkdir(folder.c_str(), 0700) != 0 && errno != EEXIST) return false;
    struct stat st {};
    return ::lstat(folder.c_str(), &st) == 0 && S_ISDIR(st.st_mode) && st.st_uid == ::getuid();
}

struct Trash {
    std::string folder;
    std::string top;  // the folder its info files' paths start from; empty for absolute paths
    bool usable() const { return ownFolder(folder) && ownFolder(folder + "/files") && ownFolder(folder + "/info"); }
};

// The top folder of the file system that holds folder: the last one up on the same device.
std::string topFolderOf(std::string folder, dev_t device) {
    while (folder != "/") {
        const std::string up = folderOf(folder);
        struct stat st {};
        if (::stat(up.c_str(), &st) != 0 || st.st_dev != device) break;
        folder = up;
    }
    return folder;
}

// The trashes to try, in the order the trash rules give: the home trash for a file on its
// file system; otherwise the file system's shared trash (when it is a real folder with the
// sticky bit), its per-user trash, and only then the home trash.
std::vector<Trash> trashesFor(const std::string& path, dev_t device) {
    std::string data = environmentValue("XDG_DATA_HOME");
    if (data.empty()) data = environmentValue("HOME") + "/.local/share";
    const Trash home{data + "/Trash", ""};
    struct stat st {};
    if (!makeFolders(data) || (::stat(data.c_str(), &st) == 0 && st.st_dev == device)) return {home};
    const std::string top = topFolderOf(folderOf(path), device);
    const std::string base = top == "/" ? "" : top;
    const std::string user = std::to_string(::getuid());
    std::vector<Trash> trashes;
    if (::lstat((base + "/.Trash").c_str(), &st) == 0 && S_ISDIR(st.st_mode) && (st.st_mode & S_ISVTX))
        trashes.push_back({base + "/.Trash/" + user, top});
    trashes.push_back({base + "/.Trash-" + user, top});
    trashes.push_back(home);
    return trashes;
}

}  // namespace

bool writeWholeFile(const std::string& path, Existing existing, const std::function<bool(int fd)>& write,
                    int permissions) {
    const std::string target = existing == Existing::Replace ? replacedFile(path) : path;
    Temporary temporary(folderFor(target));
    return temporary.isOpen() && write(temporary.fd()) && temporary.finish(modeFor(target, permissions)) &&
           temporary.place(target, existing);
}

bool writeWholeFile(const std::string& path, Existing existing, std::string_view bytes, int permissions) {
    return writeWholeFile(
        path, existing,
        [bytes](int fd) {
            for (size_t done = 0; done < bytes.size();) {
                const ssize_t n = ::write(fd, bytes.data() + done, bytes.size() - done);
                if (n < 0 && errno == EINTR) continue;
                if (n <= 0) return false;
                done += size_t(n);
            }
            return true;
        },
        permissions);
}

bool copyFile(const std::string& source, const std::string& destination, Existing existing) {
    const Fd in{::open(source.c_str(), O_RDONLY | O_CLOEXEC)};
    struct stat st {};
    return regularFile(in.fd, st) &&
           writeWholeFile(
               destination, existing, [&](int out) { return copyContent(in.fd, st, out); }, int(st.st_mode & 0777));
}

bool moveFile(const std::string& source, const std::string& destination, Existing existing) {
    if (renameTo(source, destination, existing)) return true;
    if (errno != EXDEV) return false;
    const Fd in{::open(source.c_str(), O_RDONLY | O_CLOEXEC)};
    struct stat st {};
    Temporary copy(folderFor(destination));
    if (!regularFile(in.fd, st) || !copy.isOpen() || !copyContent(in.fd, st, copy.fd()) ||
        !copy.finish(st.st_mode & 0777))
        return false;
    struct stat replaced {};
    if (existing == Existing::Replace && ::lstat(destination.c_str(), &replaced) == 0) {
        if (S_ISDIR(replaced.st_mode)) {  // only a file is replaced, as a rename has it
            errno = EISDIR;
            return false;
        }
        // The copy and the file it replaces swap names, so a source that cannot be removed
        // leaves everything as it was; the temporary name goes with whichever is not kept.
        if (::renameat2(AT_FDCWD, copy.path().c_str(), AT_FDCWD, destination.c_str(), RENAME_EXCHANGE) == 0) {
            if (::unlink(source.c_str()) == 0) return true;
            keepingErrno(
                [&] { ::renameat2(AT_FDCWD, copy.path().c_str(), AT_FDCWD, destination.c_str(), RENAME_EXCHANGE); });
            return false;
        }
        if (errno != EINVAL) return false;
        // A file system without the swap: the copy replaces the file, and stays should the
        // source then resist removal.
        return copy.place(destination, Existing::Replace) && ::unlink(source.c_str()) == 0;
    }
    if (!copy.place(destination, Existing::Keep)) return false;
    if (::unlink(source.c_str()) == 0) return true;
    keepingErrno([&] { ::unlink(destination.c_str()); });
    return false;
}

bool moveToTrash(const std::string& path) {
    const std::string full = absolutePath(path);
    struct stat st {};
    if (::lstat(full.c_str(), &st) != 0) return false;
    for (const Trash& trash : trashesFor(full, st.st_dev)) {
        if (!trash.usable()) continue;
        char date[32];
        const std::time_t now = std::time(nullptr);
        std::strftime(date, sizeof date, "%Y-%m-%dT%H:%M:%S", std::localtime(&now));
        const std::string original =
            trash.top.empty() ? full : full.substr(trash.top == "/" ? 1 : trash.top.size() + 1);
        const std::string text = "[Trash Info]\nPath=" + encoded(original) + "\nDeletionDate=" + date + "\n";
        // A name is free when nothing has it in either folder; the info file is put in place
        // first and never over another, so two programs never take the same name.
        const std::string name = nameOf(full);
        for (int n = 1; n < 10000; ++n) {
            const std::string candidate = n == 1 ? name : name + "." + std::to_string(n);
            const std::string stored = trash.folder + "/files/" + candidate;
            const std::string info = trash.folder + "/info/" + candidate + ".trashinfo";
            struct stat taken {};
            if (::lstat(stored.c_str(), &taken) == 0) continue;
            if (!writeWholeFile(info, Existing::Keep, text, 0600)) {
                if (errno == EEXIST) continue;
                return false;
            }
            if (moveFile(full, stored, Existing::Keep)) return true;
            const bool nameTaken = errno == EEXIST;
            keepingErrno([&] { ::unlink(info.c_str()); });
            if (!nameTaken) return false;
        }
        return false;
    }
    return false;
}
