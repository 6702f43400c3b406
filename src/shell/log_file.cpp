#include "shell/log_file.h"

LogFile::LogFile(const std::string& path, const char* mode) : file_(std::fopen(path.c_str(), mode)) {}

LogFile::~LogFile() {
    if (file_) std::fclose(file_);
}

bool LogFile::write(std::string_view text) {
    return file_ && std::fwrite(text.data(), 1, text.size(), file_) == text.size();
}
