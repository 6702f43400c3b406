// Painting the window: the single picture or the collage, the background and the texts on top.
#include "catalog/catalog.h"
#include "display/picture_view.h"
#include "display/transitions.h"
#include "platform/window_host.h"
#include "shell/shell_link.h"
#include "slideshow/slideshow.h"

#include <QFile>
#include <QPainter>
#include <cstdlib>

namespace {
constexpr uint32_t black = 0x000000, white = 0xffffff;

void copyImage(QImage& target, int32_t x, int32_t y, const QImage& source) {
    QPainter painter(&target);
    painter.setCompositionMode(QPainter::CompositionMode_Source);
    painter.drawImage(x, y, source);
}
}  // namespace

void PictureView::onPaint() {
    const Settings& s = settings_;
    if (s.ontop) window_.setStayOnTop(true);  // a layer switch may have dropped it
    QImage& screen = window_.screenImage();
    const Rect view = viewRect();
    const QColor background = QColor::fromRgb(s.whitebg ? white : black);
    if (catalog_.images().empty() || !picture_.isLoaded()) {
        window_.setCaption(programTitle);
        QPainter(&screen).fillRect(0, 0, view.width(), view.height(), background);
        hooks_.updateStatusBar();
    } else if (s.collage) {
        paintCollage();
    } else {
        viewCanvas_.resize(view.width(), view.height());
        viewCanvas_.image().fill(background);
        zoom_ = picture_.placeAndDraw(view, viewCanvas_.image(), zoom_, s.fit(), s.layout);
        if (s.title) hooks_.updateCaption();
        hooks_.updateStatusBar();
        const bool scrolling = !s.squeeze || zoomLocked_;
        if (s.transitions && !s.enabledTransitions.empty() && catalog_.index() != lastPaintedIndex_) {
            int effect = s.enabledTransitions[size_t(std::rand()) % s.enabledTransitions.size()];
            // A window that changes size with each picture would fade from a picture of another size.
            if (effect == crossfadeEffect && s.layer != Layer::Fullscreen && (s.wrap || s.crop))
                effect = std::rand() % crossfadeEffect;
            pendingTransition_ = {viewCanvas_.image().copy(), 0, 0, effect};
            if (!s.overlap) QPainter(&screen).fillRect(0, 0, view.width(), view.height(), background);
        } else if (!(scrolling && scrolled_ &&
                     (s.layer != Layer::Fullscreen ||
                      (picture_.width >= view.width() && picture_.height >= view.height())))) {
            copyImage(screen, 0, 0, viewCanvas_.image());
        }
        lastPaintedIndex_ = catalog_.index();
        if (scrolling && (scrolled_ || s.autoscroll)) {
            if (!scrolled_) {
                computeScrollRange();
                scrollX_ = scrollRangeX_ / 2;
                scrollY_ = scrollRangeY_ / 2;
            }
            pendingScroll_ = true;
        }
    }
    if (pendingTransition_.effect >= 0 || pendingScroll_) {
        window_.post(Message{Msg::AfterPaint});
        return;
    }
    if (s.layer == Layer::Fullscreen && s.fullscreenname) {
        drawNameText();
    } else if (hooks_.inSizeMove()) {
        QPainter painter(&screen);
        painter.setPen(Qt::black);
        painter.setBackground(Qt::white);
        painter.setBackgroundMode(Qt::OpaqueMode);
        painter.drawText(3, 3 + painter.fontMetrics().ascent(),
                         QString::asprintf("%ld x %ld", long(view.width()), long(view.height())));
    }
    slideshow_.onPictureComplete();
}

void PictureView::afterPaint() {
    if (pendingTransition_.effect >= 0) {
        PendingTransition pending = std::exchange(pendingTransition_, {});
        const int32_t w = pending.image.width(), h = pending.image.height();
        effect_ = {planTransition(pending.effect, w, h, [] { return std::rand(); }),
                   0,
                   std::move(pending.image),
                   {},
                   pending.x,
                   pending.y};
    }
    playing_ = true;
    nextStepDue_ = std::chrono::steady_clock::now();
    playOn();
}

bool PictureView::pauseFor(int32_t milliseconds) {
    // The pauses add up from the start: a step that comes late is drawn at once, so the effect
    // takes as long as planned however long the event loop kept it waiting.
    nextStepDue_ += std::chrono::milliseconds(milliseconds);
    const auto wait = std::chrono::ceil<std::chrono::milliseconds>(nextStepDue_ - std::chrono::steady_clock::now());
    if (wait.count() <= 0) return false;
    playTimer_.start(int(wait.count()));
    return true;
}

void PictureView::playOn() {
    playTimer_.stop();
    while (effect_.next < effect_.steps.size()) {
        const TransitionStep& step = effect_.steps[effect_.next++];
        const QRect changed =
            drawTransitionStep(window_.screenImage(), effect_.faded, effect_.image, effect_.x, effect_.y, step);
        if (!changed.isEmpty())
            window_.flush({changed.left(), changed.top(), changed.right() + 1, changed.bottom() + 1});
        if (step.sleepMs > 0 && pauseFor(step.sleepMs)) return;
    }
    effect_ = {};
    if (std::exchange(pendingScroll_, false)) {
        nextStepDue_ = std::chrono::steady_clock::now();
        scrollView();  // may begin a glide
    }
    while (glideNext_ < glide_.size()) {
        const QPoint at = glide_[glideNext_++];
        showFrom(at.x() - picture_.x, at.y() - picture_.y, true);
        if (pauseFor(1)) return;
    }
    if (!std::exchange(glide_, {}).empty()) showScrolled();
    glideNext_ = 0;
    playing_ = false;
    if (settings_.layer == Layer::Fullscreen && settings_.fullscreenname) {
        drawNameText();
        window_.flushAll();
    }
    slideshow_.onPictureComplete();
    hooks_.played();
}

void PictureView::finishPlaying() {
    if (!playing_) return;
    // The effect's last step leaves its whole image in place; the glide's last frame is the
    // scroll position.
    if (!effect_.image.isNull()) {
        QPainter painter(&window_.screenImage());
        painter.setCompositionMode(QPainter::CompositionMode_Source);
        painter.drawImage(effect_.x, effect_.y, effect_.image);
        painter.end();
        window_.flushAll();
    }
    effect_ = {};
    glideNext_ = glide_.size();
    hurried_ = true;
    playOn();
    hurried_ = false;
}

void PictureView::drawNameText() {
    const std::string& path = catalog_.currentPath();
    const QString name = QFile::decodeName(((isShortcut(path) ? "*" : "") + path).c_str());
    QPainter painter(&window_.screenImage());
    painter.setFont(textFont_);
    const int baseline = painter.fontMetrics().ascent();
    painter.setPen(Qt::black);
    painter.drawText(3, 3 + baseline, name);
    painter.setPen(Qt::white);
    painter.drawText(4, 4 + baseline, name);
}

void PictureView::resetCollage() {
    const Rect view = settings_.layer == Layer::Fullscreen ? screenRect_ : viewRect();
    viewCanvas_.resize(view.width(), view.height());
    viewCanvas_.image().fill(QColor::fromRgb(settings_.whitebg ? white : black));
}

void PictureView::paintCollage() {
    const Settings& s = settings_;
    if (s.title) hooks_.updateCaption();
    if (!picture_.isLoaded()) return;
    const QSize tile = picture_.fitSize({0, 0, s.collagesize, s.collagesize}, 0, {.squeeze = true});
    const int32_t w = tile.width(), h = tile.height();
    tileCanvas_.resize(w, h);
    picture_.drawScaled(tileCanvas_.image(), w, h);
    const Rect view = viewRect();
    const int32_t x = view.width() > w ? std::rand() % (view.width() - w) : 0;
    const int32_t y = view.height() > h ? std::rand() % (view.height() - h) : 0;
    QImage& screen = window_.screenImage();
    if (s.transitions && !s.enabledTransitions.empty() && catalog_.index() != lastPaintedIndex_) {
        copyImage(screen, 0, 0, viewCanvas_.image());
        const int effect = s.enabledTransitions[size_t(std::rand()) % s.enabledTransitions.size()];
        pendingTransition_ = {tileCanvas_.image().copy(), x, y, effect};
        copyImage(viewCanvas_.image(), x, y, tileCanvas_.image());
    } else {
        copyImage(viewCanvas_.image(), x, y, tileCanvas_.image());
        copyImage(screen, 0, 0, viewCanvas_.image());
    }
    hooks_.updateStatusBar();
}

void PictureView::showCollage() {
    copyImage(window_.screenImage(), 0, 0, viewCanvas_.image());
    if (settings_.layer == Layer::Fullscreen && settings_.fullscreenname) drawNameText();
    window_.flushAll();
}

std::optional<uint32_t> PictureView::dialogBackgroundBrush() const {
    if (settings_.overlap || settings_.collage) return std::nullopt;
    return settings_.whitebg ? white : black;
}

QImage PictureView::shownPicture() {
    if (settings_.collage || !picture_.isLoaded()) return viewCanvas_.image();
    const QSize size =
        boundedCopySize({picture_.width, picture_.height}, {picture_.imageWidth(), picture_.imageHeight()},
                        {screenRect_.width(), screenRect_.height()});
    QImage shown(size, QImage::Format_RGB32);
    shown.fill(Qt::black);
    picture_.completeDetail(size.width(), size.height());  // a copy is not a preview
    picture_.drawScaled(shown, size.width(), size.height());
    return shown;
}
