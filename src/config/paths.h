#pragma once
#include <string>

// Paths are byte strings, '/' between their parts.

// The folder part, cut at the last '/': "/" for an entry of the root, empty without a '/'.
std::string folderOf(const std::string& path);
// The name part: what follows the last '/'.
std::string nameOf(const std::string& path);
// The path without the '/' it ends in ("/" stays): how roots and shortcut targets are kept.
std::string withoutTrailingSlash(std::string path);
