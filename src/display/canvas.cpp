#include "display/canvas.h"

#include <algorithm>

void Canvas::resize(int width, int height) {
    if (width == image_.width() && height == image_.height()) return;
    image_ = QImage(std::max(width, 0), std::max(height, 0), QImage::Format_RGB32);
}

void Canvas::release() { image_ = QImage(); }
