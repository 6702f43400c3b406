#include "platform/regular_file.h"

#include <cerrno>
#include <sys/stat.h>
#include <unistd.h>

int openRegularFile(const std::string& path, int flags) {
    // Without O_NONBLOCK, opening a FIFO waits for its other end.
    const int fd = ::open(path.c_str(), flags | O_NONBLOCK | O_CLOEXEC, 0666);
    if (fd < 0) return -1;
    struct stat st {};
    if (::fstat(fd, &st) != 0 || !S_ISREG(st.st_mode)) {
        ::close(fd);
        errno = EINVAL;
        return -1;
    }
    ::fcntl(fd, F_SETFL, ::fcntl(fd, F_GETFL) & ~O_NONBLOCK);
    return fd;
}

std::optional<std::string> readRegularFile(const std::string& path, size_t maxBytes) {
    const int fd = openRegularFile(path);
    if (fd < 0) return std::nullopt;
    std::string bytes;
    char buffer[65536];
    ssize_t n = 0;
    while ((n = ::read(fd, buffer, sizeof buffer)) > 0 || (n < 0 && errno == EINTR)) {
        if (n > 0) bytes.append(buffer, size_t(n));
        if (bytes.size() > maxBytes) break;
    }
    ::close(fd);
    if (n != 0 || bytes.size() > maxBytes) return std::nullopt;
    return bytes;
}

bool openForWriting(const std::string& path) {
    const int fd = openRegularFile(path);
    if (fd < 0) return false;
    // A read lease is refused while the file is open for writing anywhere; closing gives it up.
    const bool writing = ::fcntl(fd, F_SETLEASE, F_RDLCK) != 0 && errno == EAGAIN;
    ::close(fd);
    return writing;
}
