// The view onto a picture larger than the window: scrolling, the glide, dragging and the wheel.
#include "display/glide.h"
#include "display/picture_view.h"
#include "platform/screen.h"
#include "platform/window_host.h"
#include "slideshow/slideshow.h"

#include <QPainter>

Rect PictureView::viewRect() const {
    // Fullscreen, the window covers the screen, also before the window manager has made it so.
    if (settings_.layer == Layer::Fullscreen) return {0, 0, screenRect_.width(), screenRect_.height()};
    return {0, 0, window_.clientWidth(), window_.clientHeight() - hooks_.statusBarHeight()};
}

void PictureView::computeScrollRange() {
    const Rect view = viewRect();
    scrollRangeX_ = picture_.width > view.width() ? picture_.width - view.width() : 0;
    scrollRangeY_ = picture_.height > view.height() ? picture_.height - view.height() : 0;
}

void PictureView::scrollBy(int32_t across, int32_t down, int32_t modifiers) {
    if (settings_.collage) return;
    const int32_t step = modifiers & KeyShift     ? scrollStep_ * 2
                         : modifiers & KeyControl ? scrollStep_ * 5
                         : modifiers & KeyAlt     ? 1
                                                  : scrollStep_;
    scrollTo(scrollX_ + across * step, scrollY_ + down * step);
}

void PictureView::scrollTo(int32_t x, int32_t y) {
    scrollX_ = x;
    scrollY_ = y;
    scrollView();
}

void PictureView::scrollView() {
    if (settings_.squeeze && !zoomLocked_) {
        scrollX_ = scrollY_ = 0;
        return;
    }
    const Rect view = viewRect();
    const int32_t cw = view.width(), ch = view.height();
    const int32_t pw = picture_.width, ph = picture_.height;
    scrollX_ = std::max(scrollX_, 0);
    scrollY_ = std::max(scrollY_, 0);
    if (scrollX_ + cw > pw) scrollX_ = pw - cw;
    if (scrollY_ + ch > ph) scrollY_ = ph - ch;

    if (!scrolled_ && !hurried_ && (scrollX_ > 0 || scrollY_ > 0)) {
        // About scrollStep frames from the top left, whatever the picture's size, played by the
        // event loop; the last shows the scroll position.
        glide_ = glideFrames(scrollX_, scrollY_, scrollRangeX_, scrollRangeY_, scrollStep_);
        glideNext_ = 0;
        if (!std::exchange(playing_, true)) {
            nextStepDue_ = std::chrono::steady_clock::now();
            playOn();
        }
        return;
    }
    showScrolled();
}

void PictureView::showScrolled() {
    const Rect view = viewRect();
    const int32_t offX = view.width() > picture_.width ? view.width() - (picture_.width + picture_.x) : 0;
    const int32_t offY = view.height() > picture_.height ? view.height() - (picture_.height + picture_.y) : 0;
    showFrom(scrollX_ + offX, scrollY_ + offY, false);
    if (settings_.layer == Layer::Fullscreen && settings_.fullscreenname) {
        drawNameText();
        window_.flush(view);
    }
    scrolled_ = true;
}

void PictureView::showFrom(int32_t sx, int32_t sy, bool quick) {
    // What lies outside the displayed picture is background. Only the visible part is scaled,
    // into the view-sized canvas.
    const Rect view = viewRect();
    viewCanvas_.resize(view.width(), view.height());
    viewCanvas_.image().fill(settings_.whitebg ? Qt::white : Qt::black);
    picture_.drawScaled(viewCanvas_.image(), picture_.width, picture_.height, -sx, -sy, quick);
    {
        QPainter painter(&window_.screenImage());
        painter.setCompositionMode(QPainter::CompositionMode_Source);
        painter.drawImage(0, 0, viewCanvas_.image());
    }
    window_.flush(view);
}

void PictureView::onLButtonDown() {
    const Rect view = viewRect();
    if (!settings_.collage && picture_.isLoaded() &&
        (picture_.width > view.width() || picture_.height > view.height())) {
        dragging_ = true;
        window_.setHandCursor(true);
    }
    if (!dragging_ && settings_.layer == Layer::Fullscreen) return;  // a fullscreen window stays put
    if (!settings_.draggable && !dragging_) return;
    slideshow_.stop(false);
    dragStart_ = cursorPosition();
    dragWindowRect_ = window_.frameRect();
    window_.captureMouse(true);
}

void PictureView::onMouseMove(int32_t modifiers) {
    if (!window_.hasMouseCapture()) return;
    const Point at = cursorPosition();
    if (at.x == dragStart_.x && at.y == dragStart_.y) return;
    if (dragging_) {
        // Held like a sheet: moving right shows more of the left.
        const int32_t factor = modifiers & KeyShift ? 2 : modifiers & KeyControl ? 5 : 1;
        scrollTo(scrollX_ + (dragStart_.x - at.x) * factor, scrollY_ + (dragStart_.y - at.y) * factor);
        dragStart_ = at;
    } else if (settings_.draggable) {
        window_.setFrameRect(dragWindowRect_.moved(at.x - dragStart_.x, at.y - dragStart_.y));
    }
}

void PictureView::onLButtonUp() {
    if (!window_.hasMouseCapture()) return;
    window_.captureMouse(false);
    window_.setHandCursor(false);
    settings_.windowRect = window_.frameRect();
    dragging_ = false;
    slideshow_.resume();
}

namespace {
constexpr int32_t wheelNotch = 120;
}

void PictureView::onMouseWheel(int32_t delta, int32_t modifiers) {
    if (dragging_) {
        scrollTo(scrollX_, scrollY_ - delta / 10);
        return;
    }
    if (window_.hasMouseCapture()) return;
    // A touchpad turns a picture once its small steps add up to a whole notch in one direction.
    if ((wheelTurned_ < 0 && delta > 0) || (wheelTurned_ > 0 && delta < 0)) wheelTurned_ = 0;
    wheelTurned_ += delta;
    if (wheelTurned_ >= wheelNotch || wheelTurned_ <= -wheelNotch) {
        const bool previous = wheelTurned_ > 0;
        wheelTurned_ %= wheelNotch;
        hooks_.page(previous ? -1 : 1, modifiers);
    }
}

void PictureView::onMouseHWheel(int32_t delta) {
    // Sideways only a picture wider than the view moves; nothing else happens.
    if (settings_.collage || !picture_.isLoaded() || picture_.width <= viewRect().width()) return;
    scrollTo(scrollX_ + int32_t(int64_t(delta) * scrollStep_ / wheelNotch), scrollY_);
}

QImage PictureView::visiblePart() {
    const Rect view = viewRect();
    if (settings_.collage || !picture_.isLoaded()) return viewCanvas_.image().copy(0, 0, view.width(), view.height());
    int32_t w = view.width(), h = view.height();
    if (picture_.width < w) w = picture_.width, scrollX_ = 0;
    if (picture_.height < h) h = picture_.height, scrollY_ = 0;
    QImage part(std::max(w, 0), std::max(h, 0), QImage::Format_RGB32);
    part.fill(settings_.whitebg ? Qt::white : Qt::black);
    picture_.drawScaled(part, picture_.width, picture_.height, -scrollX_, -scrollY_);
    return part;
}
