// The slideshow countdown, navigation and what happens at the end of the list.
#include "app/app_state.h"
#include "catalog/ordering.h"
#include "platform/dialogs.h"
#include "platform/window_host.h"

#include <malloc.h>
#include <utility>

namespace {
constexpr int slideTimerId = 1026;
}

void AppState::stopSlideTimer(bool suspend) {
    mainWindow.killTimer(slideTimerId);
    // Give back what a stopped show does not need; the picture and canvas buffers stay.
    malloc_trim(0);
    if (suspend) slideSuspended = true;
}

void AppState::resumeSlideTimer() {
    slideSuspended = false;
    if (settings.slide && (mainWindow.isVisible() || settings.layer == 2)) mainWindow.setTimer(slideTimerId, tick);
}

void AppState::restartSlideTimer() {
    mainWindow.killTimer(slideTimerId);
    remaining = uint32_t(settings.timer);
    if (settings.slide && (catalog.images().size() > 1 || settings.collage) && pictureComplete)
        mainWindow.setTimer(slideTimerId, tick);
    showCountdown();
}

void AppState::onPictureComplete() {
    if (std::exchange(pictureComplete, true)) return;
    if (settings.slide) restartSlideTimer();
}

void AppState::onTimer(int timerId) {
    if (onAnimationTimer(timerId)) return;
    if (timerId != slideTimerId) return;
    mainWindow.killTimer(slideTimerId);
    remaining = remaining < uint32_t(tick) ? 0 : remaining - uint32_t(tick);
    if (remaining != 0) {
        mainWindow.setTimer(slideTimerId, int(std::min<uint32_t>(remaining, tick)));
        showCountdown();
        return;
    }
    const size_t count = catalog.images().size();
    if (count > 0 && catalog.index() + 1 == count) {
        if (settings.loopshuffle && uint32_t(settings.sort) == 2 && count > 1) catalog.shuffle();
        if (settings.loop == 1) return;
        if (settings.loop == 2) {
            onCommand(1705);
            return;
        }
    }
    if (count == 0 || (count <= 1 && !settings.collage)) return;
    catalog.setIndex(uint32_t((catalog.index() + 1) % count));
    showCurrent(true);
}

void AppState::step(int32_t direction) {
    const int64_t count = int64_t(catalog.images().size());
    if (count == 0) {
        if (direction > 0) reportLoadFailure(101);
        return;
    }
    const int64_t distance = shiftKeyHeld() ? 5 : controlKeyHeld() ? 10 : 1;
    catalog.setIndex(uint32_t(((int64_t(catalog.index()) + direction * distance) % count + count) % count));
    showCurrent(direction > 0);
}
