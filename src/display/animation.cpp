// Playing the frames of an animated picture in place.
#include "app/app_state.h"
#include "platform/window_host.h"

namespace {
constexpr int animationTimerId = 1035;
}

void AppState::playAnimation() {
    mainWindow.killTimer(animationTimerId);
    if (picture.isAnimated() && !settings.collage) mainWindow.setTimer(animationTimerId, picture.frameDelay());
}

bool AppState::onAnimationTimer(int timerId) {
    if (timerId != animationTimerId) return false;
    // A picture replaced by a still one (a paste) or a collage begun ends the play.
    if (!picture.isAnimated() || settings.collage) {
        mainWindow.killTimer(animationTimerId);
        return true;
    }
    // Unseen, the frames wait where they are.
    if (mainWindow.isVisible() && !mainWindow.isMinimized() && picture.nextFrame()) mainWindow.invalidate();
    mainWindow.setTimer(animationTimerId, picture.frameDelay());
    return true;
}
