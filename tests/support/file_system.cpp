#include "file_system.h"

#include <grp.h>
#include <pwd.h>
#include <sys/mount.h>
#include <sys/stat.h>
#include <sys/wait.h>
#include <unistd.h>

SmallDisk::SmallDisk(size_t bytes) {
    const std::string options = "size=" + std::to_string(bytes);
    mounted_ = !folder_.path().empty() && ::mount("tmpfs", folder_.path().c_str(), "tmpfs", 0, options.c_str()) == 0;
}

SmallDisk::~SmallDisk() {
    if (mounted_) ::umount2(folder_.path().c_str(), MNT_DETACH);
}

namespace {
const passwd* nobody() { return ::getpwnam("nobody"); }
}  // namespace

std::optional<bool> asNobody(const std::function<bool()>& operation) {
    const passwd* user = nobody();
    if (::geteuid() != 0 || !user) return std::nullopt;
    const pid_t child = ::fork();
    if (child < 0) return std::nullopt;
    if (child == 0) {
        const bool dropped = ::setgroups(0, nullptr) == 0 &&
                             ::setresgid(user->pw_gid, user->pw_gid, user->pw_gid) == 0 &&
                             ::setresuid(user->pw_uid, user->pw_uid, user->pw_uid) == 0;
        ::_exit(!dropped ? 2 : operation() ? 0 : 1);
    }
    int status = 0;
    if (::waitpid(child, &status, 0) != child || !WIFEXITED(status) || WEXITSTATUS(status) == 2) return std::nullopt;
    return WEXITSTATUS(status) == 0;
}

bool openToNobody(const std::string& folder, bool writable) {
    const passwd* user = nobody();
    return user && ::chmod(folder.c_str(), 0755) == 0 &&
           (!writable || ::chown(folder.c_str(), user->pw_uid, user->pw_gid) == 0);
}
