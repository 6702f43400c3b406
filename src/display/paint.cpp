// Painting the window: the single picture or the collage, the background and the texts on top.
#include "app/app_globals.h"
#include "app/app_state.h"
#include "display/transitions.h"
#include "platform/window_host.h"
#include "shell/shell_link.h"

#include <QFile>
#include <QPainter>
#include <cstdlib>
#include <thread>

namespace {
constexpr uint32_t black = 0x000000, white = 0xffffff;
constexpr int32_t fullscreenLayer = 1;

void copyImage(QImage& target, int32_t x, int32_t y, const QImage& source) {
    QPainter painter(&target);
    painter.setCompositionMode(QPainter::CompositionMode_Source);
    painter.drawImage(x, y, source);
}
}  // namespace

void AppState::onPaint() {
    const Settings& s = settings;
    if (s.ontop) mainWindow.setStayOnTop(true);  // a layer switch may have dropped it
    QImage& screen = mainWindow.screenImage();
    const Rect view = viewRect();
    const QColor background = QColor::fromRgb(s.whitebg ? white : black);
    if (catalog.images().empty() || !picture.isLoaded()) {
        mainWindow.setCaption(appGlobals.title);
        QPainter(&screen).fillRect(0, 0, view.width(), view.height(), background);
        updateStatusBar();
    } else if (s.collage) {
        paintCollage();
    } else {
        viewCanvas.resize(view.width(), view.height());
        viewCanvas.image().fill(background);
        currentZoom =
            picture.placeAndDraw(view, viewCanvas.image(), currentZoom, s.squeeze, s.shrink, s.stretch, s.layout);
        if (s.title) updateCaption();
        updateStatusBar();
        const bool scrolling = !s.squeeze || zoomLocked;
        if (s.transitions && !s.enabledTransitions.empty() && catalog.index() != lastPaintedIndex) {
            int effect = s.enabledTransitions[size_t(std::rand()) % s.enabledTransitions.size()];
            // A window that changes size with each picture would fade from a picture of another size.
            if (effect == crossfadeEffect && s.layer != fullscreenLayer && (s.wrap || s.crop))
                effect = std::rand() % crossfadeEffect;
            pendingTransition = {viewCanvas.image().copy(), 0, 0, effect};
            if (!s.overlap) QPainter(&screen).fillRect(0, 0, view.width(), view.height(), background);
        } else if (!(scrolling && scrolled &&
                     (s.layer != fullscreenLayer ||
                      (picture.width >= view.width() && picture.height >= view.height())))) {
            copyImage(screen, 0, 0, viewCanvas.image());
        }
        lastPaintedIndex = catalog.index();
        if (scrolling && (scrolled || s.autoscroll)) {
            if (!scrolled) {
                computeScrollRange();
                scrollX = scrollRangeX / 2;
                scrollY = scrollRangeY / 2;
            }
            pendingScroll = true;
        }
    }
    if (pendingTransition.effect >= 0 || pendingScroll) {
        mainWindow.post(Message{Msg::AfterPaint});
        return;
    }
    if (s.layer == fullscreenLayer && s.fullscreenname) {
        drawNameText();
    } else if (inSizeMove) {
        QPainter painter(&screen);
        painter.setPen(Qt::black);
        painter.setBackground(Qt::white);
        painter.setBackgroundMode(Qt::OpaqueMode);
        painter.drawText(3, 3 + painter.fontMetrics().ascent(),
                         QString::asprintf("%ld x %ld", long(view.width()), long(view.height())));
    }
    slideshow.onPictureComplete();
}

void AppState::afterPaint() {
    if (pendingTransition.effect >= 0) {
        const PendingTransition pending = std::exchange(pendingTransition, {});
        runTransition(pending.image, pending.x, pending.y, pending.effect);
    }
    if (std::exchange(pendingScroll, false)) scrollView();
    if (settings.layer == fullscreenLayer && settings.fullscreenname) {
        drawNameText();
        mainWindow.flushAll();
    }
    slideshow.onPictureComplete();
}

void AppState::runTransition(const QImage& image, int32_t x, int32_t y, int effect) {
    QImage faded;
    for (const TransitionStep& step :
         planTransition(effect, image.width(), image.height(), [] { return std::rand(); })) {
        const QRect changed = drawTransitionStep(mainWindow.screenImage(), faded, image, x, y, step);
        if (!changed.isEmpty())
            mainWindow.flush({changed.left(), changed.top(), changed.right() + 1, changed.bottom() + 1});
        if (step.sleepMs > 0) std::this_thread::sleep_for(std::chrono::milliseconds(step.sleepMs));
    }
}

void AppState::drawNameText() {
    const std::string& path = catalog.currentPath();
    const QString name = QFile::decodeName(((isShortcut(path) ? "*" : "") + path).c_str());
    QPainter painter(&mainWindow.screenImage());
    painter.setFont(textFont);
    const int baseline = painter.fontMetrics().ascent();
    painter.setPen(Qt::black);
    painter.drawText(3, 3 + baseline, name);
    painter.setPen(Qt::white);
    painter.drawText(4, 4 + baseline, name);
}

void AppState::resetCollage() {
    const Rect view = settings.layer == fullscreenLayer ? screenRect : viewRect();
    viewCanvas.resize(view.width(), view.height());
    viewCanvas.image().fill(QColor::fromRgb(settings.whitebg ? white : black));
}

void AppState::paintCollage() {
    const Settings& s = settings;
    if (s.title) updateCaption();
    if (!picture.isLoaded()) return;
    int32_t w = 0, h = 0;
    picture.fitSize(w, h, {0, 0, s.collagesize, s.collagesize}, 0, true, false, false);
    tileCanvas.resize(w, h);
    picture.drawScaled(tileCanvas.image(), w, h);
    const Rect view = viewRect();
    const int32_t x = view.width() > w ? std::rand() % (view.width() - w) : 0;
    const int32_t y = view.height() > h ? std::rand() % (view.height() - h) : 0;
    QImage& screen = mainWindow.screenImage();
    if (s.transitions && !s.enabledTransitions.empty() && catalog.index() != lastPaintedIndex) {
        copyImage(screen, 0, 0, viewCanvas.image());
        const int effect = s.enabledTransitions[size_t(std::rand()) % s.enabledTransitions.size()];
        pendingTransition = {tileCanvas.image().copy(), x, y, effect};
        copyImage(viewCanvas.image(), x, y, tileCanvas.image());
    } else {
        copyImage(viewCanvas.image(), x, y, tileCanvas.image());
        copyImage(screen, 0, 0, viewCanvas.image());
    }
    updateStatusBar();
}

void AppState::showCollage() {
    copyImage(mainWindow.screenImage(), 0, 0, viewCanvas.image());
    if (settings.layer == fullscreenLayer && settings.fullscreenname) drawNameText();
    mainWindow.flushAll();
}

bool AppState::dialogBackgroundBrush(uint32_t& colour) const {
    colour = settings.whitebg ? white : black;
    return !settings.overlap && !settings.collage;
}
