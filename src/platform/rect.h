#pragma once
#include <cstdint>

// A point in screen pixels.
struct Point {
    int32_t x = 0;
    int32_t y = 0;
};

// A rectangle in screen pixels: left and top inside, right and bottom just outside.
struct Rect {
    int32_t left = 0;
    int32_t top = 0;
    int32_t right = 0;
    int32_t bottom = 0;

    int32_t width() const { return right - left; }
    int32_t height() const { return bottom - top; }
    Rect moved(int32_t dx, int32_t dy) const { return {left + dx, top + dy, right + dx, bottom + dy}; }
    bool contains(Point p) const { return p.x >= left && p.x < right && p.y >= top && p.y < bottom; }
    bool operator==(const Rect&) const = default;
};

// How far a window's frame reaches beyond its client area on each side, in screen pixels.
struct Margins {
    int32_t left = 0;
    int32_t top = 0;  // the caption included
    int32_t right = 0;
    int32_t bottom = 0;
};
