#pragma once
#include "temp_dir.h"

#include <functional>
#include <optional>
#include <string>

// A small file system of its own (tmpfs) on a fresh folder, to fill up or to move across;
// unmounted again with everything in it. Not mounted where the machine does not allow it.
class SmallDisk {
public:
    explicit SmallDisk(size_t bytes);
    ~SmallDisk();
    SmallDisk(const SmallDisk&) = delete;
    SmallDisk& operator=(const SmallDisk&) = delete;

    bool mounted() const { return mounted_; }
    const std::string& path() const { return folder_.path(); }
    std::string file(const std::string& name) const { return folder_.file(name); }

private:
    TempDir folder_;
    bool mounted_ = false;
};

// Runs the operation in a child process as the user nobody, where permissions hold that root
// would bypass; its answer, or nothing where this process cannot become another user.
std::optional<bool> asNobody(const std::function<bool()>& operation);

// Lets nobody into the folder, and gives it the folder when writable.
bool openToNobody(const std::string& folder, bool writable);
