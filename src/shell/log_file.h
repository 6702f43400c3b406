#pragma once
#include <cstdio>
#include <string>
#include <string_view>

// A file handle that closes itself. Paths are bytes, so any file name opens.
class LogFile {
public:
    // mode as fopen takes it; the logs use "a" (append, creating the file when missing).
    LogFile(const std::string& path, const char* mode);
    ~LogFile();
    LogFile(const LogFile&) = delete;
    LogFile& operator=(const LogFile&) = delete;

    bool isOpen() const { return file_ != nullptr; }
    // Writes the text as it is; does nothing when the file did not open. False on failure.
    bool write(std::string_view text);

private:
    std::FILE* file_ = nullptr;
};
