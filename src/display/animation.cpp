// Playing the frames of an animated picture in place.
#include "display/picture_view.h"
#include "platform/window_host.h"

namespace {
constexpr int animationTimerId = 1035;
}

void PictureView::playAnimation() {
    window_.killTimer(animationTimerId);
    if (picture_.isAnimated() && !settings_.collage) window_.setTimer(animationTimerId, picture_.frameDelay());
}

bool PictureView::onAnimationTimer(int timerId) {
    if (timerId != animationTimerId) return false;
    // A picture replaced by a still one (a paste) or a collage begun ends the play.
    if (!picture_.isAnimated() || settings_.collage) {
        window_.killTimer(animationTimerId);
        return true;
    }
    // Unseen, the frames wait where they are.
    if (window_.isVisible() && !window_.isMinimized() && picture_.nextFrame()) window_.invalidate();
    window_.setTimer(animationTimerId, picture_.frameDelay());
    return true;
}
