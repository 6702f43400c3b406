#include "app/app_state.h"

#include "app/app_globals.h"
#include "app/program_folder.h"
#include "config/command_line.h"
#include "config/settings_tables.h"
#include "platform/dialogs.h"
#include "platform/screen.h"
#include "platform/system.h"
#include "platform/window_host.h"
#include "platform/x11.h"
#include "window/placement.h"

#include <cstdio>
#include <cstdlib>
#include <cstring>

AppState::AppState(WindowHost& window)
    : mainWindow(window),
      catalog(settings, window,
              {[this](const std::string& text) { showMessage(&mainWindow, text, MessageIcon::Information); },
               [this] { showPeekCount(); }, [this] { showCurrent(true); }}),
      slideshow(
          settings, window, catalog, [this] { showCountdown(); }, [this] { onTimeUp(); }),
      arranger(settings, window, screenRect,
               {[this] { return view.picture().isLoaded(); },
                [this](const Rect& bounds) { return view.picture().fitSize(bounds, view.zoom(), settings.fit()); },
                [this] { return view.zoomLocked(); }}),
      view(settings, window, catalog, slideshow, screenRect,
           {[this] { arrangeWindow(); }, [this] { updateStatusBar(); }, [this] { updateCaption(); },
            [this] { return arranger.statusBarHeight(); }, [this] { return inSizeMove; }, [this] { releaseHeld(); },
            [this](int32_t direction, int32_t modifiers) {
                onCommand(direction < 0 ? Command::Previous : Command::Next, modifiers);
            }}),
      showHideKey(settings, window),
      wallpaper(settings, catalog, view.picture(),
                {[this] { return arranger.blackboxShell(); }, [this] { return blackboxWindow; },
                 [this] { return view.zoom(); }, [this] { return screenRect; }}),
      loadFailures(settings, window),
      fileCommands(settings, window, catalog, slideshow, view.picture(), wallpaper.path(),
                   {[this](const std::function<void()>& dialog) { runModal(dialog); },
                    [this](bool forward) { showCurrent(forward); }, [this] { return view.shownPicture(); },
                    [this] { onCommand(Command::Refresh); }}),
      firstMap_(window, [this] { mapAtStart(); }),
      decoder([this](DecodedPicture picture, bool timedOut) { onDecoded(std::move(picture), timedOut); },
              Decoder::defaultTimeout,
              [this](const std::string& key, DecodedPicture picture) { aheadCache.put(key, std::move(picture)); }, 2) {
    arranger.setTrayTip(programTitle);
    mainWindow.setAcceptDrops(true);
    std::srand(tickCount());
    blackboxWindow = findTopLevelWindow("BlackboxClass", "Blackbox");
    arranger.setBlackboxShell(blackboxWindow != 0);
    if (!blackboxWindow) blackboxFirstPaint = false;
}

void AppState::init() {
    Settings& s = settings;
    s.folder = currentDirectory();
    const ProgramFolders folders = locateProgramFolders();
    removeStaleTemporaries(folders.dataFolder);
    if (folders.stateFolder != folders.dataFolder) removeStaleTemporaries(folders.stateFolder);
    if (!isWritableFolder(folders.dataFolder))
        showMessage(&mainWindow,
                    readOnlyNotice(folders.dataFolder, environmentValue("XDG_CONFIG_HOME"), environmentValue("HOME")),
                    MessageIcon::Information);
    settingsPath = folders.dataFolder + "/vimble.ini";
    helpPath = folders.helpFile;
    loadFailures.setLogPath(folders.dataFolder + "/errors.log");
    wallpaper.setPaths(folders.stateFolder + "/vimpaper.bmp", folders.stateFolder + "/wallpaper.ini");
    fileCommands.setArchiveLog(folders.dataFolder + "/archived.log");
    s.favorites.clear();
    s.archive.clear();
    fileCommands.setDesktopFolder(desktopFolder());

    s.windowRect = mainWindow.frameRect();
    s.presets = spreadPresets(s.windowRect);
    screenRect = primaryScreenRect();

    catalog.setCurrentPath({});
    s.imageViewer.clear();
    s.fileManager = "xdg-open";
    s.enabledTransitions = allTransitions();

    loadOrSaveSettings(false);
    if (appGlobals.arguments.size() > 1) applyCommandLine(appGlobals.arguments);
    start();
    if (showing()) firstMap_.start(firstMapWait);
    else mapAtStart();
}

void AppState::mapAtStart() {
    firstMap_.stop();
    if (settings.layer != Layer::Wallpaper && !mainWindow.isVisible()) mainWindow.show();
}

void AppState::start() {
    Settings& s = settings;
    arranger.applyBlend();
    if (s.crop) mainWindow.setFrameless(true);
    view.picture().interpolation = s.zoomquality;
    view.picture().upright = s.autorotate;
    view.picture().animate = s.animate;
    if (s.trayicon) {
        arranger.showTrayIcon(true);
        mainWindow.setTaskbarEntry(false);
    }
    if (s.decorate) mainWindow.setWindowButtons(true);
    if (!s.wrap) {
        s.windowRect = usableRect(s.windowRect);
        if (s.corral) s.windowRect = corralRect(s.windowRect, screenRect.right, screenRect.bottom);
        mainWindow.setFrameRect(s.windowRect);
        if (s.corral) s.windowRect = mainWindow.frameRect();
    }
    if (s.statusbar && !s.crop && s.layer != Layer::Fullscreen) arranger.createStatusBar();
    showHideKey.grab();
    if (s.singleinstance) showHideKey.closeOtherInstances();
    catalog.startScan(s.folder, s.peek);
    if (catalog.images().empty()) catalog.browseFolder();
    if (s.layer != Layer::Normal) {
        const Layer saved = s.layer;
        s.layer = Layer::Normal;
        setLayer(saved);
    }
    if (s.autorefresh) catalog.startWatcher(wallpaper.path());
    showCurrent(true);
}

bool AppState::loadOrSaveSettings(bool save) { return ::loadOrSaveSettings(settings, settingsPath, save); }

bool AppState::saveSettings() {
    settings.version = programVersion;
    return loadOrSaveSettings(true);
}

void AppState::applyCommandLine(const std::vector<std::string>& arguments) {
    bool browse = false;
    const std::string* path = nullptr;
    for (size_t i = 1; i < arguments.size(); ++i) {
        const std::string& argument = arguments[i];
        if (argument.empty() || argument[0] != '-') {
            path = &argument;
        } else if (argument == "-browse") {
            browse = true;
        } else {
            const SwitchEffect effect = applySwitch(settings, argument);
            switch (effect.action) {
            case SwitchAction::None: break;
            case SwitchAction::Center: arranger.centerWindow(); break;
            case SwitchAction::Preset:
                onCommand(restorePresetCommand(effect.preset));
                settings.wrap = false;
                break;
            case SwitchAction::CenterWall:
            case SwitchAction::TileWall:
            case SwitchAction::StretchWall: {
                const int32_t style = int32_t(effect.action) - int32_t(SwitchAction::CenterWall) + 1;
                if (arranger.blackboxShell()) {
                    wallpaper.setBlackboxStyle(style);
                } else {
                    wallpaper.setStyle(style);
                    wallpaper.reapplyDesktop();
                }
                break;
            }
            case SwitchAction::ClearWall: wallpaper.clear(); break;
            }
        }
    }
    if (browse) {
        catalog.browseFolder();
        showMessage(&mainWindow, settings.folder, MessageIcon::Information);
        return;
    }
    if (!path) return;
    // Said on the terminal too: the message box names only the folder that held no pictures.
    std::string onShow = catalog.currentPath();
    const int error = applyPathArgument(settings, onShow, *path);
    catalog.setCurrentPath(std::move(onShow));
    if (error) std::fprintf(stderr, "vimble: %s: %s\n", path->c_str(), std::strerror(error));
}

void AppState::onDropFiles(const std::vector<std::string>& files, bool append) {
    if (catalog.scanRunning() || files.empty()) return;
    slideshow.stop(false);
    mainWindow.activate();
    catalog.dropFiles(files, append);
    showCurrent(true);
    slideshow.resume();
    if (settings.autorefresh) catalog.startWatcher(wallpaper.path());
}

void AppState::goTo() {
    if (catalog.images().empty()) return;
    int32_t target = int32_t(catalog.index() + 1);
    runModal([this, &target] { askSetting(104, target); });
    if (target == 0 || uint32_t(target) > catalog.images().size()) return;
    catalog.setIndex(uint32_t(target) - 1);
    showCurrent(true);
}

void AppState::onHotKey(int hotKeyId) {
    if (hotKeyId == ShowHideKey::id) toggleVisible();
}

void AppState::hotKeyCommand() {
    runModal([this] { showHideKey.choose(); });
}

AppState::~AppState() {
    Settings& s = settings;
    if (s.trayicon || s.layer == Layer::Wallpaper) arranger.showTrayIcon(false);
    if (s.savesettings) {
        if (s.layer == Layer::Fullscreen) s.layout = fullscreenSavedLayout;
        if (s.markexit) s.bookmark = int32_t(catalog.index());
        if (mainWindow.isMinimized() || mainWindow.isMaximized()) s.windowRect = mainWindow.normalFrameRect();
        saveSettings();
    }
    postQuitMessage(0);
    s.enabledTransitions.clear();
}

void AppState::hold(const Message& message, bool once) {
    const auto sameKey = [&message](const Message& m) {
        return m.id == Msg::KeyDown && m.value == message.value && m.modifiers == message.modifiers;
    };
    if (message.repeat && std::any_of(held_.begin(), held_.end(), sameKey)) return;
    const auto sameKind = [&message](const Message& m) { return m.id == message.id; };
    if (const auto kept = std::find_if(held_.begin(), held_.end(), sameKind); once && kept != held_.end())
        *kept = message;  // the latest says it all (the window's size)
    else held_.push_back(message);
}

void AppState::releaseHeld() {
    for (Message& held : std::exchange(held_, {})) mainWindow.post(std::move(held));
}

void AppState::onKeyUp(int key) {
    std::erase_if(held_, [key](const Message& m) { return m.id == Msg::KeyDown && m.repeat && m.value == key; });
}

void AppState::finishPlaying() {
    std::vector<Message> held = std::exchange(held_, {});
    view.finishPlaying();
    for (Message& message : held) mainWindow.send(message);
}
