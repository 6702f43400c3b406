// Feeds arbitrary bytes to the settings reader as a vimble.ini. Any input must load without
// a crash, and what it loads must save and load again to the same file.
#include "config/settings_tables.h"

#include <cstdio>
#include <fstream>
#include <sstream>
#include <string>
#include <unistd.h>

namespace {
std::string scratch(const char* name) { return "/tmp/vimble-fuzz-" + std::to_string(getpid()) + "-" + name; }

std::string contents(const std::string& path) {
    std::ifstream in(path, std::ios::binary);
    std::ostringstream bytes;
    bytes << in.rdbuf();
    return bytes.str();
}
}  // namespace

extern "C" int LLVMFuzzerTestOneInput(const uint8_t* data, size_t size) {
    static const std::string input = scratch("in.ini"), first = scratch("first.ini"), second = scratch("second.ini");
    std::ofstream(input, std::ios::binary | std::ios::trunc).write(reinterpret_cast<const char*>(data), long(size));

    Settings settings;
    settings.enabledTransitions = allTransitions();
    loadOrSaveSettings(settings, input, false);
    if (!loadOrSaveSettings(settings, first, true)) return 0;

    Settings reloaded;
    loadOrSaveSettings(reloaded, first, false);
    loadOrSaveSettings(reloaded, second, true);
    if (contents(first) != contents(second)) __builtin_trap();
    return 0;
}
