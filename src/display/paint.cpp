#include "app/app_state.h"
#include "platform/window_host.h"

#include <QPainter>

namespace {
constexpr uint32_t black = 0x000000, white = 0xffffff;
}

// Composes the frame off-screen in viewCanvas, then brings it to the window's screen image;
// afterwards viewCanvas holds the picture alone at its displayed size.
void AppState::onPaint() {
    QImage& screen = mainWindow.screenImage();
    const QColor background = QColor::fromRgb(settings.whitebg ? white : black);
    QPainter painter(&screen);
    painter.setCompositionMode(QPainter::CompositionMode_Source);
    if (images.empty() || !picture.isLoaded()) {
        painter.fillRect(screen.rect(), background);
        return;
    }
    viewCanvas.resize(screen.width(), screen.height());
    viewCanvas.image().fill(background);
    const Settings& s = settings;
    currentZoom = picture.placeAndDraw({0, 0, screen.width(), screen.height()}, viewCanvas.image(), currentZoom,
                                       s.squeeze, s.shrink, s.stretch, s.layout);
    painter.drawImage(0, 0, viewCanvas.image());
    viewCanvas.resize(picture.width, picture.height);
    picture.drawScaled(viewCanvas.image(), picture.width, picture.height);
    lastPaintedIndex = currentIndex;
}

bool AppState::dialogBackgroundBrush(uint32_t& colour) const {
    colour = settings.whitebg ? white : black;
    return true;
}
