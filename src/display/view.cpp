// The fit, zoom, rotate and layout commands: how the picture on show is sized and turned.
#include "app/app_state.h"
#include "platform/dialogs.h"

void AppState::resetZoom() {
    currentZoom = 0;
    settings.zoom = 0;
    zoomLocked = false;
}

void AppState::toggleFit(bool Settings::*fit) {
    if (settings.collage) return;
    settings.*fit = !(settings.*fit);
    resetZoom();
    arrangeWindow();
}

void AppState::zoomBy(int32_t direction) {
    if (settings.collage) return;
    const int32_t step = altKeyHeld() ? 1 : settings.zoomstep;
    if (direction < 0 && uint32_t(currentZoom) <= uint32_t(settings.zoomstep)) return;
    zoomLocked = true;
    currentZoom = std::min(currentZoom + direction * step, largestZoom);
    arrangeWindow();
}

void AppState::zoomToggle100() {
    if (settings.collage) return;
    if (currentZoom == 100) {
        zoomLocked = false;
        currentZoom = settings.zoom;
    } else {
        zoomLocked = true;
        currentZoom = 100;
    }
    if (!(settings.squeeze && settings.autoscroll)) {
        scrolled = false;
        scrollX = scrollY = 0;
    }
    arrangeWindow();
}

void AppState::zoomLock() {
    if (settings.collage) return;
    if (currentZoom == 100) {
        zoomLocked = false;
        settings.zoom = 0;
    } else {
        settings.zoom = currentZoom;
    }
    settings.squeeze = settings.shrink = settings.stretch = false;
}

void AppState::setZoomQuality(int32_t quality) {
    settings.zoomquality = quality;
    picture.interpolation = quality;
}

void AppState::turnPicture(int type) {
    if (!picture.isLoaded()) return;
    picture.rotateFlip(type);
    if (type == 1 || type == 3) currentRotation = (currentRotation + 90 * type) % 360;
    if ((settings.squeeze || settings.shrink || settings.stretch) && !zoomLocked) resetZoom();
    arrangeWindow();
}

void AppState::setLayout(int32_t anchor) {
    if (settings.layer == 1) {
        fullscreenSavedLayout = anchor;
        return;
    }
    settings.layout = anchor;
    arrangeWindow();
}
