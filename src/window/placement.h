#pragma once
#include "config/setting_values.h"
#include "platform/rect.h"

#include <array>

// The five window presets around the start rectangle: 1 up-left, 2 up-right, 3 down-left and
// 4 down-right by 100 pixels each way; 5 the start rectangle itself.
std::array<Rect, 5> spreadPresets(const Rect& start);

// Pulls a window rectangle back onto a screen of the given size, keeping its size. A window
// may stick out by up to 10 pixels past any edge before it is moved.
Rect corralRect(const Rect& window, int32_t screenWidth, int32_t screenHeight);

// A w x h window centred in the area; a window larger than the area overhangs both sides equally.
Rect centeredRect(const Rect& area, int32_t w, int32_t h);

// A w x h window at a random place in the area, from two draws of rand(): the first across,
// the second down. Where the window does not fit it is centred that way.
Rect roamedRect(const Rect& area, int32_t w, int32_t h, int across, int down);

// Where a picture may spread when the window wraps it: the work area less the frame (when the
// window has one) and the status bar; captionAdjust raises the top (the Blackbox shell).
Rect pictureBounds(const Rect& workArea, const Margins* frame, int32_t statusBarHeight, int32_t captionAdjust);

// A pw x ph picture's place in a W x H window by anchor; roaming, and a number outside the
// anchors, is top left.
Rect anchoredRect(Anchor anchor, int32_t W, int32_t H, int32_t pw, int32_t ph);

// The smallest window the program makes: room to grab it, see a small picture and the start of
// the status bar.
inline constexpr int32_t minimumWindowWidth = 160, minimumWindowHeight = 100;

// The rectangle grown to the smallest window from its top left corner (a hand-edited or damaged
// settings file may hold an empty or inverted one).
Rect usableRect(const Rect& window);
