// The fit, zoom and rotate commands: how the picture on show is sized and turned.
#include "display/picture_view.h"

#include <algorithm>

PictureView::PictureView(Settings& settings, WindowHost& window, const Catalog& catalog, Slideshow& slideshow,
                         const Rect& screenRect, Hooks hooks)
    : settings_(settings),
      window_(window),
      catalog_(catalog),
      slideshow_(slideshow),
      screenRect_(screenRect),
      hooks_(std::move(hooks)),
      animationTimer_(window, [this] { nextAnimationFrame(); }),
      detailDecoder_([this](DecodedPicture detail, bool) {
          picture_.adoptDetail(std::move(detail));
          window_.invalidate();
      }),
      playTimer_(window, [this] { playOn(); }) {
    picture_.setDetailDecoder(&detailDecoder_);
}

void PictureView::unlockedZoomToSetting() {
    if (!zoomLocked_) zoom_ = settings_.zoom;
}

void PictureView::startPicture() {
    scrolled_ = false;
    zoom_ = settings_.zoom;
    scrollX_ = scrollY_ = 0;
    zoomLocked_ = false;
    applyRotationLock();
}

void PictureView::startPastedPicture() {
    scrolled_ = false;
    scrollX_ = scrollY_ = 0;
    zoom_ = 100;
    zoomLocked_ = true;
    rotation_ = 0;
}

void PictureView::applyRotationLock() {
    rotation_ = 0;
    const int32_t angle = settings_.rotation;
    if (angle == 0) return;
    if (settings_.rotateaspect) {
        const Rect frame = settings_.wrap || settings_.layer == Layer::Fullscreen ? screenRect_ : settings_.windowRect;
        const int32_t W = frame.width(), H = frame.height(), w = picture_.imageWidth(), h = picture_.imageHeight();
        if ((W > H && w > h) || (W < H && w < h)) return;
    }
    if (angle != 90 && angle != 180 && angle != 270) return;
    picture_.rotateFlip(Turn(angle / 90));
    rotation_ = angle;
}

void PictureView::layOut() {
    const Settings& s = settings_;
    const Rect view = viewRect();
    viewCanvas_.resize(view.width(), view.height());
    zoom_ = picture_.placeAndDraw(view, viewCanvas_.image(), zoom_, s.fit(), s.layout);
}

void PictureView::resetZoom() {
    zoom_ = 0;
    settings_.zoom = 0;
    zoomLocked_ = false;
}

void PictureView::toggleFit(bool Settings::*fit) {
    if (settings_.collage) return;
    settings_.*fit = !(settings_.*fit);
    resetZoom();
    hooks_.arrangeWindow();
}

void PictureView::zoomBy(int32_t direction, int32_t modifiers) {
    if (settings_.collage) return;
    const int32_t step = modifiers & KeyAlt ? 1 : settings_.zoomstep;
    if (direction < 0 && uint32_t(zoom_) <= uint32_t(settings_.zoomstep)) return;
    zoomLocked_ = true;
    zoom_ = std::min(zoom_ + direction * step, largestZoom);
    hooks_.arrangeWindow();
}

void PictureView::zoomToggle100() {
    if (settings_.collage) return;
    if (zoom_ == 100) {
        zoomLocked_ = false;
        zoom_ = settings_.zoom;
    } else {
        zoomLocked_ = true;
        zoom_ = 100;
    }
    if (!(settings_.squeeze && settings_.autoscroll)) {
        scrolled_ = false;
        scrollX_ = scrollY_ = 0;
    }
    hooks_.arrangeWindow();
}

void PictureView::zoomLock() {
    if (settings_.collage) return;
    if (zoom_ == 100) {
        zoomLocked_ = false;
        settings_.zoom = 0;
    } else {
        settings_.zoom = zoom_;
    }
    settings_.squeeze = settings_.shrink = settings_.stretch = false;
}

void PictureView::setZoomQuality(ZoomQuality quality) {
    settings_.zoomquality = quality;
    picture_.interpolation = quality;
}

void PictureView::turnPicture(Turn turn) {
    if (!picture_.isLoaded()) return;
    picture_.rotateFlip(turn);
    if (turn == Turn::Right || turn == Turn::Left) rotation_ = (rotation_ + 90 * int(turn)) % 360;
    if (settings_.fit().any() && !zoomLocked_) resetZoom();
    hooks_.arrangeWindow();
}
