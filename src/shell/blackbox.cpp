#include "shell/blackbox.h"

#include <algorithm>
#include <cstring>

std::vector<std::string> blackboxWallpaperCommands(int style, const std::string& path, bool scaled) {
    const char* word = style == 3 ? "full" : style == 2 ? "tile" : "center";
    std::vector<std::string> commands;
    if (scaled) commands.push_back("@BBCore.rootCommand bsetroot -solid black");
    commands.push_back(std::string("@BBCore.rootCommand bsetroot -") + word + " \"" + path + "\"");
    return commands;
}

BlackboxBlock blackboxBlock(const std::string& command) {
    BlackboxBlock block{};  // the leading 32-bit zero, then the buffer
    std::memcpy(block.data() + 4, command.data(), std::min<size_t>(command.size(), 299));
    return block;
}
