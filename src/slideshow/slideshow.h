#pragma once
#include "config/settings.h"
#include "platform/window_host.h"

#include <cstdint>
#include <functional>

class Catalog;

// The slideshow's countdown: the time left of the picture on show and the timer that runs it.
class Slideshow {
public:
    static constexpr int32_t tickLength = 1000;  // milliseconds between countdown steps

    // countdownChanged runs whenever the time left is set or steps down, timeUp when it has run
    // out.
    Slideshow(const Settings& settings, WindowHost& window, const Catalog& catalog,
              std::function<void()> countdownChanged, std::function<void()> timeUp);

    // Stops the countdown; suspended, it stays stopped until resume (a menu or dialog is open).
    void stop(bool suspend);
    void resume();
    // Resets the countdown to the timer setting and runs it while the show has more than one
    // picture, from the moment the picture on show is complete on screen.
    void restart();
    // A new picture is on show; complete when no paint is to come for it (hidden, minimised,
    // the wallpaper layer). Its countdown starts once it is complete.
    void pictureShown(bool complete);
    // The paint of a new picture has ended, transition and glide included.
    void onPictureComplete();
    // One step of the countdown, as each tick of its timer takes it.
    void tick();

    uint32_t remaining() const { return remaining_; }  // milliseconds left of the current picture
    bool suspended() const { return suspended_; }

private:
    const Settings& settings_;
    WindowHost& window_;
    const Catalog& catalog_;
    std::function<void()> countdownChanged_;
    std::function<void()> timeUp_;
    WindowTimer timer_;
    uint32_t remaining_ = 0;
    bool suspended_ = false;
    // The picture shown last stands complete on screen (after its transition and glide): only
    // then does its countdown run.
    bool pictureComplete_ = true;
};
