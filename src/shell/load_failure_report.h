#pragma once
#include "config/settings.h"

#include <string>

class Catalog;
class Picture;
class WindowHost;

// Why nothing can be shown: the list is empty, or the picture at the current path did not load.
enum class LoadFailure { NoFiles, NotLoaded };

// The one report for pictures that cannot be shown: a message, and a line in the error log.
class LoadFailureReport {
public:
    LoadFailureReport(const Settings& settings, WindowHost& window, const Catalog& catalog, const Picture& picture);
    LoadFailureReport(const LoadFailureReport&) = delete;
    LoadFailureReport& operator=(const LoadFailureReport&) = delete;

    // The error log.
    const std::string& logPath() const { return logPath_; }
    void setLogPath(std::string path) { logPath_ = std::move(path); }
    // NoFiles says "No files"; NotLoaded tells of the current path, as the settings ask.
    void report(LoadFailure failure);

private:
    const Settings& settings_;
    WindowHost& window_;
    const Catalog& catalog_;
    const Picture& picture_;
    std::string logPath_;
};
