#include "platform/screen.h"

#include <QCursor>
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

Point cursorPosition() {
    const QPoint at = QCursor::pos();
    const QScreen* screen = QGuiApplication::screenAt(at);
    if (!screen) screen = QGuiApplication::primaryScreen();
    const qreal ratio = screen ? screen->devicePixelRatio() : 1.0;
    return {int32_t(at.x() * ratio), int32_t(at.y() * ratio)};
}
