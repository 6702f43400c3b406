#include "window/placement.h"

std::array<Rect, 5> spreadPresets(const Rect& start) {
    return {start.moved(-100, -100), start.moved(100, -100), start.moved(-100, 100), start.moved(100, 100), start};
}

Rect corralRect(const Rect& window, int32_t screenWidth, int32_t screenHeight) {
    const int32_t w = window.width(), h = window.height();
    Rect r = window;
    if (r.top > screenHeight || r.bottom > screenHeight + 10) {
        r.bottom = screenHeight;
        r.top = r.bottom - h;
    }
    if (r.left > screenWidth || r.right > screenWidth + 10) {
        r.right = screenWidth;
        r.left = r.right - w;
    }
    if (r.right < 0 || r.left < -10) {
        r.left = 0;
        r.right = w;
    }
    if (r.bottom < 0 || r.top < -10) {
        r.top = 0;
        r.bottom = h;
    }
    return r;
}
