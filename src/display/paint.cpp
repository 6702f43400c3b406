#include "app/app_state.h"
#include "platform/window_host.h"

#include <QPainter>

namespace {
constexpr uint32_t black = 0x000000, white = 0xffffff;
}

// Composes the frame off-screen in viewCanvas, then brings it to the window's screen image.
void AppState::onPaint() {
    QImage& screen = mainWindow.screenImage();
    viewCanvas.resize(screen.width(), screen.height());
    viewCanvas.image().fill(QColor::fromRgb(settings.whitebg ? white : black));
    QPainter painter(&screen);
    painter.setCompositionMode(QPainter::CompositionMode_Source);
    painter.drawImage(0, 0, viewCanvas.image());
}

bool AppState::dialogBackgroundBrush(uint32_t& colour) const {
    colour = settings.whitebg ? white : black;
    return true;
}
