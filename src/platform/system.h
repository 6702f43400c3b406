#pragma once
#include <cstdint>
#include <string>

// Paths are byte strings, as the file system holds them.

// The running executable's full path.
std::string executablePath();
// The process's current directory.
std::string currentDirectory();
// The value of an environment variable, empty when unset.
std::string environmentValue(const char* name);
// True when files can be created in the folder.
bool isWritableFolder(const std::string& folder);
// Creates the folder and its parents; true when it exists afterwards.
bool makeFolders(const std::string& folder);
// Milliseconds since an arbitrary fixed point (system start), wrapping at 32 bits.
uint32_t tickCount();
// The user's desktop folder (XDG), falling back to the home folder.
std::string desktopFolder();
