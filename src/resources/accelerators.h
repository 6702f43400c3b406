#pragma once
#include "platform/message.h"

#include <Qt>

// The keyboard accelerators: a key with exactly these modifiers, or a typed character, runs a
// command. Character rows ignore Shift (it is part of typing the character).
struct Accelerator {
    int key;         // a Qt key, or 0 for a character row
    char character;  // the typed character of a character row
    int modifiers;   // KeyShift | KeyControl | KeyAlt, exactly
    int command;
};

inline constexpr Accelerator accelerators[] = {
    {Qt::Key_Escape, 0, 0, 1705},  // Exit
    {0, '!', 0, 1001},             // Slideshow
    {Qt::Key_Pause, 0, 0, 1001},
    {Qt::Key_Return, 0, 0, 1001},
    {Qt::Key_Enter, 0, 0, 1001},
    {Qt::Key_MediaPlay, 0, 0, 1001},
    {Qt::Key_F, 0, KeyAlt, 1011},  // Forward
    {Qt::Key_V, 0, KeyAlt, 1012},  // Reverse
    {Qt::Key_R, 0, KeyAlt, 1013},  // Random
    {Qt::Key_J, 0, 0, 1014},  // Name
    {Qt::Key_J, 0, KeyControl, 1015},  // Created
    {Qt::Key_J, 0, KeyShift, 1016},  // Modified
    {Qt::Key_J, 0, KeyAlt, 1017},    // Accessed
    {Qt::Key_PageDown, 0, 0, 1041},  // Next
    {Qt::Key_PageDown, 0, KeyShift, 1041},
    {Qt::Key_PageDown, 0, KeyControl, 1041},
    {Qt::Key_Space, 0, 0, 1041},
    {Qt::Key_Space, 0, KeyShift, 1041},
    {Qt::Key_Space, 0, KeyControl, 1041},
    {Qt::Key_PageUp, 0, 0, 1042},  // Previous
    {Qt::Key_PageUp, 0, KeyShift, 1042},
    {Qt::Key_PageUp, 0, KeyControl, 1042},
    {Qt::Key_Backspace, 0, 0, 1042},
    {Qt::Key_Backspace, 0, KeyShift, 1042},
    {Qt::Key_Backspace, 0, KeyControl, 1042},
    {Qt::Key_Home, 0, 0, 1043},  // First
    {Qt::Key_End, 0, 0, 1044},   // Last
    {Qt::Key_F5, 0, 0, 1045},    // Current
    {Qt::Key_Insert, 0, 0, 1101},  // Browse...
    {Qt::Key_F5, 0, KeyShift, 1102},     // Current folder
    {Qt::Key_R, 0, KeyControl, 1103},       // Refresh
    {Qt::Key_S, 0, 0, 1203},   // Squeeze
    {Qt::Key_S, 0, KeyAlt, 1204},    // Shrink
    {Qt::Key_S, 0, KeyShift, 1205},  // Stretch
    {0, '+', 0, 1211},         // Zoom In
    {0, '+', KeyAlt, 1211},
    {0, '-', 0, 1212},  // Zoom Out
    {0, '-', KeyAlt, 1212},
    {0, '=', 0, 1213},          // Zoom 100%
    {Qt::Key_Z, 0, KeyShift, 1215},  // Zoom Lock
    {Qt::Key_R, 0, 0, 1221},   // Rotate
    {Qt::Key_L, 0, 0, 1222},   // Rotate Left
    {Qt::Key_R, 0, KeyShift, 1223},  // Rotate Lock
    {Qt::Key_R, 0, KeyControl | KeyShift, 1224},  // Aspect Filter
    {Qt::Key_H, 0, 0, 1225},                       // Flip Horizontal
    {Qt::Key_0, 0, KeyControl, 1231},  // Centered
    {Qt::Key_1, 0, KeyControl, 1232},  // Top Left
    {Qt::Key_2, 0, KeyControl, 1233},  // Top Right
    {Qt::Key_3, 0, KeyControl, 1234},  // Bottom Left
    {Qt::Key_4, 0, KeyControl, 1235},  // Bottom Right
    {Qt::Key_5, 0, KeyControl, 1236},  // Roaming
};

// The command a key press runs, 0 when none: key rows first, then character rows.
constexpr int acceleratorCommand(int key, int modifiers, char typed) {
    for (const Accelerator& row : accelerators)
        if (row.key != 0 && row.key == key && row.modifiers == modifiers) return row.command;
    for (const Accelerator& row : accelerators)
        if (row.key == 0 && typed != 0 && row.character == typed &&
            (row.modifiers & ~KeyShift) == (modifiers & ~KeyShift))
            return row.command;
    return 0;
}
