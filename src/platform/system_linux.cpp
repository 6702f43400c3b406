#include "platform/system.h"

#include <QFile>
#include <QStandardPaths>

#include <climits>
#include <cstdlib>
#include <ctime>
#include <filesystem>
#include <system_error>
#include <unistd.h>

std::string executablePath() {
    std::error_code error;
    return std::filesystem::read_symlink("/proc/self/exe", error).string();
}

std::string currentDirectory() {
    std::error_code error;
    return std::filesystem::current_path(error).string();
}

std::string environmentValue(const char* name) {
    const char* value = std::getenv(name);
    return value ? value : "";
}

bool isWritableFolder(const std::string& folder) { return access(folder.c_str(), W_OK | X_OK) == 0; }

bool makeFolders(const std::string& folder) {
    std::error_code error;
    std::filesystem::create_directories(folder, error);
    return std::filesystem::is_directory(folder, error);
}

uint32_t tickCount() {
    timespec now{};
    clock_gettime(CLOCK_MONOTONIC, &now);
    return uint32_t(uint64_t(now.tv_sec) * 1000 + uint64_t(now.tv_nsec) / 1000000);
}

std::string desktopFolder() {
    return QFile::encodeName(QStandardPaths::writableLocation(QStandardPaths::DesktopLocation)).toStdString();
}
