#pragma once
#include <string>

// File operations on paths of any bytes. None of them ever loses the source: a move across
// file systems copies, flushes the copy to disk, and only then removes the source.

// Copies the file over the destination (replaced when it exists).
bool copyFile(const std::string& source, const std::string& destination);
// Moves or renames the file over the destination (replaced when it exists).
bool moveFile(const std::string& source, const std::string& destination);
// Moves the file into the user's trash (the freedesktop.org home trash), recording where it
// came from so the desktop can put it back.
bool moveToTrash(const std::string& path);
