#pragma once
#include "config/settings.h"

#include <QSize>
#include <string>

class WindowHost;

// Why nothing can be shown: the list is empty, or a picture did not load.
enum class LoadFailure { NoFiles, NotLoaded };

// The one report for pictures that cannot be shown: a message, and a line in the error log.
class LoadFailureReport {
public:
    LoadFailureReport(const Settings& settings, WindowHost& window);
    LoadFailureReport(const LoadFailureReport&) = delete;
    LoadFailureReport& operator=(const LoadFailureReport&) = delete;

    // The error log.
    const std::string& logPath() const { return logPath_; }
    void setLogPath(std::string path) { logPath_ = std::move(path); }
    // NoFiles says "No files"; NotLoaded tells of path, as the settings ask, with the size of a
    // picture refused for the memory limit.
    void report(LoadFailure failure, const std::string& path = {}, QSize refusedSize = {});

private:
    const Settings& settings_;
    WindowHost& window_;
    std::string logPath_;
};
