#include "platform/launch.h"

#include <spawn.h>
#include <sys/wait.h>
#include <thread>

extern char** environ;

// Arguments go to the program as the bytes they are, so any file name reaches it intact; no
// shell sees them.
bool startProgram(const std::string& program, const std::vector<std::string>& arguments) {
    std::vector<char*> argv{const_cast<char*>(program.c_str())};
    for (const std::string& a : arguments) argv.push_back(const_cast<char*>(a.c_str()));
    argv.push_back(nullptr);
    posix_spawnattr_t attributes;
    posix_spawnattr_init(&attributes);
    posix_spawnattr_setflags(&attributes, POSIX_SPAWN_SETSID);  // its own session: it outlives us
    pid_t child = 0;
    const int failed = posix_spawnp(&child, program.c_str(), nullptr, &attributes, argv.data(), environ);
    posix_spawnattr_destroy(&attributes);
    if (failed) return false;
    std::thread([child] { waitpid(child, nullptr, 0); }).detach();  // no zombie left behind
    return true;
}

bool openWithShell(const std::string& target) { return startProgram("xdg-open", {target}); }
