#pragma once
#include <cstdint>
#include <string>
#include <vector>

// File times: 100-nanosecond ticks since 1601-01-01 UTC.
using FileTime = uint64_t;

// One picture file (or a shortcut to one) in display order.
struct ImageEntry {
    std::string path;  // full path, as bytes
    FileTime created = 0;
    FileTime modified = 0;
    FileTime accessed = 0;
};

using ImageList = std::vector<ImageEntry>;
