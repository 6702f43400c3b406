// The one report for pictures that cannot be shown.
#include "app/app_globals.h"
#include "app/app_state.h"
#include "platform/window_host.h"
#include "shell/log_file.h"

void AppState::reportLoadFailure(int code) {
    if (code == 101) {
        appGlobals.showMessage("No files", MessageIcon::Exclamation);
        mainWindow.invalidate();
    } else if (code == 102) {
        if (settings.showErrors)
            messageBox(&mainWindow, currentPath, "File Not Loaded - Vimble", MessageIcon::None, MessageButtons::Ok);
        if (settings.logErrors) LogFile(errorLogPath, "a").write(currentPath + "\n");
    }
}
