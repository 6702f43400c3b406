// The window in its three layers, wrapping or cropped around the picture.
#include "app/app_state.h"
#include "platform/tray_icon.h"
#include "platform/window_host.h"

namespace {
constexpr int32_t normalLayer = 0, fullscreenLayer = 1, wallpaperLayer = 2;
}

void AppState::relayoutFullscreen() {
    const Settings& s = settings;
    if (!s.wrap && !s.collage) {
        // Laid out for the screen the window is about to cover, not for the window it leaves.
        view.layOut();
    }
    mainWindow.setFullScreen(true);
    mainWindow.invalidate();
}

void AppState::arrangeWindow() {
    const Settings& s = settings;
    if (s.layer == wallpaperLayer) {
        wallpaper.update();
        return;
    }
    if (s.layer == fullscreenLayer) {
        relayoutFullscreen();
        return;
    }
    if (!s.collage) {
        if (s.wrap) arranger.fitWindowToPicture();
        else if (s.crop) arranger.shapeWindowToPicture();
    }
    if (s.corral && !(s.wrap && s.autocenter)) arranger.corralWindow();
    mainWindow.invalidate();
    mainWindow.flushAll();
    if (s.autocenter && s.wrap) arranger.centerWindow();
}

void AppState::toggleWrap() {
    Settings& s = settings;
    if (s.collage) {
        s.wrap = true;
        s.collage = false;
        mainWindow.invalidate();
    } else {
        s.wrap = !s.wrap;
    }
    if (s.layer == wallpaperLayer) {
        wallpaper.update();
    } else if (s.layer == fullscreenLayer) {
        view.setZoom(s.zoom);
        relayoutFullscreen();
    } else if (s.wrap) {
        view.unlockedZoomToSetting();
        arranger.fitWindowToPicture();
        mainWindow.invalidate();
    } else {
        s.windowRect = mainWindow.frameRect();
    }
}

// Cropped, the window loses its frame and status bar and is cut to the picture.
void AppState::toggleCrop() {
    Settings& s = settings;
    if (s.layer != normalLayer) return;
    view.unlockedZoomToSetting();
    s.crop = !s.crop;
    mainWindow.setFrameless(s.crop);
    if (s.crop) {
        arranger.destroyStatusBar();
        arranger.shapeWindowToPicture();
    } else {
        mainWindow.setMask(nullptr);
        if (s.statusbar) arranger.createStatusBar();
    }
    if (s.wrap && !s.collage) arranger.fitWindowToPicture();
    mainWindow.invalidate();
}

// Sized by hand, the window stops following the pictures' sizes and keeps the user's.
void AppState::onSize(int32_t, int32_t) {
    if (settings.collage) view.resetCollage();
    if (!inSizeMove) return;
    settings.wrap = false;
    settings.windowRect = mainWindow.frameRect();
    mainWindow.invalidate();
}

void AppState::onRestore() {
    if (settings.layer == wallpaperLayer) setLayer(normalLayer);
    slideshow.resume();
}

void AppState::setLayer(int32_t newLayer) {
    Settings& s = settings;
    const int32_t old = s.layer;
    if (newLayer == fullscreenLayer && old == fullscreenLayer) {
        s.layer = normalLayer;
    } else if (newLayer == fullscreenLayer) {
        s.layer = fullscreenLayer;
        mainWindow.setMask(nullptr);
        if (!s.fullscreencursor) mainWindow.showCursor(false);
        arranger.destroyStatusBar();
        fullscreenSavedLayout = s.layout;
        s.layout = s.fullscreenlayout;
        view.unlockedZoomToSetting();
        relayoutFullscreen();
    } else if (newLayer == normalLayer) {
        s.layer = normalLayer;
        mainWindow.setStayOnTop(false);
    } else if (newLayer == wallpaperLayer) {
        s.layer = wallpaperLayer;
        s.collage = false;
        if (!s.trayicon) arranger.showTrayIcon(true);
        // Without a notification area the icon cannot be seen: the window waits minimised in
        // the task list instead, and restoring it leaves the wallpaper layer.
        if (TrayIcon::available()) mainWindow.hide();
        else mainWindow.minimize();
        wallpaper.setStyle(0);
        showCurrent(true);
    }
    if (old == fullscreenLayer && s.layer != fullscreenLayer) {
        s.layout = fullscreenSavedLayout;
        mainWindow.setFullScreen(false);
        if (s.statusbar && !s.crop) arranger.createStatusBar();
        if (!s.fullscreencursor) mainWindow.showCursor(true);
        if (!s.wrap || s.collage) mainWindow.setFrameRect(s.windowRect);
        view.unlockedZoomToSetting();
        arrangeWindow();
    }
    if (old == wallpaperLayer && s.layer != wallpaperLayer && !s.trayicon) arranger.showTrayIcon(false);
    if (!mainWindow.isVisible() && s.layer != wallpaperLayer) mainWindow.show();
    arranger.applyBlend();
}

void AppState::setLayout(int32_t anchor) {
    if (settings.layer == fullscreenLayer) {
        fullscreenSavedLayout = anchor;
        return;
    }
    settings.layout = anchor;
    arrangeWindow();
}

void AppState::restorePreset(int n) {
    if (settings.layer == fullscreenLayer) setLayer(normalLayer);
    view.unlockedZoomToSetting();
    arranger.placeAtPreset(n);
    arrangeWindow();
}
