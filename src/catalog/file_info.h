#pragma once
#include "catalog/image_entry.h"

#include <cstdint>
#include <string>

// What the scan needs to know of a file or folder, following symbolic links.
struct FileInfo {
    bool directory = false;
    bool regular = false;
    uint64_t device = 0;
    uint64_t inode = 0;
    uint64_t size = 0;     // bytes
    FileTime created = 0;  // the birth time where the file system records it, else the modification time
    FileTime modified = 0;
    FileTime accessed = 0;
};

// False when the path (or a link's target) does not exist or cannot be examined.
bool readFileInfo(const std::string& path, FileInfo& info);

// Seconds and nanoseconds since 1970 as 100-nanosecond ticks since 1601-01-01 UTC.
FileTime toFileTime(int64_t seconds, uint32_t nanoseconds);

// The list entry for a file, with its times (all 0 when it cannot be examined).
ImageEntry entryFor(const std::string& path);
