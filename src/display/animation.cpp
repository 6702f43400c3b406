// Playing the frames of an animated picture in place.
#include "display/picture_view.h"
#include "platform/window_host.h"

void PictureView::playAnimation() {
    animationTimer_.stop();
    if (picture_.isAnimated() && !settings_.collage) animationTimer_.start(picture_.frameDelay());
}

void PictureView::nextAnimationFrame() {
    // A picture replaced by a still one (a paste) or a collage begun ends the play.
    if (!picture_.isAnimated() || settings_.collage) {
        animationTimer_.stop();
        return;
    }
    // Unseen, the frames wait where they are.
    if (window_.isVisible() && !window_.isMinimized() && picture_.nextFrame()) window_.invalidate();
    animationTimer_.start(picture_.frameDelay());
}
