#pragma once
#include <array>
#include <string>
#include <vector>

// What is sent to the Blackbox shell to draw the wallpaper with its bsetroot tool: command
// strings in a block of a 32-bit zero and a 300-byte buffer holding the NUL-terminated string.
inline constexpr int blackboxCopyDataNumber = 10882;
using BlackboxBlock = std::array<char, 304>;

// The command strings for the wallpaper: with scaling, a black ground first, then the picture;
// style 1 centre, 2 tile, 3 full.
std::vector<std::string> blackboxWallpaperCommands(int style, const std::string& path, bool scaled);

// The 304-byte block for a command string (cut to 299 bytes).
BlackboxBlock blackboxBlock(const std::string& command);
