#include "app/app_state.h"

#include "app/app_globals.h"
#include "app/program_folder.h"
#include "platform/screen.h"
#include "platform/system.h"
#include "platform/window_host.h"
#include "platform/x11.h"
#include "window/placement.h"

#include <cstdlib>

void TrayRecord::setTip(const std::string& text) {
    // Count characters as UTF-16 units, as the tip's limit is given; stop before a character
    // that would not fit whole.
    size_t units = 0, end = 0;
    while (end < text.size()) {
        const unsigned char lead = static_cast<unsigned char>(text[end]);
        const size_t length = lead < 0x80 ? 1 : lead >= 0xf0 ? 4 : lead >= 0xe0 ? 3 : lead >= 0xc0 ? 2 : 1;
        const size_t width = length == 4 ? 2 : 1;
        if (units + width > maxTip || end + length > text.size()) break;
        units += width;
        end += length;
    }
    tip = text.substr(0, end);
}

AppState::AppState(WindowHost& window) : mainWindow(window) {
    mainWindow.setIconFromResource(trayIcon.icon);
    trayIcon.setTip(appGlobals.title);
    mainWindow.setAcceptDrops(true);
    std::srand(tickCount());
    blendAvailable = compositorRunning();
    blackboxWindow = findTopLevelWindow("BlackboxClass", "Blackbox");
    blackboxShell = blackboxWindow != 0;
    if (!blackboxShell) blackboxFirstPaint = false;
}

void AppState::init() {
    folder = currentDirectory();
    const ProgramFolders folders = locateProgramFolders();
    settingsPath = folders.dataFolder + "/vimble.ini";
    helpPath = folders.executableFolder + "/Vimble.txt";
    errorLogPath = folders.dataFolder + "/errors.log";
    wallpaperPath = folders.dataFolder + "/vimpaper.bmp";
    archiveLogPath = folders.dataFolder + "/archived.log";
    favorites.clear();
    archive.clear();
    desktopPath = desktopFolder();

    windowRect = mainWindow.frameRect();
    presets = spreadPresets(windowRect);
    frameWidth = mainWindow.frameWidth();
    frameHeight = mainWindow.frameHeight();
    screenRect = primaryScreenRect();

    currentPath.clear();
    imageViewer.clear();
    fileManager = "xdg-open";
    enabledTransitions.clear();
    for (int32_t effect = 0; effect < 15; ++effect) enabledTransitions.push_back(effect);

    loadOrSaveSettings(false);
    if (appGlobals.arguments.size() > 1) parseCommandLine(appGlobals.arguments);
    start();
    if (layer != 2) mainWindow.show();
}

void AppState::start() {
    if (blend && blendAvailable && layer != 2) mainWindow.setOpacity(opacity & 0xff);
    if (crop) mainWindow.setFrameless(true);
    picture.interpolation = zoomquality;
    if (trayicon) showTrayIcon(true);
    if (decorate) mainWindow.setWindowButtons(true);
    if (!wrap) {
        if (corral) windowRect = corralRect(windowRect, screenRect.right, screenRect.bottom);
        mainWindow.setFrameRect(windowRect);
        if (corral) windowRect = mainWindow.frameRect();
    }
    if (statusbar && !crop && layer != 1) createStatusBar();
    registerHotKey();
    if (singleinstance) closeOtherInstances();
    startScan(folder);
    if (images.empty()) browseFolder();
    if (layer == 1 || layer == 2) {
        const int32_t saved = layer;
        layer = 0;
        setLayer(saved);
    }
    if (autorefresh) startWatcher(false);
    showCurrent(true);
}

AppState::~AppState() {
    if (trayicon || layer == 2) showTrayIcon(false);
    if (savesettings) {
        version = appGlobals.version;
        if (layer == 1) layout = fullscreenSavedLayout;
        if (markexit) bookmark = int32_t(currentIndex);
        if (mainWindow.isMinimized() || mainWindow.isMaximized()) windowRect = mainWindow.normalFrameRect();
        loadOrSaveSettings(true);
    }
    postQuitMessage(0);
    enabledTransitions.clear();
    images.clear();
    images.shrink_to_fit();
    viewCanvas.release();
    tileCanvas.release();
}
