#include "window/placement.h"

#include <algorithm>

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

Rect centeredRect(const Rect& area, int32_t w, int32_t h) {
    const int32_t x = area.left + (area.width() - w) / 2, y = area.top + (area.height() - h) / 2;
    return {x, y, x + w, y + h};
}

Rect roamedRect(const Rect& area, int32_t w, int32_t h, int across, int down) {
    const int32_t aw = area.width(), ah = area.height();
    const int32_t x = area.left + (w < aw ? across % (aw - w) : (aw - w) / 2);
    const int32_t y = area.top + (h < ah ? down % (ah - h) : (ah - h) / 2);
    return {x, y, x + w, y + h};
}

Rect pictureBounds(const Rect& workArea, const Margins* frame, int32_t statusBarHeight, int32_t captionAdjust) {
    Rect b = workArea;
    if (frame) {
        b.left += frame->left;
        b.top += frame->top;
        b.right -= frame->right;
        b.bottom -= frame->bottom;
    }
    b.bottom -= statusBarHeight;
    b.top -= captionAdjust;
    return b;
}

Rect anchoredRect(Anchor anchor, int32_t W, int32_t H, int32_t pw, int32_t ph) {
    int32_t x = 0, y = 0;
    switch (anchor) {
    case Anchor::Centered: x = (W - pw) / 2, y = (H - ph) / 2; break;
    case Anchor::TopRight: x = W - pw; break;
    case Anchor::BottomLeft: y = H - ph; break;
    case Anchor::BottomRight: x = W - pw, y = H - ph; break;
    case Anchor::TopLeft:
    case Anchor::Roaming: break;
    }
    return {x, y, x + pw, y + ph};
}

Rect usableRect(const Rect& window) {
    return {window.left, window.top, window.left + std::max(window.width(), minimumWindowWidth),
            window.top + std::max(window.height(), minimumWindowHeight)};
}
