#include "app/app_globals.h"
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
    if (settings.ontop) mainWindow.setStayOnTop(true);  // the layer switch may have dropped it
    const Rect view = viewRect();
    if (images.empty() || !picture.isLoaded()) {
        mainWindow.setCaption(appGlobals.title);
        painter.fillRect(0, 0, view.width(), view.height(), background);
        updateStatusBar();
        return;
    }
    viewCanvas.resize(view.width(), view.height());
    viewCanvas.image().fill(background);
    const Settings& s = settings;
    currentZoom = picture.placeAndDraw(view, viewCanvas.image(), currentZoom, s.squeeze, s.shrink, s.stretch, s.layout);
    if (s.title) updateCaption();
    updateStatusBar();
    painter.drawImage(0, 0, viewCanvas.image());
    viewCanvas.resize(picture.width, picture.height);
    picture.drawScaled(viewCanvas.image(), picture.width, picture.height);
    lastPaintedIndex = currentIndex;
}

bool AppState::dialogBackgroundBrush(uint32_t& colour) const {
    colour = settings.whitebg ? white : black;
    return true;
}
