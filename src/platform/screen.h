#pragma once
#include "platform/rect.h"

// The primary screen in screen pixels, from 0, 0.
Rect primaryScreenRect();
// The primary screen less the desktop's panels, in screen pixels.
Rect workArea();
// Where the mouse cursor is, in screen pixels.
Point cursorPosition();
