// The entry point: builds the window, lets its Created message build the application, runs the
// event loop and returns the exit code the application posted.
#include "app/app_globals.h"
#include "app/message_routes.h"
#include "config/command_line.h"
#include "platform/session_end.h"
#include "platform/window_host.h"
#include "platform/x11.h"
#include "resources/dialog_templates.h"

#include <QApplication>
#include <clocale>
#include <cstdio>
#include <cstdlib>
#include <malloc.h>
#include <new>
#include <string_view>

int main(int argc, char* argv[]) {
    std::set_new_handler(outOfMemory);
    // Pictures and frames are megabytes each: taken from the system and given back whole, they
    // never linger in a heap after they are freed (the decoding threads have heaps of their own).
    mallopt(M_MMAP_THRESHOLD, 1024 * 1024);
    std::setlocale(LC_ALL, "");
    appGlobals.arguments.assign(argv, argv + argc);
    for (const std::string& argument : appGlobals.arguments) {
        if (argument == "--help" || argument == "-h") return std::fputs(usageText().c_str(), stdout) < 0;
        if (argument == "--version") return std::printf("Vimble %s\n", appGlobals.release) < 0;
    }

    // Placing, shaping and stacking its own window needs an X server: under Wayland the
    // program runs through XWayland unless the user has chosen a platform.
    if (const char* chosen = std::getenv("QT_QPA_PLATFORM"); chosen == nullptr || *chosen == '\0')
        setenv("QT_QPA_PLATFORM", "xcb", 1);
    if (std::string_view(std::getenv("QT_QPA_PLATFORM")) == "xcb") {
        // Said plainly and ended here, where the toolkit would abort with a core dump.
        const std::string problem = displayProblem();
        if (!problem.empty()) return std::fprintf(stderr, "vimble: %s\n", problem.c_str()), 1;
    }
    QApplication::setApplicationName("Vimble");  // WM_CLASS "vimble", "Vimble"
    QApplication application(argc, argv);
    application.setQuitOnLastWindowClosed(false);

    const DialogTemplate& main = dialogTemplate(1000);
    WindowHost window(routeMessage, main.caption, main.width, main.height);
    appGlobals.mainWindow = &window;
    // Ending the session, or the program, from outside saves the settings as an exit does, also
    // while the start is still asking something.
    watchSessionEnd([&window] {
        Message endSession{Msg::EndSession, 0, 0, 1};
        window.send(endSession);
    });
    Message createApp{Msg::Created};
    window.send(createApp);

    const int exitCode = application.exec();
    appGlobals.mainWindow = nullptr;
    return exitCode;
}
