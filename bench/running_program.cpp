#include "running_program.h"

#include "app/app_globals.h"
#include "app/message_routes.h"
#include "platform/window_host.h"

#include <QApplication>
#include <QImage>
#include <cstdlib>
#include <filesystem>

AppState& runningProgram() {
    static AppState* app = nullptr;
    if (app) return *app;
    setenv("QT_QPA_PLATFORM", "offscreen", 0);
    static int argc = 1;
    static char name[] = "vimble_bench";
    static char* argv[] = {name, nullptr};
    static QApplication qt(argc, argv);
    std::string pattern = (std::filesystem::temp_directory_path() / "vimble-bench-home-XXXXXX").string();
    static const std::string home = mkdtemp(pattern.data());
    std::atexit([] { std::filesystem::remove_all(home); });
    QImage(8, 8, QImage::Format_RGB32).save(QString::fromStdString(home + "/good.png"));
    setenv("VIMBLE_HOME", home.c_str(), 1);
    std::filesystem::current_path(home);
    static WindowHost window(routeMessage, "Tarnex Vimble", 300, 300);
    appGlobals.mainWindow = &window;
    appGlobals.arguments = {"vimble", "-nopeek", "-notransitions", "-noslide"};
    Message init{Msg::Created};
    window.send(init);
    app = appGlobals.app;
    waitForShow(*app);
    return *app;
}

void waitForShow(AppState& app) {
    while (app.showing()) QCoreApplication::processEvents(QEventLoop::WaitForMoreEvents);
}
