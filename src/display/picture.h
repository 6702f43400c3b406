#pragma once
#include <cstdint>

// The decoded picture on show.
struct Picture {
    // Scaling quality, as the zoomquality setting gives it: 0 bilinear, 2 smooth, 7 best.
    int32_t interpolation = 0;
};
