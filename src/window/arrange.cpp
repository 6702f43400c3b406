// The window in its three layers, and where it goes in the normal one.
#include "app/app_state.h"
#include "platform/screen.h"
#include "platform/tray_icon.h"
#include "platform/window_host.h"
#include "window/placement.h"

#include <cstdlib>

namespace {
constexpr int32_t normalLayer = 0, fullscreenLayer = 1, wallpaperLayer = 2;
}

Rect AppState::blackboxWorkArea() const {
    Rect area = workArea();
    if (blackboxShell && !settings.crop) area.top -= settings.bbCaptionAdjust;
    return area;
}

// Every placement ends by reading back where the window really went.
void AppState::centerWindow() {
    const Rect& r = settings.windowRect;
    mainWindow.setFrameRect(centeredRect(blackboxWorkArea(), r.width(), r.height()));
    settings.windowRect = mainWindow.frameRect();
}

void AppState::roamWindow() {
    const Rect& r = settings.windowRect;
    const int across = std::rand(), down = std::rand();
    mainWindow.setFrameRect(roamedRect(blackboxWorkArea(), r.width(), r.height(), across, down));
    settings.windowRect = mainWindow.frameRect();
}

void AppState::corralWindow() {
    mainWindow.setFrameRect(corralRect(settings.windowRect, screenRect.right, screenRect.bottom));
    settings.windowRect = mainWindow.frameRect();
}

void AppState::shapeWindowToPicture() {
    if (settings.layer == fullscreenLayer || settings.collage) return;
    const Settings& s = settings;
    const Rect window = mainWindow.frameRect();
    int32_t pw = 0, ph = 0;
    view.picture().fitSize(pw, ph, window, view.zoom(), s.squeeze, s.shrink, s.stretch);
    const Rect region = anchoredRect(s.layout, window.width(), window.height(), pw, ph);
    mainWindow.setMask(&region);
}

void AppState::fitWindowToPicture() {
    if (!view.picture().isLoaded()) return;
    const Settings& s = settings;
    const Margins frame = mainWindow.frameExtents();
    const int32_t bar = statusBar ? statusBarHeight : 0;
    const Rect bounds =
        pictureBounds(workArea(), s.crop ? nullptr : &frame, bar, blackboxShell ? s.bbCaptionAdjust : 0);
    int32_t pw = 0, ph = 0;
    view.picture().fitSize(pw, ph, bounds, view.zoom(), s.squeeze, s.shrink, s.stretch);
    if (blackboxShell && !s.crop) ph += s.bbWindowAdjust;
    if (!s.squeeze || view.zoomLocked()) {
        pw = std::min(pw, bounds.width());
        ph = std::min(ph, bounds.height());
    }
    // The frame grows around the client area the picture (and the bar) needs; a tiny picture
    // gets the smallest window, except cropped, where the window is the picture.
    int32_t w = pw + (s.crop ? 0 : frame.left + frame.right);
    int32_t h = ph + bar + (s.crop ? 0 : frame.top + frame.bottom);
    if (!s.crop) {
        w = std::max(w, minimumWindowWidth);
        h = std::max(h, minimumWindowHeight);
    }
    const Rect& at = settings.windowRect;
    if (s.autocenter) {
        mainWindow.setFrameRect(centeredRect(blackboxWorkArea(), w, h));
    } else if (s.roamwindow) {
        settings.windowRect = {at.left, at.top, at.left + w, at.top + h};
        roamWindow();
    } else {
        mainWindow.setFrameRect({at.left, at.top, at.left + w, at.top + h});
    }
    settings.windowRect = mainWindow.frameRect();
    // Shaped once the window has its new size, so the region matches what is painted.
    if (s.crop) shapeWindowToPicture();
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
        if (s.wrap) fitWindowToPicture();
        else if (s.crop) shapeWindowToPicture();
    }
    if (s.corral && !(s.wrap && s.autocenter)) corralWindow();
    mainWindow.invalidate();
    mainWindow.flushAll();
    if (s.autocenter && s.wrap) centerWindow();
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
        fitWindowToPicture();
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
        destroyStatusBar();
        shapeWindowToPicture();
    } else {
        mainWindow.setMask(nullptr);
        if (s.statusbar) createStatusBar();
    }
    if (s.wrap && !s.collage) fitWindowToPicture();
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

void AppState::applyBlend() {
    const Settings& s = settings;
    mainWindow.setOpacity(s.layer != wallpaperLayer && s.blend && blendAvailable ? (s.opacity & 0xff) : 255);
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
        destroyStatusBar();
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
        if (!s.trayicon) showTrayIcon(true);
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
        if (s.statusbar && !s.crop) createStatusBar();
        if (!s.fullscreencursor) mainWindow.showCursor(true);
        if (!s.wrap || s.collage) mainWindow.setFrameRect(s.windowRect);
        view.unlockedZoomToSetting();
        arrangeWindow();
    }
    if (old == wallpaperLayer && s.layer != wallpaperLayer && !s.trayicon) showTrayIcon(false);
    if (!mainWindow.isVisible() && s.layer != wallpaperLayer) mainWindow.show();
    applyBlend();
}

void AppState::setLayout(int32_t anchor) {
    if (settings.layer == fullscreenLayer) {
        fullscreenSavedLayout = anchor;
        return;
    }
    settings.layout = anchor;
    arrangeWindow();
}

void AppState::savePreset(int n) {
    if (settings.layer == fullscreenLayer) return;
    settings.windowRect = mainWindow.frameRect();
    if (n >= 1 && n <= 5) settings.presets[size_t(n - 1)] = settings.windowRect;
    settings.wrap = false;
}

void AppState::restorePreset(int n) {
    if (settings.layer == fullscreenLayer) setLayer(normalLayer);
    settings.wrap = false;
    view.unlockedZoomToSetting();
    if (n >= 1 && n <= 5) settings.windowRect = usableRect(settings.presets[size_t(n - 1)]);
    mainWindow.setFrameRect(settings.windowRect);
    arrangeWindow();
}
