#include "shell/log_file.h"

#include "platform/regular_file.h"

#include <cerrno>
#include <unistd.h>

LogFile::LogFile(const std::string& path, const char* mode)
    : fd_(openRegularFile(path, mode[0] == 'a' ? O_WRONLY | O_APPEND | O_CREAT : O_RDONLY)) {}

LogFile::~LogFile() {
    if (fd_ >= 0) ::close(fd_);
}

bool LogFile::write(std::string_view text) {
    if (fd_ < 0) return false;
    while (!text.empty()) {
        const ssize_t n = ::write(fd_, text.data(), text.size());
        if (n < 0 && errno == EINTR) continue;
        if (n <= 0) return false;
        text.remove_prefix(size_t(n));
    }
    return true;
}

std::string LogFile::escapeLogText(std::string_view text) {
    static constexpr char hex[] = "0123456789abcdef";
    std::string escaped;
    escaped.reserve(text.size());
    for (const char c : text) {
        const auto byte = static_cast<unsigned char>(c);
        switch (c) {
        case '\\': escaped += "\\\\"; break;
        case '\t': escaped += "\\t"; break;
        case '\n': escaped += "\\n"; break;
        case '\r': escaped += "\\r"; break;
        default:
            if (byte < 0x20 || byte == 0x7f) escaped += {'\\', 'x', hex[byte >> 4], hex[byte & 15]};
            else escaped += c;
        }
    }
    return escaped;
}
