// The one report for pictures that cannot be shown.
#include "shell/load_failure_report.h"

#include "display/picture.h"
#include "platform/dialogs.h"
#include "platform/window_host.h"
#include "shell/log_file.h"

LoadFailureReport::LoadFailureReport(const Settings& settings, WindowHost& window)
    : settings_(settings), window_(window) {}

void LoadFailureReport::report(LoadFailure failure, const std::string& path, QSize refusedSize) {
    if (failure == LoadFailure::NoFiles) {
        showMessage(&window_, "No files", MessageIcon::Exclamation);
        window_.invalidate();
    } else {
        if (settings_.showErrors)
            messageBox(&window_, path, "File Not Loaded - Vimble", MessageIcon::None, MessageButtons::Ok);
        if (!settings_.logErrors) return;
        // The path, then after a tab (a tab in the path is escaped) why a picture was refused.
        std::string line = LogFile::escapeLogText(path);
        if (!refusedSize.isEmpty())
            line += "\t" + std::to_string(refusedSize.width()) + " x " + std::to_string(refusedSize.height()) +
                    " pixels need " + std::to_string(Picture::bytesFor(refusedSize) / (1024 * 1024)) +
                    " MiB, more than the limit of " + std::to_string(Picture::memoryLimit / (1024 * 1024)) + " MiB";
        LogFile(logPath_, "a").write(line + "\n");
    }
}
