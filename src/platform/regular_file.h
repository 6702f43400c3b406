#pragma once
#include <cstddef>
#include <fcntl.h>
#include <optional>
#include <string>

// Every file the program reads or appends to is opened here. Only regular files open: a FIFO,
// device or socket that carries a picture's or a log's name is refused at once, where a plain
// open would wait for a writer or a reader for ever.

// A descriptor (close-on-exec) of the regular file at path, opened with flags (O_RDONLY, or
// O_WRONLY | O_APPEND | O_CREAT for a log; new files get 0666 less the umask); -1 otherwise.
int openRegularFile(const std::string& path, int flags = O_RDONLY);

// The whole content of the regular file at path; nothing when it cannot be read or holds more
// than maxBytes. The one way the program reads a whole file.
std::optional<std::string> readRegularFile(const std::string& path, size_t maxBytes = size_t(-1));

// Whether some process holds the regular file at path open for writing: a picture still being
// written, not a broken one. False when that cannot be told (a file of another user).
bool openForWriting(const std::string& path);
