#pragma once
#include <string>
#include <string_view>

// A file handle that closes itself. Paths are bytes, so any file name opens; only a regular
// file opens, so a FIFO or device carrying a log's name is passed over instead of waited on.
class LogFile {
public:
    // mode "a" appends, creating the file when missing (the logs); "r" reads.
    LogFile(const std::string& path, const char* mode);
    ~LogFile();
    LogFile(const LogFile&) = delete;
    LogFile& operator=(const LogFile&) = delete;

    bool isOpen() const { return fd_ >= 0; }
    // Writes the text as it is; does nothing when the file did not open. False on failure.
    bool write(std::string_view text);
    // Writes one log line: the text with its control characters escaped (see escapeLogText)
    // and a line end, in one write, so that a line is never split or forged by a file name.
    bool writeLine(std::string_view text) { return write(escapeLogText(text) + "\n"); }

    // A backslash as "\\", tab, line feed and carriage return as "\t", "\n", "\r", any other
    // byte below 0x20 and 0x7f as "\xHH"; other bytes (UTF-8 or not) as they are.
    static std::string escapeLogText(std::string_view text);

private:
    int fd_ = -1;
};
