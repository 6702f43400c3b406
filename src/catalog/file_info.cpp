#include "catalog/file_info.h"

#include <fcntl.h>
#include <sys/stat.h>

FileTime toFileTime(int64_t seconds, uint32_t nanoseconds) {
    constexpr int64_t secondsFrom1601To1970 = 11644473600;
    return FileTime((seconds + secondsFrom1601To1970) * 10000000 + nanoseconds / 100);
}

bool readFileInfo(const std::string& path, FileInfo& info) {
    struct statx sx {};
    if (statx(AT_FDCWD, path.c_str(), AT_STATX_SYNC_AS_STAT, STATX_BASIC_STATS | STATX_BTIME, &sx) != 0) return false;
    const auto time = [](const statx_timestamp& t) { return toFileTime(t.tv_sec, t.tv_nsec); };
    info.directory = S_ISDIR(sx.stx_mode);
    info.regular = S_ISREG(sx.stx_mode);
    info.device = (uint64_t(sx.stx_dev_major) << 32) | sx.stx_dev_minor;
    info.inode = sx.stx_ino;
    info.size = sx.stx_size;
    info.modified = time(sx.stx_mtime);
    info.accessed = time(sx.stx_atime);
    info.created = (sx.stx_mask & STATX_BTIME) ? time(sx.stx_btime) : info.modified;
    return true;
}

ImageEntry entryFor(const std::string& path) {
    ImageEntry entry{path};
    if (FileInfo info; readFileInfo(path, info)) {
        entry.created = info.created;
        entry.modified = info.modified;
        entry.accessed = info.accessed;
    }
    return entry;
}
