#pragma once
#include <functional>
#include <string>
#include <string_view>

// File operations on paths of any bytes. None of them ever loses a file: a whole file is
// written beside its destination and put in place complete, and a move across file systems
// removes the source only when the copy is complete (and removes the copy when it cannot).
// On failure errno tells why; EEXIST when a name that must stay was taken.

// What happens to a file already at a destination.
enum class Existing {
    Replace,  // the file at the name is replaced (the file a symbolic link names, so the link stays)
    Keep,     // the operation fails with EEXIST: anything at the name, a dangling link included, stays
};

// Creates or replaces the whole file: write puts its bytes into the descriptor of an exclusive,
// unpredictably named temporary file in the destination's folder and answers whether every write
// worked; the temporary is then flushed to disk, closed, every result checked, and renamed onto
// the path. On any failure the path is as it was and no temporary is left. permissions are the
// new file's bits; -1 keeps a replaced file's own, or gives a new one 0666 less the umask.
bool writeWholeFile(const std::string& path, Existing existing, const std::function<bool(int fd)>& write,
                    int permissions = -1);
// The same with the bytes to write.
bool writeWholeFile(const std::string& path, Existing existing, std::string_view bytes, int permissions = -1);

// Copies the file, with its modification and access times and its permission bits.
bool copyFile(const std::string& source, const std::string& destination, Existing existing);
// Moves or renames the file; across file systems as a copy (times and bits kept) and a removal.
bool moveFile(const std::string& source, const std::string& destination, Existing existing);
// Moves the file into the trash of its own file system ($topdir/.Trash/$uid when that is valid,
// else $topdir/.Trash-$uid), or failing that into the user's home trash (copied there when it
// lies on another file system), recording where it came from so the desktop can put it back.
// Trash folders are created private to the user.
bool moveToTrash(const std::string& path);
