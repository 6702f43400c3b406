// Making the current entry the picture on show.
#include "app/app_globals.h"
#include "app/app_state.h"
#include "catalog/file_info.h"
#include "platform/window_host.h"
#include "shell/shell_link.h"

#include <chrono>

void AppState::loadCurrent() {
    if (images.empty()) return;
    currentPath = images[currentIndex].path;
    // Fitted into the whole screen, the largest frame a picture is shown in, and turned when
    // the rotation lock may turn it.
    const auto shown = [this](int32_t w, int32_t h) {
        const Settings& s = settings;
        return largestFittedSize(w, h, screenRect.width(), screenRect.height(), s.zoom, s.squeeze, s.shrink, s.stretch,
                                 s.rotation % 180 != 0);
    };
    if (isShortcut(currentPath)) {
        LinkTarget target;  // stays empty, and so fails to load, when the shortcut cannot be read
        ShellLink().readShortcut(currentPath, target, true);
        picture.load(target.path, shown);
    } else {
        picture.load(currentPath, shown);
    }
    if (picture.isLoaded()) return;
    reportLoadFailure(102);
    removeCurrent();
}

void AppState::showCurrent(bool forward) {
    if (images.empty()) {
        reportLoadFailure(101);
        return;
    }
    do loadCurrent();
    while (!picture.isLoaded() && !images.empty());

    if (picture.isLoaded() && (settings.landscapeOnly || settings.portraitOnly)) {
        const uint32_t start = currentIndex;
        for (;;) {
            const int32_t w = picture.imageWidth(), h = picture.imageHeight();
            const bool rejected = settings.landscapeOnly ? w < h : h < w;
            if (!rejected) break;
            const uint32_t count = uint32_t(images.size());
            currentIndex = forward ? (currentIndex + 1) % count : (currentIndex == 0 ? count - 1 : currentIndex - 1);
            if (currentIndex == start) break;
            loadCurrent();
            if (!picture.isLoaded()) break;
        }
    }
    if (!picture.isLoaded()) {
        appGlobals.showMessage("No images loaded", MessageIcon::Exclamation);
        mainWindow.invalidate();
        return;
    }
    scrolled = false;
    currentZoom = settings.zoom;
    scrollX = scrollY = 0;
    zoomLocked = false;
    applyRotationLock();
    const auto now = std::chrono::system_clock::now().time_since_epoch();
    const auto seconds = std::chrono::duration_cast<std::chrono::seconds>(now);
    images[currentIndex].accessed =
        toFileTime(seconds.count(), uint32_t(std::chrono::duration_cast<std::chrono::nanoseconds>(now - seconds).count()));
    // Its countdown starts once the picture is complete on screen; a window that does not paint
    // (hidden, minimised, the wallpaper layer) shows it at once.
    pictureComplete = !mainWindow.isVisible() || mainWindow.isMinimized() || settings.layer == 2;
    if (settings.slide) restartSlideTimer();
    arrangeWindow();
    playAnimation();
}

void AppState::applyRotationLock() {
    currentRotation = 0;
    const int32_t angle = settings.rotation;
    if (angle == 0) return;
    if (settings.rotateaspect) {
        const Rect frame = settings.wrap || settings.layer == 1 ? screenRect : settings.windowRect;
        const int32_t W = frame.width(), H = frame.height(), w = picture.imageWidth(), h = picture.imageHeight();
        if ((W > H && w > h) || (W < H && w < h)) return;
    }
    if (angle != 90 && angle != 180 && angle != 270) return;
    picture.rotateFlip(angle / 90);
    currentRotation = angle;
}
