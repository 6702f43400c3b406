#include "platform/file_ops.h"

#include "config/paths.h"
#include "platform/system.h"

#include <cctype>
#include <cerrno>
#include <climits>
#include <cstdlib>
#include <cstdio>
#include <ctime>
#include <fcntl.h>
#include <sys/sendfile.h>
#include <sys/stat.h>
#include <unistd.h>

namespace {

struct Fd {
    int fd;
    ~Fd() {
        if (fd >= 0) ::close(fd);
    }
};

// Copies into a temporary file beside the destination, flushed to disk, then renamed over it:
// the destination is either the old file or the whole copy, never half of one.
bool copyWhole(const std::string& source, const std::string& destination) {
    const Fd in{::open(source.c_str(), O_RDONLY | O_CLOEXEC)};
    struct stat st {};
    if (in.fd < 0 || fstat(in.fd, &st) != 0 || !S_ISREG(st.st_mode)) return false;
    const std::string folder = folderOf(destination);
    const std::string temporary = (folder.empty() ? "." : folder) + "/." + nameOf(destination) + ".vimble-copy";
    bool ok = false;
    {
        const Fd out{::open(temporary.c_str(), O_WRONLY | O_CREAT | O_TRUNC | O_CLOEXEC, st.st_mode & 0777)};
        if (out.fd < 0) return false;
        off_t offset = 0;
        ok = true;
        while (ok && offset < st.st_size) {
            const ssize_t sent = sendfile(out.fd, in.fd, &offset, size_t(st.st_size - offset));
            ok = sent > 0 || (sent < 0 && errno == EINTR);
        }
        ok = ok && ::fsync(out.fd) == 0;
    }
    if (ok && ::rename(temporary.c_str(), destination.c_str()) == 0) return true;
    ::unlink(temporary.c_str());
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

}  // namespace

bool copyFile(const std::string& source, const std::string& destination) { return copyWhole(source, destination); }

bool moveFile(const std::string& source, const std::string& destination) {
    if (::rename(source.c_str(), destination.c_str()) == 0) return true;
    if (errno != EXDEV) return false;
    return copyWhole(source, destination) && ::unlink(source.c_str()) == 0;
}

bool moveToTrash(const std::string& path) {
    std::string data = environmentValue("XDG_DATA_HOME");
    if (data.empty()) data = environmentValue("HOME") + "/.local/share";
    const std::string trash = data + "/Trash";
    if (!makeFolders(trash + "/files") || !makeFolders(trash + "/info")) return false;
    char absolute[PATH_MAX];
    const std::string full = path.front() == '/' ? path : (realpath(path.c_str(), absolute) ? absolute : path);

    // Claim a name: the info file is created exclusively, so two programs never take the same.
    const std::string name = nameOf(full);
    for (int n = 1; n < 10000; ++n) {
        const std::string candidate = n == 1 ? name : name + "." + std::to_string(n);
        const std::string info = trash + "/info/" + candidate + ".trashinfo";
        const Fd fd{::open(info.c_str(), O_WRONLY | O_CREAT | O_EXCL | O_CLOEXEC, 0600)};
        if (fd.fd < 0) {
            if (errno == EEXIST) continue;
            return false;
        }
        char date[32];
        const std::time_t now = std::time(nullptr);
        std::strftime(date, sizeof date, "%Y-%m-%dT%H:%M:%S", std::localtime(&now));
        const std::string text = "[Trash Info]\nPath=" + encoded(full) + "\nDeletionDate=" + date + "\n";
        const bool written = ::write(fd.fd, text.data(), text.size()) == ssize_t(text.size());
        if (written && moveFile(full, trash + "/files/" + candidate)) return true;
        ::unlink(info.c_str());
        return false;
    }
    return false;
}
