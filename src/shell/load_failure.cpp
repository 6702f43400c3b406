// The one report for pictures that cannot be shown.
#include "app/app_globals.h"
#include "app/app_state.h"
#include "platform/regular_file.h"
#include "platform/window_host.h"
#include "shell/log_file.h"

void AppState::reportLoadFailure(int code) {
    if (code == 101) {
        appGlobals.showMessage("No files", MessageIcon::Exclamation);
        mainWindow.invalidate();
    } else if (code == 102) {
        // Caught by a scan while its writer was still at work: an unfinished picture, not a broken one.
        if (openForWriting(catalog.currentPath())) return;
        if (settings.showErrors)
            messageBox(&mainWindow, catalog.currentPath(), "File Not Loaded - Vimble", MessageIcon::None,
                       MessageButtons::Ok);
        if (!settings.logErrors) return;
        // The path, then after a tab (a tab in the path is escaped) why a picture was refused.
        std::string line = LogFile::escapeLogText(catalog.currentPath());
        if (const QSize size = view.picture().refusedSize(); !size.isEmpty())
            line += "\t" + std::to_string(size.width()) + " x " + std::to_string(size.height()) + " pixels need " +
                    std::to_string(Picture::bytesFor(size) / (1024 * 1024)) + " MiB, more than the limit of " +
                    std::to_string(Picture::memoryLimit / (1024 * 1024)) + " MiB";
        LogFile(errorLogPath, "a").write(line + "\n");
    }
}
