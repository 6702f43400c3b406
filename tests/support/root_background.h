#pragma once
#include <cstdint>
#include <optional>

// Leaves a pixmap of one colour (0xRRGGBB) as the X root window's background, announced as
// root-window setters do; false without an X server in DISPLAY. This process stays connected
// to the server from then on, as a desktop session would.
bool setRootBackground(uint32_t rgb);

// The colour at (x, y) of the pixmap the root window announces; nothing when there is none.
std::optional<uint32_t> rootBackgroundPixel(int x, int y);
