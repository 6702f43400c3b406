// The slideshow countdown.
#include "slideshow/slideshow.h"

#include "catalog/catalog.h"
#include "platform/window_host.h"

#include <algorithm>
#include <malloc.h>
#include <utility>

Slideshow::Slideshow(const Settings& settings, WindowHost& window, const Catalog& catalog,
                     std::function<void()> countdownChanged, std::function<void()> timeUp)
    : settings_(settings),
      window_(window),
      catalog_(catalog),
      countdownChanged_(std::move(countdownChanged)),
      timeUp_(std::move(timeUp)),
      timer_(window, [this] { tick(); }) {}

void Slideshow::stop(bool suspend) {
    timer_.stop();
    // Give back what a stopped show does not need; the picture and canvas buffers stay.
    malloc_trim(0);
    if (suspend) suspended_ = true;
}

void Slideshow::resume() {
    suspended_ = false;
    if (settings_.slide && (window_.isVisible() || settings_.layer == Layer::Wallpaper)) timer_.start(tickLength);
}

void Slideshow::restart() {
    timer_.stop();
    remaining_ = uint32_t(settings_.timer);
    if (settings_.slide && (catalog_.images().size() > 1 || settings_.collage) && pictureComplete_)
        timer_.start(tickLength);
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

void Slideshow::tick() {
    timer_.stop();
    remaining_ = remaining_ < uint32_t(tickLength) ? 0 : remaining_ - uint32_t(tickLength);
    if (remaining_ == 0) return timeUp_();
    timer_.start(int(std::min<uint32_t>(remaining_, tickLength)));
    countdownChanged_();
}
