// The status bar, the caption and the notification-area icon.
#include "app/app_globals.h"
#include "app/app_state.h"
#include "platform/screen.h"
#include "platform/status_bar.h"
#include "platform/tray_icon.h"
#include "platform/window_host.h"
#include "shell/shell_link.h"
#include "window/status_texts.h"

#include <sys/stat.h>

namespace {
// The size of the file, or for a shortcut the size its target had when the shortcut was made.
std::optional<uint64_t> fileSize(const std::string& path) {
    if (isShortcut(path)) {
        LinkTarget target;
        if (!ShellLink().readShortcut(path, target, false)) return std::nullopt;
        return target.size;
    }
    struct stat info;
    if (stat(path.c_str(), &info) != 0) return std::nullopt;
    return uint64_t(info.st_size);
}
}  // namespace

void AppState::updateStatusBar() {
    StatusBar* bar = arranger.statusBar();
    if (!bar) return;
    if (!view.picture().isLoaded()) {
        arranger.destroyStatusBar();
        arranger.createStatusBar();
        return;
    }
    StatusFacts facts;
    facts.notAFile = catalog.currentPath() == FileCommands::clipboardName;
    if (!facts.notAFile) facts.fileSize = fileSize(catalog.currentPath());
    facts.width = view.picture().imageWidth();
    facts.height = view.picture().imageHeight();
    facts.bitsPerPixel = view.picture().bitsPerPixel();
    facts.collage = settings.collage;
    facts.collageSize = settings.collagesize;
    facts.zoom = view.zoom();
    facts.fitted = settings.squeeze && !view.zoomLocked();
    if (!facts.fitted && !facts.collage) view.computeScrollRange();
    facts.scrollRangeX = view.scrollRangeX();
    facts.scrollRangeY = view.scrollRangeY();
    facts.scrollStep = view.scrollStep();
    facts.positionUnknown = facts.notAFile || catalog.images().empty();
    facts.index = catalog.index();
    facts.count = uint32_t(catalog.images().size());
    const std::array<std::string, 5> texts = statusTexts(facts);
    for (int part = 0; part < int(texts.size()); ++part) bar->setText(part, texts[size_t(part)]);
}

void AppState::showPeekCount() {
    if (arranger.statusBar() && settings.peekcount)
        arranger.statusBar()->setText(WindowArranger::positionPart, "\t" + std::to_string(catalog.images().size()));
}

void AppState::showCountdown() {
    if (StatusBar* bar = arranger.statusBar())
        bar->setText(WindowArranger::countdownPart, countdownText(settings.slide, slideshow.remaining()));
}

void AppState::updateCaption() {
    const std::string& path = catalog.currentPath();
    const std::string caption =
        captionText(path, isShortcut(path), settings.title, settings.fullname, catalog.images().empty(), view.zoom(),
                    settings.collage, view.picture().width, view.picture().height, programTitle);
    mainWindow.setCaption(caption);
    // Without a name in the caption the tip keeps the last one.
    if (!settings.title || catalog.images().empty() || !settings.trayicon) return;
    arranger.setTrayTip(caption);
}

void AppState::onTrayNotify(int click) {
    if (click == TrayLeftClick) {
        toggleVisible();
    } else if (click == TrayRightClick) {
        const Point at = cursorPosition();
        showContextMenu(at.x, at.y, 0);
    }
}

void AppState::toggleVisible() {
    if (settings.layer == Layer::Wallpaper) return;
    if (mainWindow.isVisible()) {
        slideshow.stop(false);
        mainWindow.hide();
    } else {
        mainWindow.show();
        mainWindow.activate();
        if (!slideshow.suspended()) slideshow.resume();
    }
}
