#pragma once
#include "platform/rect.h"

#include <array>

// The five window presets around the start rectangle: 1 up-left, 2 up-right, 3 down-left and
// 4 down-right by 100 pixels each way; 5 the start rectangle itself.
std::array<Rect, 5> spreadPresets(const Rect& start);

// Pulls a window rectangle back onto a screen of the given size, keeping its size. A window
// may stick out by up to 10 pixels past any edge before it is moved.
Rect corralRect(const Rect& window, int32_t screenWidth, int32_t screenHeight);
