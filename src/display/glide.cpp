#include "display/glide.h"

std::vector<QPoint> glideFrames(int32_t targetX, int32_t targetY, int32_t rangeX, int32_t rangeY, int32_t step) {
    std::vector<QPoint> frames;
    if (step <= 0) return frames;
    int32_t ax = 0, ay = 0;
    do {
        if (targetX > ax) ax += rangeX / step + 1;
        if (targetY > ay) ay += rangeY / step + 1;
        frames.emplace_back(ax, ay);
    } while (targetX > ax || targetY > ay);
    return frames;
}
