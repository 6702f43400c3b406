// The view onto a picture larger than the window: scrolling, the glide, dragging and the wheel.
#include "app/app_state.h"
#include "display/glide.h"
#include "platform/dialogs.h"
#include "platform/screen.h"
#include "platform/window_host.h"

#include <QPainter>
#include <thread>

namespace {
constexpr int32_t fullscreenLayer = 1;
}

Rect AppState::viewRect() const {
    // Fullscreen, the window covers the screen, also before the window manager has made it so.
    if (settings.layer == fullscreenLayer) return {0, 0, screenRect.width(), screenRect.height()};
    return {0, 0, mainWindow.clientWidth(), mainWindow.clientHeight() - arranger.statusBarHeight()};
}

void AppState::computeScrollRange() {
    const Rect view = viewRect();
    scrollRangeX = picture.width > view.width() ? picture.width - view.width() : 0;
    scrollRangeY = picture.height > view.height() ? picture.height - view.height() : 0;
}

int32_t AppState::scrollStepSize() const {
    if (shiftKeyHeld()) return scrollStep * 2;
    if (controlKeyHeld()) return scrollStep * 5;
    if (altKeyHeld()) return 1;
    return scrollStep;
}

void AppState::scrollBy(int32_t across, int32_t down) {
    if (settings.collage) return;
    const int32_t step = scrollStepSize();
    scrollX += across * step;
    scrollY += down * step;
    scrollView();
}

void AppState::scrollView() {
    if (settings.squeeze && !zoomLocked) {
        scrollX = scrollY = 0;
        return;
    }
    const Rect view = viewRect();
    const int32_t cw = view.width(), ch = view.height();
    const int32_t pw = picture.width, ph = picture.height;
    const int32_t offX = cw > pw ? cw - (pw + picture.x) : 0;
    const int32_t offY = ch > ph ? ch - (ph + picture.y) : 0;
    scrollX = std::max(scrollX, 0);
    scrollY = std::max(scrollY, 0);
    if (scrollX + cw > pw) scrollX = pw - cw;
    if (scrollY + ch > ph) scrollY = ph - ch;

    // The view shows the displayed picture from (sx, sy); what lies outside it is background.
    // Only the visible part is scaled, into the view-sized canvas; glide frames scale quickly.
    const QColor background = settings.whitebg ? Qt::white : Qt::black;
    const auto show = [&](int32_t sx, int32_t sy, bool quick) {
        viewCanvas.resize(cw, ch);
        viewCanvas.image().fill(background);
        picture.drawScaled(viewCanvas.image(), pw, ph, -sx, -sy, quick);
        {
            QPainter painter(&mainWindow.screenImage());
            painter.setCompositionMode(QPainter::CompositionMode_Source);
            painter.drawImage(0, 0, viewCanvas.image());
        }
        mainWindow.flush(view);
    };
    if (!scrolled && (scrollX > 0 || scrollY > 0)) {
        // About scrollStep frames from the top left, whatever the picture's size.
        for (const QPoint& at : glideFrames(scrollX, scrollY, scrollRangeX, scrollRangeY, scrollStep)) {
            show(at.x() - picture.x, at.y() - picture.y, true);
            std::this_thread::sleep_for(std::chrono::milliseconds(1));
        }
    }
    show(scrollX + offX, scrollY + offY, false);
    if (settings.layer == fullscreenLayer && settings.fullscreenname) {
        drawNameText();
        mainWindow.flush(view);
    }
    scrolled = true;
}

void AppState::onLButtonDown(int32_t, int32_t, int32_t) {
    const Rect view = viewRect();
    if (!settings.collage && picture.isLoaded() && (picture.width > view.width() || picture.height > view.height())) {
        dragging = true;
        mainWindow.setHandCursor(true);
    }
    if (!dragging && settings.layer == fullscreenLayer) return;  // a fullscreen window stays put
    if (!settings.draggable && !dragging) return;
    slideshow.stop(false);
    dragStart = cursorPosition();
    dragWindowRect = mainWindow.frameRect();
    mainWindow.captureMouse(true);
}

void AppState::onMouseMove(int32_t, int32_t, int32_t) {
    if (!mainWindow.hasMouseCapture()) return;
    const Point at = cursorPosition();
    if (at.x == dragStart.x && at.y == dragStart.y) return;
    if (dragging) {
        // Held like a sheet: moving right shows more of the left.
        const int32_t factor = shiftKeyHeld() ? 2 : controlKeyHeld() ? 5 : 1;
        scrollX += (dragStart.x - at.x) * factor;
        scrollY += (dragStart.y - at.y) * factor;
        scrollView();
        dragStart = at;
    } else if (settings.draggable) {
        mainWindow.setFrameRect(dragWindowRect.moved(at.x - dragStart.x, at.y - dragStart.y));
    }
}

void AppState::onLButtonUp(int32_t, int32_t, int32_t) {
    if (!mainWindow.hasMouseCapture()) return;
    mainWindow.captureMouse(false);
    mainWindow.setHandCursor(false);
    settings.windowRect = mainWindow.frameRect();
    dragging = false;
    slideshow.resume();
}

namespace {
constexpr int32_t wheelNotch = 120;
}

void AppState::onMouseWheel(int32_t delta) {
    if (dragging) {
        scrollY -= delta / 10;
        scrollView();
        return;
    }
    if (mainWindow.hasMouseCapture()) return;
    // A touchpad turns a picture once its small steps add up to a whole notch in one direction.
    if ((wheelTurned < 0 && delta > 0) || (wheelTurned > 0 && delta < 0)) wheelTurned = 0;
    wheelTurned += delta;
    if (wheelTurned >= wheelNotch || wheelTurned <= -wheelNotch) {
        const bool previous = wheelTurned > 0;
        wheelTurned %= wheelNotch;
        onCommand(previous ? Command::Previous : Command::Next);
    }
}

void AppState::onMouseHWheel(int32_t delta) {
    // Sideways only a picture wider than the view moves; nothing else happens.
    if (settings.collage || !picture.isLoaded() || picture.width <= viewRect().width()) return;
    scrollX += int32_t(int64_t(delta) * scrollStep / wheelNotch);
    scrollView();
}
