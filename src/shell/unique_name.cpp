#include "shell/unique_name.h"

#include "shell/log_file.h"

#include <cstdio>

namespace {
// A name is taken when a file of that name opens for reading.
bool taken(const std::string& path) { return LogFile(path, "r").isOpen(); }
}  // namespace

bool makeUniqueName(std::string& path) {
    if (!taken(path)) return true;
    const size_t dot = path.rfind('.');
    const size_t slash = path.rfind('/');
    const bool hasExtension = dot != std::string::npos && (slash == std::string::npos || dot > slash);
    const std::string base = hasExtension ? path.substr(0, dot) : path;
    const std::string extension = hasExtension ? path.substr(dot) : "";
    for (unsigned n = 1; n <= 99; ++n) {
        char number[8];
        std::snprintf(number, sizeof number, "-%02u", n);
        const std::string candidate = base + number + extension;
        if (!taken(candidate)) {
            path = candidate;
            return true;
        }
    }
    return false;
}
