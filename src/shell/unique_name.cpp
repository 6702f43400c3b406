#include "shell/unique_name.h"

#include <cerrno>
#include <cstdio>
#include <sys/stat.h>

namespace {
// A name is taken when anything at all has it, a link to nothing included.
bool taken(const std::string& path) {
    struct stat st {};
    return ::lstat(path.c_str(), &st) == 0;
}
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

Placed placeUnderFreeName(std::string& path, const std::function<bool(const std::string& name)>& place) {
    const std::string wanted = path;
    for (int names = 0; names < 100; ++names) {
        path = wanted;
        if (!makeUniqueName(path)) return Placed::NoFreeName;
        if (place(path)) return Placed::Done;
        if (errno != EEXIST) return Placed::Failed;
    }
    return Placed::Failed;
}
