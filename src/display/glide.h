#pragma once
#include <QPoint>
#include <cstdint>
#include <vector>

// The scroll positions of the glide from the top left toward (targetX, targetY): each frame
// advances by range / step + 1 on each axis that has not passed its target yet; the last may
// overshoot by less than one advance.
std::vector<QPoint> glideFrames(int32_t targetX, int32_t targetY, int32_t rangeX, int32_t rangeY, int32_t step);
