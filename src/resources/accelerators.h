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

// clang-format off
inline constexpr Accelerator accelerators[] = {
    {Qt::Key_Escape, 0, 0, 1705},                   // Exit
    {0, '!', 0, 1001},                              // Slideshow
    {Qt::Key_Pause, 0, 0, 1001},
    {Qt::Key_Return, 0, 0, 1001},
    {Qt::Key_Enter, 0, 0, 1001},
    {Qt::Key_MediaPlay, 0, 0, 1001},
    {Qt::Key_MediaTogglePlayPause, 0, 0, 1001},
    {Qt::Key_T, 0, KeyControl, 1002},               // Timer...
    {Qt::Key_F, 0, KeyAlt, 1011},                   // Forward
    {Qt::Key_V, 0, KeyAlt, 1012},                   // Reverse
    {Qt::Key_R, 0, KeyAlt, 1013},                   // Random (Shuffle)
    {Qt::Key_J, 0, 0, 1014},                        // Name
    {Qt::Key_J, 0, KeyControl, 1015},               // Created
    {Qt::Key_J, 0, KeyShift, 1016},                 // Modified
    {Qt::Key_J, 0, KeyAlt, 1017},                   // Accessed
    {Qt::Key_N, 0, KeyAlt, 1021},                   // Normal
    {Qt::Key_F11, 0, 0, 1022},                      // Fullscreen
    {Qt::Key_W, 0, KeyAlt, 1024},                   // Wallpaper
    {Qt::Key_T, 0, KeyAlt, 1026},                   // Stay On Top
    {Qt::Key_B, 0, 0, 1027},                        // Blend
    {Qt::Key_B, 0, KeyControl, 1028},               // Opacity...
    {Qt::Key_PageDown, 0, 0, 1041},                 // Next
    {Qt::Key_PageDown, 0, KeyShift, 1041},
    {Qt::Key_PageDown, 0, KeyControl, 1041},
    {Qt::Key_Space, 0, 0, 1041},
    {Qt::Key_Space, 0, KeyShift, 1041},
    {Qt::Key_Space, 0, KeyControl, 1041},
    {Qt::Key_PageUp, 0, 0, 1042},                   // Previous
    {Qt::Key_PageUp, 0, KeyShift, 1042},
    {Qt::Key_PageUp, 0, KeyControl, 1042},
    {Qt::Key_Backspace, 0, 0, 1042},
    {Qt::Key_Backspace, 0, KeyShift, 1042},
    {Qt::Key_Backspace, 0, KeyControl, 1042},
    {Qt::Key_Home, 0, 0, 1043},                     // First
    {Qt::Key_End, 0, 0, 1044},                      // Last
    {Qt::Key_F5, 0, 0, 1045},                       // Current
    {Qt::Key_Left, 0, 0, 1051},                     // Left
    {Qt::Key_Left, 0, KeyShift, 1051},
    {Qt::Key_Left, 0, KeyControl, 1051},
    {Qt::Key_Left, 0, KeyAlt, 1051},
    {Qt::Key_Right, 0, 0, 1052},                    // Right
    {Qt::Key_Right, 0, KeyShift, 1052},
    {Qt::Key_Right, 0, KeyControl, 1052},
    {Qt::Key_Right, 0, KeyAlt, 1052},
    {Qt::Key_Up, 0, 0, 1053},                       // Up
    {Qt::Key_Up, 0, KeyShift, 1053},
    {Qt::Key_Up, 0, KeyControl, 1053},
    {Qt::Key_Up, 0, KeyAlt, 1053},
    {Qt::Key_Down, 0, 0, 1054},                     // Down
    {Qt::Key_Down, 0, KeyShift, 1054},
    {Qt::Key_Down, 0, KeyControl, 1054},
    {Qt::Key_Down, 0, KeyAlt, 1054},
    {Qt::Key_Insert, 0, 0, 1101},                   // Browse...
    {Qt::Key_F5, 0, KeyShift, 1102},                // Current folder
    {Qt::Key_R, 0, KeyControl, 1103},               // Refresh
    {Qt::Key_P, 0, KeyControl, 1121},               // Peek
    {Qt::Key_P, 0, KeyControl | KeyShift, 1122},    // ...sort
    {Qt::Key_A, 0, KeyControl, 1124},               // Auto Refresh
    {Qt::Key_F, 0, KeyControl, 1131},               // Find/Filter...
    {Qt::Key_F3, 0, 0, 1132},                       // Find Next
    {Qt::Key_L, 0, KeyAlt, 1133},                   // Landscape
    {Qt::Key_P, 0, KeyAlt, 1134},                   // Portrait
    {Qt::Key_M, 0, KeyControl, 1141},               // Bookmark
    {Qt::Key_M, 0, 0, 1142},                        // Go To Mark
    {Qt::Key_G, 0, KeyControl, 1143},               // Go To...
    {Qt::Key_F8, 0, 0, 1161},                       // Send Shortcut
    {Qt::Key_D, 0, 0, 1162},                        // Send To Desktop
    {Qt::Key_F8, 0, KeyAlt, 1163},                  // Send Copy
    {Qt::Key_D, 0, KeyAlt, 1164},                   // Copy To Desktop
    {Qt::Key_F, 0, KeyShift, 1165},                 // View Favorites
    {Qt::Key_F8, 0, KeyShift, 1165},
    {Qt::Key_D, 0, KeyShift, 1166},                 // View Desktop
    {Qt::Key_L, 0, KeyShift, 1167},                 // View Target
    {Qt::Key_F8, 0, KeyControl, 1168},              // Favorites folder...
    {Qt::Key_W, 0, 0, 1201},                        // Wrap
    {Qt::Key_C, 0, 0, 1202},                        // Crop
    {Qt::Key_S, 0, 0, 1203},                        // Squeeze
    {Qt::Key_S, 0, KeyAlt, 1204},                   // Shrink
    {Qt::Key_S, 0, KeyShift, 1205},                 // Stretch
    {0, '+', 0, 1211},                              // Zoom In
    {0, '+', KeyAlt, 1211},
    {0, '-', 0, 1212},                              // Zoom Out
    {0, '-', KeyAlt, 1212},
    {0, '=', 0, 1213},                              // Zoom 100%
    {Qt::Key_Z, 0, KeyControl, 1214},               // Zoom Step...
    {Qt::Key_Z, 0, KeyShift, 1215},                 // Zoom Lock
    {Qt::Key_R, 0, 0, 1221},                        // Rotate
    {Qt::Key_L, 0, 0, 1222},                        // Rotate Left
    {Qt::Key_R, 0, KeyShift, 1223},                 // Rotate Lock
    {Qt::Key_R, 0, KeyControl | KeyShift, 1224},    // Aspect Filter
    {Qt::Key_H, 0, 0, 1225},                        // Flip Horizontal
    {Qt::Key_0, 0, KeyControl, 1231},               // Centered
    {Qt::Key_1, 0, KeyControl, 1232},               // Top Left
    {Qt::Key_2, 0, KeyControl, 1233},               // Top Right
    {Qt::Key_3, 0, KeyControl, 1234},               // Bottom Left
    {Qt::Key_4, 0, KeyControl, 1235},               // Bottom Right
    {Qt::Key_5, 0, KeyControl, 1236},               // Roaming
    {Qt::Key_G, 0, 0, 1241},                        // Collage
    {Qt::Key_T, 0, 0, 1250},                        // Transitions
    {Qt::Key_N, 0, 0, 1301},                        // Name in Caption
    {Qt::Key_N, 0, KeyShift, 1302},                 // Full Path
    {Qt::Key_I, 0, 0, 1311},                        // Status Bar
    {Qt::Key_I, 0, KeyAlt, 1312},                   // Tray Icon
    {Qt::Key_B, 0, KeyAlt, 1314},                   // White Background
    {Qt::Key_0, 0, 0, 1325},                        // Center
    {Qt::Key_1, 0, KeyAlt, 1331},                   // Save preset 1
    {Qt::Key_2, 0, KeyAlt, 1332},                   // Save preset 2
    {Qt::Key_3, 0, KeyAlt, 1333},                   // Save preset 3
    {Qt::Key_4, 0, KeyAlt, 1334},                   // Save preset 4
    {Qt::Key_5, 0, KeyAlt, 1335},                   // Save preset 5
    {Qt::Key_1, 0, 0, 1341},                        // Restore preset 1
    {Qt::Key_2, 0, 0, 1342},                        // Restore preset 2
    {Qt::Key_3, 0, 0, 1343},                        // Restore preset 3
    {Qt::Key_4, 0, 0, 1344},                        // Restore preset 4
    {Qt::Key_5, 0, 0, 1345},                        // Restore preset 5
    {0, '~', 0, 1353},                              // Single instance now
    {Qt::Key_F11, 0, KeyShift, 1361},               // Fullscreen caption
    {Qt::Key_U, 0, KeyShift, 1362},                 // Fullscreen cursor
    {Qt::Key_0, 0, KeyShift, 1363},                 // Centered Image
    {Qt::Key_5, 0, KeyShift, 1364},                 // Roaming Image
    {Qt::Key_W, 0, KeyControl, 1371},               // Wallpaper center
    {Qt::Key_W, 0, KeyShift, 1372},                 // Wallpaper tile
    {Qt::Key_W, 0, KeyControl | KeyShift, 1373},    // Wallpaper stretch
    {Qt::Key_V, 0, KeyShift, 1401},                 // View
    {Qt::Key_E, 0, KeyShift, 1402},                 // Explore
    {Qt::Key_H, 0, KeyShift, 1403},                 // Open With...
    {Qt::Key_C, 0, KeyShift, 1411},                 // Copy File...
    {Qt::Key_F2, 0, 0, 1412},                       // Move/Rename...
    {Qt::Key_S, 0, KeyControl, 1413},               // Save As...
    {Qt::Key_C, 0, KeyControl | KeyShift, 1414},    // Copy Image
    {Qt::Key_C, 0, KeyControl, 1415},               // Copy View
    {Qt::Key_V, 0, KeyControl, 1416},               // Paste
    {Qt::Key_Delete, 0, 0, 1421},                   // Recycle
    {Qt::Key_F9, 0, 0, 1501},                       // Archive
    {Qt::Key_F9, 0, KeyShift, 1502},                // View Archive
    {Qt::Key_F9, 0, KeyControl, 1503},              // Archive Folder...
    {Qt::Key_Menu, 0, 0, 1701},                     // Menu: the Apps key
    {Qt::Key_F1, 0, 0, 1701},
    {0, '?', 0, 1703},                              // Help
    {Qt::Key_Help, 0, 0, 1703},
};
// clang-format on

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
