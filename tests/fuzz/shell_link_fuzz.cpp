// Feeds arbitrary bytes to the shortcut reader as a .lnk file, read as it is and resolved.
// Any input must be read or refused without touching memory outside the file.
#include "shell/shell_link.h"

#include <fstream>
#include <string>
#include <unistd.h>

extern "C" int LLVMFuzzerTestOneInput(const uint8_t* data, size_t size) {
    static const std::string path = "/tmp/vimble-fuzz-" + std::to_string(getpid()) + ".lnk";
    std::ofstream(path, std::ios::binary | std::ios::trunc).write(reinterpret_cast<const char*>(data), long(size));
    const ShellLink link;
    LinkTarget target;
    if (link.readShortcut(path, target, false) && target.path.empty()) __builtin_trap();
    link.readShortcut(path, target, true);
    return 0;
}
