// The slideshow countdown.
#include "slideshow/slideshow.h"

#include "catalog/catalog.h"
#include "platform/window_host.h"

#include <algorithm>
#include <malloc.h>
#include <utility>

namespace {
constexpr int slideTimerId = 1026;
}

Slideshow::Slideshow(const Settings& settings, WindowHost& window, const Catalog& catalog,
                     std::function<void()> countdownChanged)
    : settings_(settings), window_(window), catalog_(catalog), countdownChanged_(std::move(countdownChanged)) {}

void Slideshow::stop(bool suspend) {
    window_.killTimer(slideTimerId);
    // Give back what a stopped show does not need; the picture and canvas buffers stay.
    malloc_trim(0);
    if (suspend) suspended_ = true;
}

void Slideshow::resume() {
    suspended_ = false;
    if (settings_.slide && (window_.isVisible() || settings_.layer == Layer::Wallpaper))
        window_.setTimer(slideTimerId, tick);
}

void Slideshow::restart() {
    window_.killTimer(slideTimerId);
    remaining_ = uint32_t(settings_.timer);
    if (settings_.slide && (catalog_.images().size() > 1 || settings_.collage) && pictureComplete_)
        window_.setTimer(slideTimerId, tick);
    countdownChanged_();
}

void Slideshow::pictureShown(bool complete) {
    pictureComplete_ = complete;
    if (settings_.slide) restart();
}

void Slideshow::onPictureComplete() {
    if (std::exchange(pictureComplete_, true)) return;
    if (settings_.slide) restart();
}

bool Slideshow::onTimer(int timerId) {
    if (timerId != slideTimerId) return false;
    window_.killTimer(slideTimerId);
    remaining_ = remaining_ < uint32_t(tick) ? 0 : remaining_ - uint32_t(tick);
    if (remaining_ == 0) return true;
    window_.setTimer(slideTimerId, int(std::min<uint32_t>(remaining_, tick)));
    countdownChanged_();
    return false;
}
