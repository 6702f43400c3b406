// The window in its three layers, wrapping or cropped around the picture.
#include "app/app_state.h"
#include "platform/tray_icon.h"
#include "platform/window_host.h"

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
    if (s.layer == Layer::Wallpaper) {
        wallpaper.update();
        return;
    }
    if (s.layer == Layer::Fullscreen) {
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
    if (s.layer == Layer::Wallpaper) {
        wallpaper.update();
    } else if (s.layer == Layer::Fullscreen) {
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
    if (s.layer != Layer::Normal) return;
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
    if (settings.layer == Layer::Wallpaper) setLayer(Layer::Normal);
    slideshow.resume();
}

void AppState::setLayer(Layer newLayer) {
    Settings& s = settings;
    const Layer old = s.layer;
    if (newLayer == Layer::Fullscreen && old == Layer::Fullscreen) {
        s.layer = Layer::Normal;
    } else if (newLayer == Layer::Fullscreen) {
        s.layer = Layer::Fullscreen;
        mainWindow.setMask(nullptr);
        if (!s.fullscreencursor) mainWindow.showCursor(false);
        arranger.destroyStatusBar();
        fullscreenSavedLayout = s.layout;
        s.layout = s.fullscreenlayout;
        view.unlockedZoomToSetting();
        relayoutFullscreen();
    } else if (newLayer == Layer::Normal) {
        s.layer = Layer::Normal;
        mainWindow.setStayOnTop(false);
    } else if (newLayer == Layer::Wallpaper) {
        s.layer = Layer::Wallpaper;
        s.collage = false;
        if (!s.trayicon) arranger.showTrayIcon(true);
        // Without a notification area the icon cannot be seen: the window waits minimised in
        // the task list instead, and restoring it leaves the wallpaper layer.
        if (TrayIcon::available()) mainWindow.hide();
        else mainWindow.minimize();
        wallpaper.setStyle(0);
        showCurrent(true);
    }
    if (old == Layer::Fullscreen && s.layer != Layer::Fullscreen) {
        s.layout = fullscreenSavedLayout;
        mainWindow.setFullScreen(false);
        if (s.statusbar && !s.crop) arranger.createStatusBar();
        if (!s.fullscreencursor) mainWindow.showCursor(true);
        if (!s.wrap || s.collage) mainWindow.setFrameRect(s.windowRect);
        view.unlockedZoomToSetting();
        arrangeWindow();
    }
    if (old == Layer::Wallpaper && s.layer != Layer::Wallpaper && !s.trayicon) arranger.showTrayIcon(false);
    if (!mainWindow.isVisible() && s.layer != Layer::Wallpaper) mainWindow.show();
    arranger.applyBlend();
}

void AppState::setLayout(Anchor anchor) {
    if (settings.layer == Layer::Fullscreen) {
        fullscreenSavedLayout = anchor;
        return;
    }
    settings.layout = anchor;
    arrangeWindow();
}

void AppState::restorePreset(int n) {
    if (settings.layer == Layer::Fullscreen) setLayer(Layer::Normal);
    view.unlockedZoomToSetting();
    arranger.placeAtPreset(n);
    arrangeWindow();
}
