#pragma once
#include "config/settings.h"
#include "platform/dialogs.h"

#include <string>
#include <vector>

class AppState;
class WindowHost;

// The process-wide record: the main window, the program's name and version, and the one
// application object while it exists.
struct AppGlobals {
    WindowHost* mainWindow = nullptr;
    const char* version = programVersion;
    const char* release = "1.97g";                           // the build, as the About box and --version name it
    const char* webPage = "https://tarnex.example/vimble/";  // opened from the About box
    AppState* app = nullptr;  // null before the window is built and after it is destroyed
    // The command line as the program was started, program name first, before the toolkit
    // took its own options out.
    std::vector<std::string> arguments;
};

extern AppGlobals appGlobals;

// The allocator's new-handler: says "Out Of Memory" and ends the process with exit code 1.
[[noreturn]] void outOfMemory();
