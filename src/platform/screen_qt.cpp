#include "platform/screen.h"

#include <QGuiApplication>
#include <QScreen>

namespace {
Rect toScreenPixels(const QRect& r, qreal ratio) {
    return {int32_t(r.left() * ratio), int32_t(r.top() * ratio), int32_t((r.left() + r.width()) * ratio),
            int32_t((r.top() + r.height()) * ratio)};
}
}  // namespace

Rect primaryScreenRect() {
    const QScreen* screen = QGuiApplication::primaryScreen();
    if (!screen) return {};
    const Rect r = toScreenPixels(screen->geometry(), screen->devicePixelRatio());
    return {0, 0, r.width(), r.height()};
}

Rect workArea() {
    const QScreen* screen = QGuiApplication::primaryScreen();
    return screen ? toScreenPixels(screen->availableGeometry(), screen->devicePixelRatio()) : Rect{};
}
