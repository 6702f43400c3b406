#pragma once
#include "catalog/image_entry.h"

#include <cstdint>
#include <string>

// True when the text from the path's last "." is ".lnk", in any letter case.
bool isShortcut(const std::string& path);

// What a shortcut records of its target.
struct LinkTarget {
    std::string path;         // the target's full path, as bytes
    uint32_t attributes = 0;  // the target's file attributes as recorded (0x10 a folder, 0x02 hidden)
    FileTime created = 0;
    FileTime accessed = 0;
    FileTime modified = 0;
    uint32_t size = 0;  // low 32 bits of the target's size in bytes
    bool isFolder() const { return attributes & 0x10; }
};

// Reads and writes shortcut files in the Shell Link binary format: the header with the
// target's attributes, times and size, the link info with the local base path, and the
// relative path. A symbolic link reads as a shortcut to what it names.
class ShellLink {
public:
    // False, leaving target as it was, when the file is missing, damaged, larger than a
    // shortcut can be, or names no path.
    // With resolve, a target that has moved is looked for no further than the recorded path
    // and, failing that, the relative path from the shortcut's folder. A base path that cannot
    // be one here (a drive letter) gives way to the relative path, whose "\" separate as "/"
    // do. The target never ends in "/".
    bool readShortcut(const std::string& shortcutPath, LinkTarget& target, bool resolve) const;
    // Writes a shortcut to the target with the target's current attributes, times and size, as
    // a new file: a name already taken stays as it is and the answer is false (errno EEXIST).
    bool createShortcut(const std::string& targetPath, const std::string& shortcutPath) const;
};
